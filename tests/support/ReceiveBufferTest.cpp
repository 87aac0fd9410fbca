#include "support/ReceiveBuffer.h"

#include <gtest/gtest.h>

namespace {

QList<QByteArray> feed(ReceiveBuffer& buffer, std::initializer_list<QByteArray> chunks,
                       QList<qsizetype>* droppedLines = nullptr) {
    QList<QByteArray> pieces;
    QList<qsizetype> dropped;
    for (const QByteArray& chunk : chunks)
        buffer.append(chunk, pieces, dropped);
    if (droppedLines)
        *droppedLines = dropped;
    return pieces;
}

TEST(ReceiveBuffer, CompleteLinesGoAtOnceAndOnlyTheTailWaits) {
    ReceiveBuffer buffer;
    EXPECT_EQ(feed(buffer, {"PING :a\r\nPING :b"}), QList<QByteArray>{"PING :a\r"});
    EXPECT_EQ(buffer.pending(), "PING :b");
    EXPECT_EQ(feed(buffer, {"\r\n"}), (QList<QByteArray>{"PING :b\r", ""}));
    EXPECT_TRUE(buffer.pending().isEmpty());
}

TEST(ReceiveBuffer, CrLfSplitAcrossChunks) {
    ReceiveBuffer buffer;
    EXPECT_EQ(feed(buffer, {"A\r"}), QList<QByteArray>{"A\r"});
    EXPECT_EQ(feed(buffer, {"\nB\n"}), (QList<QByteArray>{"", "B", ""}));
}

// The pieces are those of the whole stream cut at every LF, wherever the chunks
// end; only when the pieces go depends on the cut.
TEST(ReceiveBuffer, EveryChunkBoundaryGivesTheSamePieces) {
    const QByteArray stream = ":a PRIVMSG #r :x\r\n:b JOIN #r\r\nPING :c\r\n";
    for (qsizetype cut = 1; cut < stream.size(); ++cut) {
        ReceiveBuffer buffer;
        QList<QByteArray> lines = feed(buffer, {stream.left(cut), stream.mid(cut)});
        lines.removeAll(QByteArray());
        for (QByteArray& line : lines)
            line = line.trimmed();
        EXPECT_EQ(lines, (QList<QByteArray>{":a PRIVMSG #r :x", ":b JOIN #r", "PING :c"}))
            << "cut at " << cut;
    }
}

TEST(ReceiveBuffer, BoundedWithoutLosingCompleteLines) {
    ReceiveBuffer buffer;
    QByteArray flood;
    while (flood.size() <= ReceiveBuffer::kLimit)
        flood += "PRIVMSG #r :spam spam spam\r\n";
    flood += "PARTIAL";
    QList<qsizetype> dropped;
    const QList<QByteArray> lines = feed(buffer, {flood}, &dropped);
    EXPECT_TRUE(dropped.isEmpty());
    EXPECT_EQ(lines.size(), flood.count('\n'));
    EXPECT_EQ(lines.back(), "PRIVMSG #r :spam spam spam\r");
    EXPECT_EQ(buffer.pending(), "PARTIAL");
}

// However many chunks an over-long line takes, it is told once, with its size
// (its LF included), when it ends.
TEST(ReceiveBuffer, ALineLongerThanTheLimitIsDroppedAndToldOnceWhenItEnds) {
    ReceiveBuffer buffer;
    QList<qsizetype> dropped;
    const QByteArray piece(64 * 1024, 'x');
    qsizetype sent = 0;
    QList<QByteArray> pieces;
    for (int k = 0; k < 48; ++k, sent += piece.size())
        buffer.append(piece, pieces, dropped);
    EXPECT_TRUE(pieces.isEmpty());
    EXPECT_TRUE(dropped.isEmpty());
    EXPECT_LE(buffer.pending().size(), ReceiveBuffer::kLimit);
    EXPECT_EQ(feed(buffer, {"zz\r\nPING :ok\n"}, &dropped), (QList<QByteArray>{"PING :ok", ""}));
    EXPECT_EQ(dropped, QList<qsizetype>{sent + 4});

    // Cut off by the end of the stream, it is told by finish().
    feed(buffer, {QByteArray(ReceiveBuffer::kLimit + 10, 'y'), "yy"}, &dropped);
    EXPECT_TRUE(dropped.isEmpty());
    EXPECT_EQ(buffer.finish(), ReceiveBuffer::kLimit + 12);
    EXPECT_EQ(buffer.finish(), 0);
    EXPECT_EQ(feed(buffer, {"PING :next\n"}), (QList<QByteArray>{"PING :next", ""}));
}

} // namespace
