// Names lines as a server sends them, many in one write on a real loopback
// socket: the nick list's view hears of a run of them once, when it ends, and a
// member joining in the middle of the run, the count and the view's scroll range
// all come out as if each line had been told on its own.
#include "chatroom/Channel.h"
#include "fixtures/ScriptedServerTest.h"
#include "platform/ListBoxView.h"
#include "support/Globals.h"

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>

namespace {

class NamesArrivalTest : public ScriptedServerTest {
protected:
    void SetUp() override {
        ScriptedServerTest::SetUp();
        server.write(":me!u@h JOIN #r\r\n");
        // Its answer comes in turn, after the pause that follows connecting (a
        // PING meanwhile is answered at once, out of turn).
        ASSERT_TRUE(server.waitForLine("MODE #r"));
    }
    // Lines of 25 names each, numbered from first.
    static QByteArray namesLines(int lines, int first) {
        QByteArray bytes;
        for (int line = 0; line < lines; ++line) {
            bytes += ":s 353 me = #r :";
            for (int k = 0; k < 25; ++k)
                bytes += (k % 5 == 0 ? "@n" : "n") + QByteArray::number(first + line * 25 + k) + ' ';
            bytes += "\r\n";
        }
        return bytes;
    }
};

TEST_F(NamesArrivalTest, ARunOfNamesLinesIsToldOnceAndComesOutWhole) {
    NickListModel& model = room().Nicks.model();
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    server.write(namesLines(40, 0) + ":late!l@h JOIN :#r\r\n" + namesLines(10, 1000) +
                 ":s 366 me #r :End of /NAMES list.\r\n");
    ASSERT_TRUE(sync());

    EXPECT_EQ(model.count(), 1251);
    EXPECT_EQ(room().TotalChatters, 1251);
    EXPECT_EQ(room().cmdCount->text(), " Total Chatters :  [ 1251 ]");
    EXPECT_TRUE(room().InChannel("late"));
    EXPECT_TRUE(room().isOp("n1245"));
    EXPECT_EQ(model.textAt(0), "@n0") << "operators first";
    // Two runs around the join, each told once (a run can break where events
    // are let run, or where the socket's reads fall), never once per line.
    EXPECT_GE(resets.count(), 2);
    EXPECT_LT(resets.count(), 20);
    QScrollBar* bar = room().lstNicks->verticalScrollBar();
    EXPECT_EQ(bar->maximum(), model.count() - bar->pageStep()) << "the view knows every row";
}

} // namespace
