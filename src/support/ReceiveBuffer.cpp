#include "support/ReceiveBuffer.h"

void ReceiveBuffer::append(const QByteArray& chunk, QList<QByteArray>& pieces,
                           QList<qsizetype>& droppedLines) {
    qsizetype start = skipDroppedLine(chunk, droppedLines);
    if (start >= chunk.size())
        return;
    for (qsizetype lf = chunk.indexOf('\n', start); lf >= 0; lf = chunk.indexOf('\n', start)) {
        m_tail.append(chunk.constData() + start, lf - start);
        pieces.append(std::move(m_tail));
        m_tail.clear();
        start = lf + 1;
    }
    m_tail.append(chunk.constData() + start, chunk.size() - start);
    if (chunk.back() == '\n')
        pieces.append(QByteArray());
    else
        holdTail(pieces);
}

// Inside an over-long line, everything up to its LF goes; returns where the
// chunk's next line starts.
qsizetype ReceiveBuffer::skipDroppedLine(const QByteArray& chunk, QList<qsizetype>& droppedLines) {
    if (!m_discarding)
        return 0;
    const qsizetype lf = chunk.indexOf('\n');
    if (lf < 0) {
        m_dropped += chunk.size();
        return chunk.size();
    }
    droppedLines.append(m_dropped + lf + 1);
    m_dropped = 0;
    m_discarding = false;
    return lf + 1;
}

// The tail waits for its LF, unless it ends in CR; past the bound it goes.
void ReceiveBuffer::holdTail(QList<QByteArray>& pieces) {
    if (m_tail.endsWith('\r')) {
        pieces.append(std::move(m_tail));
        m_tail.clear();
    } else if (m_tail.size() > kLimit) {
        m_dropped = m_tail.size();
        m_tail.clear();
        m_discarding = true;
    }
}

qsizetype ReceiveBuffer::finish() {
    const qsizetype dropped = m_discarding ? m_dropped : 0;
    m_tail.clear();
    m_discarding = false;
    m_dropped = 0;
    return dropped;
}
