// The whole client against a real server with other users played by peers:
// the room, its members, private conversations, CTCP and the own kick.
#include "account/Login.h"
#include "chatroom/Channel.h"
#include "fixtures/ClientFixture.h"
#include "fixtures/IrcPeer.h"
#include "fixtures/IrcTestServer.h"
#include "fixtures/Wait.h"
#include "platform/KeyCodes.h"
#include "platform/RichTextBox.h"
#include "support/ColouredText.h"
#include "support/Globals.h"
#include "support/QueryWindow.h"
#include "support/WindowTables.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

namespace {

class ChatRoomTest : public ClientTest {
protected:
    IrcTestServer& server = IrcTestServer::shared();
    const QString me = IrcTestServer::uniqueNick("me");
    const QString roomName = "#" + IrcTestServer::uniqueNick("room");
    IrcPeer op; // opens the room first, so the server makes it operator

    void SetUp() override {
        ClientTest::SetUp();
        ASSERT_TRUE(op.connectAndRegister(server, IrcTestServer::uniqueNick("op")));
        op.send("JOIN " + roomName);
        op.send("TOPIC " + roomName + " :Hello :) world");
        op.waitForLine(QRegularExpression(" TOPIC "));
        ASSERT_TRUE(connectInto(server, me, roomName)) << paneText().toStdString();
        ASSERT_TRUE(waitForPane("Topic set by")) << paneText().toStdString();
        op.waitForLine(relayedFrom(me, "JOIN"));
    }
};

TEST_F(ChatRoomTest, EntersTheRoomWithTopicAndMembers) {
    EXPECT_EQ(room().RoomName(), roomName);
    EXPECT_EQ(room().rtbTopic->Text(), "Hello :) world\n");
    EXPECT_EQ(room().rtbTopic->Tag, "locked");
    EXPECT_TRUE(paneText().contains("You have entered to the chat room"));
    // The smiley of the topic line in the pane is a picture.
    EXPECT_TRUE(paneText().contains("Topic is \"Hello " + QString(QChar(0xFFFC)) + " world\""))
        << paneText().toStdString();
    EXPECT_EQ(listedNicks().size(), 2);
    EXPECT_TRUE(listedNicks().contains(me));
    EXPECT_TRUE(listedNicks().first().startsWith("@"));
    EXPECT_EQ(room().cmdCount->text(), " Total Chatters :  [ 2 ]");
}

TEST_F(ChatRoomTest, FollowsAnotherUserThroughTheRoom) {
    IrcPeer guest;
    const QString nick = IrcTestServer::uniqueNick("guest");
    ASSERT_TRUE(guest.connectAndRegister(server, nick));
    guest.send("JOIN " + roomName);
    ASSERT_TRUE(waitForPane(nick + " has joined " + roomName));
    EXPECT_EQ(room().TotalChatters, 3);

    guest.send("PRIVMSG " + roomName + " :hi " + Chr3 + "4there :D");
    ASSERT_TRUE(waitForPane("<" + nick + ">  hi there " + QString(QChar(0xFFFC))));

    const QString renamed = nick + "x";
    guest.send("NICK " + renamed);
    ASSERT_TRUE(waitForPane(nick + " is now known as " + renamed));
    EXPECT_TRUE(listedNicks().contains(renamed));

    op.send("MODE " + roomName + " +v " + renamed);
    ASSERT_TRUE(waitUntil([&] { return listedNicks().contains("+" + renamed); }));
    op.send("MODE " + roomName + " +o " + renamed);
    ASSERT_TRUE(waitUntil([&] { return listedNicks().contains("@" + renamed); }));
    EXPECT_TRUE(room().isOp(renamed));
    EXPECT_TRUE(paneText().contains("sets mode: +o " + renamed));

    guest.send("PART " + roomName + " :later");
    ASSERT_TRUE(waitForPane(renamed + " has left " + roomName));
    EXPECT_EQ(room().cmdCount->text(), " Total Chatters : [ 2 ]");

    IrcPeer passer;
    const QString passing = IrcTestServer::uniqueNick("passer");
    ASSERT_TRUE(passer.connectAndRegister(server, passing));
    passer.send("JOIN " + roomName);
    ASSERT_TRUE(waitForPane(passing + " has joined"));
    passer.quit("gone home");
    ASSERT_TRUE(waitForPane(passing + " has Quit IRC ("));
    EXPECT_EQ(room().TotalChatters, 2);
}

TEST_F(ChatRoomTest, TypedLinesReachTheRoom) {
    room().DataOut->setText("hello all");
    int enter = kKeyEnter;
    room().DataOut_KeyPress(enter);
    const QString line = op.waitForLine(relayedFrom(me, "PRIVMSG " + QRegularExpression::escape(roomName)));
    EXPECT_TRUE(line.endsWith(":" + Chr3 + "1 hello all")) << line.toStdString();
    EXPECT_TRUE(paneText().contains("<" + me + "> hello all"));
    EXPECT_EQ(room().SentLines, QStringList{"hello all"});
    // A line starting "IRC " goes out raw, without its first four characters.
    room().DataOut->setText("IRC PRIVMSG " + roomName + " :raw line");
    enter = kKeyEnter;
    room().DataOut_KeyPress(enter);
    EXPECT_EQ(enter, 0); // the key is used up
    EXPECT_FALSE(op.waitForLine(relayedFrom(me, "PRIVMSG \\S+ :raw line$")).isEmpty());
    EXPECT_EQ(room().SentLines.size(), 1);
}

TEST_F(ChatRoomTest, PrivateMessagesOpenAConversation) {
    op.send("PRIVMSG " + me + " :psst, over here");
    ASSERT_TRUE(waitUntil([&] { return G().QueryCount == 1 && queryAt(1); }));
    QueryWindow* window = queryAt(1);
    ASSERT_TRUE(waitUntil([&] { return window->DataInPane().Text().contains("psst, over here"); }));
    EXPECT_FALSE(window->QueryHost().isEmpty());
    EXPECT_EQ(FindQueryIndex(window->QueryNick()), 1);
}

TEST_F(ChatRoomTest, AnswersCtcpRequests) {
    op.send("PRIVMSG " + me + " :" + Chr1 + "VERSION" + Chr1);
    EXPECT_FALSE(
        op.waitForLine(relayedFrom(me, "NOTICE \\S+ :" + Chr1 + "VERSION TazmirKorvu Messenger 1.0" + Chr1))
            .isEmpty());
    op.send("PRIVMSG " + me + " :" + Chr1 + "PING 12345" + Chr1);
    EXPECT_FALSE(
        op.waitForLine(relayedFrom(me, "NOTICE \\S+ :" + Chr1 +
                                           QRegularExpression::escape(
                                               "PING 0 seconds, cause Tazmir Korvu Messenger is elite.") +
                                           Chr1))
            .isEmpty());
    op.send("PRIVMSG " + roomName + " :" + Chr1 + "VERSION" + Chr1);
    EXPECT_FALSE(op.waitForLine(relayedFrom(me, "NOTICE \\S+ :" + Chr1 +
                                                    "VERSION Tazmir Korvu Messengr for Windows OS" + Chr1))
                     .isEmpty());
    EXPECT_TRUE(paneText().contains("has just requested your version"));
    EXPECT_TRUE(paneText().contains("has just pinged you"));
    EXPECT_EQ(G().QueryCount, 0);
}

TEST_F(ChatRoomTest, BeingKickedReturnsToTheSignInWindow) {
    op.send("KICK " + roomName + " " + me + " :out you go");
    ASSERT_TRUE(waitForPane("You were kicked from " + roomName));
    EXPECT_TRUE(paneText().contains("[ out you go ]"));
    EXPECT_FALSE(room().isVisible());
    EXPECT_TRUE(Login::form().isVisible());
    EXPECT_EQ(room().sock.State(), Winsock::sckClosed);
    EXPECT_EQ(room().rtbTopic->Text(), "");
    EXPECT_EQ(room().cmdCount->text(), " Total Chatters :  [ 0 ]");
    EXPECT_EQ(room().NickCount(), 0);
    EXPECT_TRUE(room().mnu_File_Connect->isEnabled());
}

} // namespace
