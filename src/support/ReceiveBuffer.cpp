#include "support/ReceiveBuffer.h"

qsizetype ReceiveBuffer::append(const QByteArray& chunk, QList<QByteArray>& pieces) {
    qsizetype dropped = 0;
    QByteArray data = chunk;
    if (m_discarding) {
        const qsizetype lf = data.indexOf('\n');
        if (lf < 0)
            return data.size();
        dropped = lf + 1;
        data.remove(0, lf + 1);
        m_discarding = false;
    }
    m_buffer += data;
    if (m_buffer.isEmpty())
        return dropped;
    const char last = m_buffer.back();
    if (last == '\r' || last == '\n') {
        cut(m_buffer, pieces);
        m_buffer.clear();
    } else if (m_buffer.size() > Limit) {
        dropped += releaseOverflow(pieces);
    }
    return dropped;
}

void ReceiveBuffer::clear() {
    m_buffer.clear();
    m_discarding = false;
}

void ReceiveBuffer::cut(const QByteArray& text, QList<QByteArray>& pieces) {
    qsizetype start = 0;
    for (;;) {
        const qsizetype lf = text.indexOf('\n', start);
        if (lf < 0) {
            pieces.append(text.mid(start));
            return;
        }
        pieces.append(text.mid(start, lf - start));
        start = lf + 1;
    }
}

qsizetype ReceiveBuffer::releaseOverflow(QList<QByteArray>& pieces) {
    const qsizetype lastLf = m_buffer.lastIndexOf('\n');
    if (lastLf >= 0) {
        cut(m_buffer.left(lastLf), pieces);
        m_buffer.remove(0, lastLf + 1);
    }
    if (m_buffer.size() <= Limit)
        return 0;
    const qsizetype dropped = m_buffer.size();
    m_buffer.clear();
    m_discarding = true;
    return dropped;
}
