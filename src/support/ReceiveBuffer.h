#pragma once

#include <QByteArray>
#include <QList>

// Received bytes on their way to the interpreter, cut into pieces at every LF.
// Each complete line is released as soon as its LF has arrived; only the
// unfinished tail waits. Data that ends in CR releases the tail as well (a line
// may end in a lone CR), and data that ends in LF releases the empty piece after
// it, so a stream gives the same pieces however it is cut into chunks and each
// piece keeps its shape (a CR before the LF stays).
//
// The tail is bounded: an unfinished line longer than kLimit is dropped up to and
// including its LF, and its whole size is told once, when it ends.
class ReceiveBuffer {
public:
    static constexpr qsizetype kLimit = 1 << 20;

    // Adds a chunk: appends to pieces what is ready, and to droppedLines the size
    // of the over-long line that ended in it. Such a line can only end before
    // the chunk's first piece.
    void append(const QByteArray& chunk, QList<QByteArray>& pieces, QList<qsizetype>& droppedLines);
    // The stream ends (the connection is gone): forgets the unfinished tail and
    // returns the size dropped of an over-long line cut off by the end, or 0.
    qsizetype finish();

    const QByteArray& pending() const { return m_tail; }

private:
    qsizetype skipDroppedLine(const QByteArray& chunk, QList<qsizetype>& droppedLines);
    void holdTail(QList<QByteArray>& pieces);

    QByteArray m_tail;
    bool m_discarding = false; // inside an over-long line, until its LF
    qsizetype m_dropped = 0;   // bytes of that line so far
};
