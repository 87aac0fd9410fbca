// The link to a real IRC server: registration, the transport, the connection's
// states and the reconnect timer.
#include "account/Login.h"
#include "chatroom/Channel.h"
#include "chatroom/DebugWin.h"
#include "fixtures/ClientFixture.h"
#include "fixtures/IrcPeer.h"
#include "fixtures/IrcTestServer.h"
#include "fixtures/LoopbackPort.h"
#include "fixtures/Wait.h"
#include "platform/RichTextBox.h"
#include "support/Globals.h"
#include "widgets/frmPopup.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

namespace {

class ConnectionTest : public ClientTest {
protected:
    IrcTestServer& server = IrcTestServer::shared();

    // Connects the client as nick with another user waiting in the room it joins.
    void connectWatchedBy(IrcPeer& watcher, const QString& nick) {
        ASSERT_TRUE(watcher.connectAndRegister(server, IrcTestServer::uniqueNick("watch")));
        watcher.send("JOIN #Korvu");
        connectTo(server, nick);
        ASSERT_TRUE(waitForWelcome());
        watcher.waitForLine(relayedFrom(nick, "JOIN"));
    }
};

TEST_F(ConnectionTest, RegistersWithTheLinesTheServerNeeds) {
    const QString nick = IrcTestServer::uniqueNick("reg");
    connectTo(server, nick);
    EXPECT_EQ(room().mnu_File_Connect->text(), "&Cancel");
    EXPECT_EQ(Login::form().mnu_Sign->text(), "Sign Out");
    EXPECT_TRUE(Login::form().Text1->isReadOnly());
    ASSERT_TRUE(waitForWelcome()) << paneText().toStdString();
    EXPECT_TRUE(
        paneText().contains("Connecting to Tazmir Korvu Server port " + QString::number(server.port())));
    EXPECT_TRUE(paneText().contains("Attempting To Connect Tazmir Korvu Server"));
    EXPECT_FALSE(room().mnu_File_Connect->isEnabled());
    EXPECT_TRUE(room().mnu_File_Disconnect->isEnabled());
    EXPECT_TRUE(Login::form().Label6->isVisibleTo(&Login::form()));

    // What the server saw: the nick, the computer name as user, the full name.
    IrcPeer peer;
    ASSERT_TRUE(peer.connectAndRegister(server, IrcTestServer::uniqueNick("who")));
    peer.send("WHOIS " + nick);
    const QString whois = peer.waitForLine(QRegularExpression(" 311 \\S+ " + nick + " "));
    EXPECT_TRUE(whois.contains(" ~" + room().Label7->text().left(8))) << whois.toStdString();
    EXPECT_TRUE(whois.endsWith(":" + G().FullName)) << whois.toStdString();
}

TEST_F(ConnectionTest, AnswersPingAndLogsTrafficWhileTheTrafficWindowShows) {
    connectTo(server, IrcTestServer::uniqueNick("ping"));
    ASSERT_TRUE(waitForWelcome());
    DebugWin::form().show();
    QString line = "PING :abc\r";
    room().interpret(line);
    line = "PING";
    room().interpret(line);
    const QString log = traffic();
    EXPECT_TRUE(log.contains("<< PONG :abc\n")) << log.toStdString();
    EXPECT_TRUE(log.contains("<< PONG :\n")) << log.toStdString();
}

TEST_F(ConnectionTest, DisconnectSendsTheQuitLine) {
    const QString nick = IrcTestServer::uniqueNick("bye");
    IrcPeer peer;
    connectWatchedBy(peer, nick);
    room().mnu_File_Disconnect_Click();
    const QString quit = peer.waitForLine(relayedFrom(nick, "QUIT"));
    EXPECT_TRUE(quit.contains("Tazmir Korvu Messenger v 1.0")) << quit.toStdString();
    EXPECT_TRUE(paneText().contains("You are Disconnected from Tazmir Korvu Server"));
    EXPECT_EQ(room().Text1->text(), "6667");
    EXPECT_EQ(room().cmdCount->text(), " Total Chatters :  [ 0 ]");
    EXPECT_TRUE(room().mnu_File_Connect->isEnabled());
    EXPECT_FALSE(room().mnu_File_Disconnect->isEnabled());
    EXPECT_FALSE(Login::form().Label6->isVisibleTo(&Login::form()));
}

TEST_F(ConnectionTest, ServerClosingTheConnection) {
    IrcTestServer own;
    connectTo(own, "closer");
    ASSERT_TRUE(waitForWelcome());
    own.stop();
    ASSERT_TRUE(waitForPane("Disconnected by SERVER from " + G().ServerHost));
    EXPECT_EQ(room().sock.State(), Winsock::sckClosed);
    EXPECT_EQ(room().mnu_File_Connect->text(), "&Connect");
    EXPECT_TRUE(room().mnu_File_Connect->isEnabled());
    EXPECT_EQ(room().Text1->text(), QString::number(own.port())); // the port stays
    EXPECT_EQ(room().TotalChatters, 0);
    EXPECT_EQ(Login::form().mnu_Sign->text(), "Sign In");
}

TEST_F(ConnectionTest, UnreachableServerArmsTheReconnectOn8867) {
    const quint16 closed = freeTcpPort();
    Login::form().Text1->setText("nobody");
    G().ServerHost = "127.0.0.1";
    room().Text1->setText(QString::number(closed));
    room().mnu_File_Connect_Click();
    ASSERT_TRUE(waitForPane("ERROR : "));
    EXPECT_EQ(room().Text1->text(), "8867");
    EXPECT_TRUE(room().Timer1.isActive());
    EXPECT_EQ(room().Timer1.interval(), 20000);
    ASSERT_NE(frmPopup::loaded(), nullptr);
    EXPECT_TRUE(frmPopup::loaded()->isVisible());
    EXPECT_TRUE(paneText().contains("ERROR : " + frmPopup::loaded()->Label2->text()));
    EXPECT_EQ(room().mnu_File_Connect->text(), "&Connect");
    EXPECT_FALSE(Login::form().Text1->isReadOnly());

    // The timer's tick starts a whole new attempt, on 8867, and disarms itself.
    room().Timer1_Timer();
    EXPECT_EQ(room().sock.RemotePort, 8867);
    EXPECT_EQ(room().mnu_File_Connect->text(), "&Cancel");
    EXPECT_FALSE(room().Timer1.isActive());

    // Cancel abandons it.
    room().mnu_File_Connect_Click();
    EXPECT_EQ(room().mnu_File_Connect->text(), "&Connect");
    EXPECT_EQ(room().Text1->text(), "6667");
    EXPECT_TRUE(paneText().contains("Connection attempt cancelled"));
}

TEST_F(ConnectionTest, NoReconnectWhenSwitchedOff) {
    room();
    G().ReconnectOn = false;
    G().ServerHost = "127.0.0.1";
    room().Text1->setText(QString::number(freeTcpPort()));
    room().mnu_File_Connect_Click();
    ASSERT_TRUE(waitForPane("ERROR : "));
    EXPECT_FALSE(room().Timer1.isActive());
}

TEST_F(ConnectionTest, SendsNothingWhileClosed) {
    DebugWin::form().show();
    room().SendData("PRIVMSG #x :lost");
    EXPECT_TRUE(traffic().isEmpty());
}

TEST_F(ConnectionTest, ALineNeverCarriesASecondCommand) {
    IrcPeer peer;
    ASSERT_TRUE(peer.connectAndRegister(server, IrcTestServer::uniqueNick("victim")));
    connectTo(server, IrcTestServer::uniqueNick("inject"));
    ASSERT_TRUE(waitForWelcome());
    DebugWin::form().show();
    room().SendData("PRIVMSG x :hi\r\nQUIT :injected");
    const QString log = traffic();
    EXPECT_TRUE(log.contains("<< PRIVMSG x :hi\n"));
    EXPECT_FALSE(log.contains("QUIT"));
}

} // namespace

namespace {

TEST_F(ConnectionTest, ClosingTheRoomWindowAsksAndOnlyHides) {
    room().show();
    answers.push_back({Dialogs::Answer::No, {}});
    room().close();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Tazmir Korvu Messenger");
    EXPECT_EQ(boxes[0].buttons, Dialogs::Buttons::YesNo);
    EXPECT_TRUE(room().isVisible());
    answers.push_back({Dialogs::Answer::Yes, {}});
    room().close();
    EXPECT_FALSE(room().isVisible());
    EXPECT_TRUE(Login::form().isVisible());
    EXPECT_NE(Channel::loaded(), nullptr); // still loaded, connection and all
}

TEST_F(ConnectionTest, ExitSendsTheQuitLineFirst) {
    const QString nick = IrcTestServer::uniqueNick("leaving");
    IrcPeer peer;
    connectWatchedBy(peer, nick);
    room().mnu_terminate_Click();
    const QString quit = peer.waitForLine(relayedFrom(nick, "QUIT"));
    EXPECT_TRUE(quit.contains("Tazmir Korvu Messenger v 1.0")) << quit.toStdString();
}

} // namespace
