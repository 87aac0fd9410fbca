// A server that misbehaves on purpose, on a real loopback socket: lines cut at
// odd places, boxes left open while the server keeps talking, connections that
// end in a reset, a crowd of CTCP requests.
#include "account/Login.h"
#include "chatroom/Channel.h"
#include "fixtures/NamedRows.h"
#include "fixtures/ScriptedServerTest.h"
#include "fixtures/Wait.h"
#include "platform/RichTextBox.h"
#include "support/ColouredText.h"
#include "support/Globals.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>

namespace {

class HostileServerTest : public ScriptedServerTest {
protected:
    // Milliseconds from now until the client sends line.
    qint64 msUntil(const QByteArray& line, int timeoutMs = 5000) {
        QElapsedTimer clock;
        clock.start();
        return server.waitForLine(line, timeoutMs) ? clock.elapsed() : -1;
    }
};

TEST_F(HostileServerTest, ACompleteLineIsAnsweredWhileTheNextOneIsStillArriving) {
    server.write("PING :now\r\n:s NOTICE me :the rest of this li");
    const qint64 ms = msUntil("PONG :now", 2000);
    EXPECT_GE(ms, 0);
    EXPECT_LT(ms, 1000);
    server.write("ne\r\n");
    EXPECT_TRUE(waitForPane("the rest of this line"));
}

// The line before the end is shown, the unfinished one is not, and the kind of
// end decides what follows: a close leaves the port as it is, a reset is an
// error that arms the reconnect on 8867.
struct EndCase {
    const char* name;
    bool reset;
    const char* shown;
};

void PrintTo(const EndCase& c, std::ostream* os) {
    *os << c.name;
}

class ConnectionEndTest : public HostileServerTest, public testing::WithParamInterface<EndCase> {};

TEST_P(ConnectionEndTest, TheLastCompleteLineIsShownAndTheEndReported) {
    G().ReconnectOn = true;
    server.write(":s NOTICE me :complete\r\n:s NOTICE me :unfinished");
    ASSERT_TRUE(waitForPane("complete"));
    const QString port = room().Text1->text();
    if (GetParam().reset)
        server.reset();
    else
        server.close();
    ASSERT_TRUE(waitForPane(GetParam().shown)) << paneText().toStdString();
    EXPECT_LT(paneText().indexOf("complete"), paneText().indexOf(GetParam().shown));
    EXPECT_FALSE(paneText().contains("unfinished"));
    EXPECT_EQ(paneText().count("Disconnected by SERVER") + paneText().count("ERROR : "), 1);
    EXPECT_EQ(room().Text1->text(), GetParam().reset ? QString("8867") : port);
    EXPECT_EQ(room().Timer1.isActive(), GetParam().reset);
    EXPECT_EQ(room().mnu_File_Connect->text(), "&Connect");
}

INSTANTIATE_TEST_SUITE_P(, ConnectionEndTest,
                         testing::Values(EndCase{"Close", false, "Disconnected by SERVER from 127.0.0.1"},
                                         EndCase{"Reset", true, "ERROR : Connection reset by peer"}),
                         RowName());

// A line whose handler waits in a message box: the server's keep-alive that
// follows it, or comes while the box is open, is answered at once and once only;
// every other line waits its turn.
class BoxLeftOpenTest : public HostileServerTest, public testing::WithParamInterface<const char*> {};

TEST_P(BoxLeftOpenTest, PingsAreAnsweredWhileTheBoxIsOpen) {
    QElapsedTimer sinceWritten;
    qint64 msToPong = -1;
    bool laterLineWaited = false;
    whileBoxOpen = [&] {
        if (server.waitForLine("PONG :held", 3000))
            msToPong = sinceWritten.elapsed();
        server.write("PING :meanwhile\r\n");
        EXPECT_GE(msUntil("PONG :meanwhile", 1000), 0);
        laterLineWaited = !paneText().contains("after");
    };
    sinceWritten.start();
    server.write(QByteArray(":s ") + GetParam() + " me #r :refused\r\nPING :held\r\n:s NOTICE me :after\r\n");
    ASSERT_TRUE(waitForPane("after"));
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_GE(msToPong, 0);
    EXPECT_LT(msToPong, 1000);
    EXPECT_TRUE(laterLineWaited);
    EXPECT_TRUE(room().mnu_File_Disconnect->isEnabled() ? sync() : server.waitForClientGone());
    EXPECT_EQ(server.count("PONG :held"), 1);
    EXPECT_EQ(server.count("PONG :meanwhile"), 1);
}

INSTANTIATE_TEST_SUITE_P(, BoxLeftOpenTest, testing::Values("432", "471", "473", "474", "475"),
                         [](const auto& info) { return std::string("Reply") + info.param; });

// What the receive path tells of the stream itself (an over-long line dropped,
// the end of the connection) keeps its turn behind the lines still waiting for
// a handler that waits in a box.
struct TurnCase {
    const char* name;
    enum { None, Close, Reset } end;
    const char* told;
};

void PrintTo(const TurnCase& c, std::ostream* os) {
    *os << c.name;
}

class TurnTest : public HostileServerTest, public testing::WithParamInterface<TurnCase> {};

TEST_P(TurnTest, TheStreamIsToldInItsTurnAfterTheLinesBeforeIt) {
    G().ReconnectOn = true;
    const TurnCase& c = GetParam();
    bool toldWhileOpen = true;
    whileBoxOpen = [&] {
        if (c.end == TurnCase::None) {
            // Its end comes once the client holds more than the bound of it.
            server.write(":s NOTICE me :queued\r\n" + QByteArray(ReceiveBuffer::kLimit + 100, 'x'));
            ASSERT_TRUE(waitUntil([this] { return server.unsent() == 0; }));
            waitUntil([] { return false; }, 300);
            server.write("\nPING :taken\r\n");
            ASSERT_TRUE(server.waitForLine("PONG :taken"));
        } else {
            server.write(":s NOTICE me :queued\r\n");
            c.end == TurnCase::Close ? server.close() : server.reset();
            ASSERT_TRUE(waitUntil([this] { return room().sock.State() != Winsock::sckConnected; }));
        }
        waitUntil([] { return false; }, 200);
        toldWhileOpen = paneText().contains(c.told);
    };
    server.write(":s 432 me bad :Erroneous nickname\r\n");
    ASSERT_TRUE(waitForPane(c.told)) << paneText().left(1000).toStdString();
    EXPECT_FALSE(toldWhileOpen);
    EXPECT_LT(paneText().indexOf("queued"), paneText().indexOf(c.told))
        << paneText().left(1000).toStdString();
    EXPECT_EQ(paneText().count(c.told), 1);
    EXPECT_EQ(room().Timer1.isActive(), c.end == TurnCase::Reset);
    EXPECT_EQ(room().mnu_File_Disconnect->isEnabled(), c.end == TurnCase::None);
}

INSTANTIATE_TEST_SUITE_P(, TurnTest,
                         testing::Values(TurnCase{"DroppedLine", TurnCase::None, "Dropped a line of"},
                                         TurnCase{"Close", TurnCase::Close, "Disconnected by SERVER"},
                                         TurnCase{"Reset", TurnCase::Reset,
                                                  "ERROR : Connection reset by peer"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HostileServerTest, APingIsAnsweredWhileTheTopicReplyPauses) {
    QString paneAtPong;
    server.onLine = [&](const QByteArray& line) {
        if (line == "PONG :p")
            paneAtPong = paneText();
    };
    server.write(":me!u@h JOIN :#r\r\n:s 332 me #r :the topic\r\nPING :p\r\n");
    ASSERT_TRUE(server.waitForLine("PONG :p"));
    EXPECT_FALSE(paneAtPong.contains("Topic is")) << paneAtPong.toStdString();
    EXPECT_TRUE(waitForPane("Topic is"));
    ASSERT_TRUE(sync());
    EXPECT_EQ(server.count("PONG :p"), 1);
}

// The user ends the program while a line's handler pauses: the pause returns at
// once, the server's later keep-alive goes unanswered and the lines queued
// behind the paused one are not interpreted.
TEST_F(HostileServerTest, EndingTheProgramInAPauseEndsTheTalkAtOnce) {
    answers.push_back({Dialogs::Answer::Yes, {}});
    qsizetype sentBeforeTheEnd = -1;
    server.onLine = [&](const QByteArray& line) {
        if (line != "PONG :p")
            return;
        sentBeforeTheEnd = server.lines().size();
        Login::form().mnu_Close_Click(); // the topic reply is still in its pause
        server.write("PING :late\r\n");
    };
    const QByteArray lines = ":me!u@h JOIN :#r\r\n:s 332 me #r :the topic\r\nPING :p\r\n"
                             ":s NOTICE me :queued behind\r\n";
    EXPECT_EQ(runEventLoop([&] { server.write(lines); }), 0);
    ASSERT_GE(sentBeforeTheEnd, 0);
    EXPECT_TRUE(paneText().contains("You have entered to the chat room")); // the paused handler finished
    // No answer comes: a bounded wait, long enough for one to arrive if it were sent.
    EXPECT_FALSE(waitUntil([&] { return server.count("PONG :late") > 0; }, 1000));
    EXPECT_EQ(server.lines().size(), sentBeforeTheEnd);
    EXPECT_FALSE(paneText().contains("queued behind"));
}

// With a box open the queue fills to its bound, then the server's data waits
// in the network; once the box closes every line comes through in order.
TEST_F(HostileServerTest, TheQueueStopsReadingAtItsBoundUntilItDrains) {
    const QByteArray filler = (":s 366 me #r :" + QByteArray(1000, 'x') + "\r\n").repeated(1024);
    whileBoxOpen = [&] {
        for (qsizetype sent = 0; sent < ReceiveQueue::kLimit * 3 / 2; sent += filler.size())
            server.write(filler);
        server.write("PING :last\r\n:s NOTICE me :end\r\n");
        ASSERT_TRUE(waitUntil([this] { return room().RecvQueue.full(); }, 20000));
        // The queue does not grow past its bound: events keep running for a
        // bounded while, in which the network could deliver more if it were read.
        for (int k = 0; k < 50; ++k)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        EXPECT_LE(room().RecvQueue.bytes(), ReceiveQueue::kLimit + 2 * 64 * 1024);
        EXPECT_GT(server.unsent(), 0); // held back by the network
        EXPECT_EQ(server.count("PONG :last"), 0);
    };
    server.write(":s 432 me bad :Erroneous nickname\r\n");
    EXPECT_TRUE(server.waitForLine("PONG :last", 20000));
    EXPECT_TRUE(waitForPane("end"));
    EXPECT_EQ(room().RecvQueue.bytes(), 0);
}

// Five answers in ten seconds, wherever the requests come from; what the pane
// shows for each request stays.
TEST_F(HostileServerTest, ACrowdOfCtcpRequestsGetsFiveAnswers) {
    G().AutoJoin = "<none>";
    server.write(":s 001 me :Welcome\r\n:me!u@h JOIN :#r\r\n");
    QByteArray burst;
    for (int k = 0; k < 4; ++k) {
        const QByteArray from = ":n" + QByteArray::number(k) + "!u@h PRIVMSG ";
        burst += from + "me :\x01VERSION\x01\r\n" + from + "me :\x01PING 1\x01\r\n" + from +
                 "#r :\x01VERSION\x01\r\n";
    }
    server.write(burst);
    ASSERT_TRUE(sync());
    EXPECT_EQ(server.countStartingWith("NOTICE "), 5) << server.lines().join('\n').toStdString();
    EXPECT_EQ(paneText().count("has just requested your version"), 4);
    EXPECT_EQ(paneText().count("has just pinged you"), 4);
}

// A request from a prefix without a nick has nobody to answer: it draws no
// reply and takes nothing from the five answers, while the pane shows it.
TEST_F(HostileServerTest, ACtcpRequestWithoutASenderNickIsNotAnswered) {
    QByteArray burst;
    for (const QByteArray from : {":irc.server ", ":!u@h ", ""})
        burst += from + "PRIVMSG me :\x01VERSION\x01\r\n" + from + "PRIVMSG me :\x01PING 1\x01\r\n";
    server.write(burst + ":bob!b@h PRIVMSG me :\x01VERSION\x01\r\n");
    ASSERT_TRUE(sync());
    QList<QByteArray> replies;
    for (const QByteArray& line : server.lines())
        if (line.startsWith("NOTICE "))
            replies << line;
    EXPECT_EQ(replies, QList<QByteArray>{"NOTICE bob :\x01VERSION TazmirKorvu Messenger 1.0\x01"});
    EXPECT_EQ(paneText().count("has just requested your version"), 4);
    EXPECT_EQ(paneText().count("has just pinged you"), 3);
}

} // namespace
