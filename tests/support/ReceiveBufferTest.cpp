#include "support/ReceiveBuffer.h"

#include <gtest/gtest.h>

namespace {

QList<QByteArray> feed(ReceiveBuffer& buffer, std::initializer_list<QByteArray> chunks, qsizetype* dropped = nullptr) {
    QList<QByteArray> pieces;
    qsizetype lost = 0;
    for (const QByteArray& chunk : chunks)
        lost += buffer.append(chunk, pieces);
    if (dropped)
        *dropped = lost;
    return pieces;
}

TEST(ReceiveBuffer, ReleasesOnlyWhenTheDataEndsInALineEnd) {
    ReceiveBuffer buffer;
    EXPECT_TRUE(feed(buffer, {"PING :a\r\nPING :b"}).isEmpty()); // complete lines wait too
    EXPECT_EQ(buffer.pending(), "PING :a\r\nPING :b");
    EXPECT_EQ(feed(buffer, {"\r\n"}), (QList<QByteArray>{"PING :a\r", "PING :b\r", ""}));
    EXPECT_TRUE(buffer.pending().isEmpty());
}

TEST(ReceiveBuffer, CrLfSplitAcrossChunks) {
    ReceiveBuffer buffer;
    EXPECT_EQ(feed(buffer, {"A\r"}), QList<QByteArray>{"A\r"});
    EXPECT_EQ(feed(buffer, {"\nB\n"}), (QList<QByteArray>{"", "B", ""}));
}

TEST(ReceiveBuffer, EveryChunkBoundaryGivesTheSameLines) {
    const QByteArray stream = ":a PRIVMSG #r :x\r\n:b JOIN #r\r\nPING :c\r\n";
    for (qsizetype cut = 1; cut < stream.size(); ++cut) {
        ReceiveBuffer buffer;
        QList<QByteArray> lines = feed(buffer, {stream.left(cut), stream.mid(cut)});
        lines.removeAll(QByteArray());
        for (QByteArray& line : lines)
            line = line.trimmed();
        EXPECT_EQ(lines, (QList<QByteArray>{":a PRIVMSG #r :x", ":b JOIN #r", "PING :c"})) << "cut at " << cut;
    }
}

TEST(ReceiveBuffer, BoundedWithoutLosingCompleteLines) {
    ReceiveBuffer buffer;
    QByteArray flood;
    while (flood.size() <= ReceiveBuffer::Limit)
        flood += "PRIVMSG #r :spam spam spam\r\n";
    flood += "PARTIAL";
    qsizetype dropped = 0;
    const QList<QByteArray> lines = feed(buffer, {flood}, &dropped);
    EXPECT_EQ(dropped, 0);
    EXPECT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.back(), "PRIVMSG #r :spam spam spam\r");
    EXPECT_EQ(buffer.pending(), "PARTIAL");
}

TEST(ReceiveBuffer, DropsALineLongerThanTheLimitAndGoesOn) {
    ReceiveBuffer buffer;
    qsizetype dropped = 0;
    const QByteArray huge(ReceiveBuffer::Limit + 10, 'x');
    EXPECT_TRUE(feed(buffer, {huge, "yyyy"}, &dropped).isEmpty());
    EXPECT_EQ(dropped, huge.size() + 4);
    EXPECT_TRUE(buffer.pending().isEmpty());
    // The rest of the long line is dropped up to its end; the next line comes through.
    EXPECT_EQ(feed(buffer, {"zz\nPING :ok\n"}, &dropped), (QList<QByteArray>{"PING :ok", ""}));
    EXPECT_EQ(dropped, 3);
}

} // namespace
