#pragma once

#include <QByteArray>
#include <QList>

// Received bytes not yet handed to the interpreter. Pieces are released only
// when the data ends in CR or LF: the whole buffer is then cut at every LF and
// every piece is passed, the empty one after a final LF included.
//
// The buffer is bounded: when it passes Limit without ending in a line end, the
// complete lines in it are released and only the unfinished line is kept; an
// unfinished line longer than Limit is dropped up to its LF.
class ReceiveBuffer {
public:
    static constexpr qsizetype Limit = 1 << 20;

    // Adds a chunk; appends to pieces what is ready and returns the number of
    // bytes dropped from an over-long line (0 almost always).
    qsizetype append(const QByteArray& chunk, QList<QByteArray>& pieces);

    const QByteArray& pending() const { return m_buffer; }
    void clear();

private:
    static void cut(const QByteArray& text, QList<QByteArray>& pieces);
    qsizetype releaseOverflow(QList<QByteArray>& pieces);

    QByteArray m_buffer;
    bool m_discarding = false; // inside an over-long line, until its LF
};
