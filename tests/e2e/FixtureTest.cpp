// The real-server fixtures themselves: if these fail, every end-to-end test
// built on them would fail for the wrong reason.
#include "fixtures/IrcPeer.h"
#include "fixtures/IrcTestServer.h"
#include "fixtures/LoopbackPort.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

QRegularExpression privmsgTo(const QString& target) {
    return QRegularExpression(QStringLiteral("^:\\S+ PRIVMSG %1 :").arg(QRegularExpression::escape(target)));
}

QRegularExpression noticeFromNickServ() {
    return relayedFrom("NickServ", "NOTICE ");
}

// The raw notice NickServ sends the nick, word for word as on the wire.
QString nickServNotice(const QString& nick, const QString& text) {
    return QStringLiteral(":NickServ!services@services.test NOTICE %1 :%2").arg(nick, text);
}

} // namespace

TEST(IrcTestServerTest, ListensOnLoopbackAndStopsAndRestartsOnTheSamePort) {
    IrcTestServer server;
    ASSERT_TRUE(server.isRunning());
    EXPECT_EQ(server.host(), "127.0.0.1");
    EXPECT_EQ(server.serverName(), "irc.test");
    const quint16 port = server.port();
    ASSERT_TRUE(acceptsConnections(port));

    server.stop();
    EXPECT_FALSE(server.isRunning());
    EXPECT_FALSE(acceptsConnections(port));

    ASSERT_TRUE(server.restart());
    EXPECT_EQ(server.port(), port);
    IrcPeer peer;
    EXPECT_TRUE(peer.connectAndRegister(server, "afterrestart"));
}

TEST(IrcTestServerTest, FreeTcpPortIsFreeOnLoopback) {
    const quint16 port = freeTcpPort();
    ASSERT_NE(port, 0);
    EXPECT_FALSE(acceptsConnections(port));
}

TEST(IrcPeerTest, PeersTalkInAChannelInUtf8) {
    IrcTestServer& server = IrcTestServer::shared();
    const QString alice = IrcTestServer::uniqueNick("alice");
    const QString bob = IrcTestServer::uniqueNick("bob");
    IrcPeer first, second;
    ASSERT_TRUE(first.connectAndRegister(server, alice));
    ASSERT_TRUE(second.connectAndRegister(server, bob));

    first.send("JOIN #test");
    ASSERT_FALSE(first.waitForLine(QRegularExpression(" 366 " + alice + " #test ")).isEmpty());
    second.send("JOIN #test");
    ASSERT_FALSE(first.waitForLine(relayedFrom(bob, "JOIN :?#test$")).isEmpty());

    first.send("PRIVMSG #test :first");
    first.send(QStringLiteral("PRIVMSG #test :grüße ✓"));
    // Each wait returns the earliest line not returned before.
    const QString sender = QStringLiteral(":%1!~%1@127.0.0.1").arg(alice);
    EXPECT_EQ(second.waitForLine(privmsgTo("#test")), sender + " PRIVMSG #test :first");
    EXPECT_EQ(second.waitForLine(privmsgTo("#test")), sender + QStringLiteral(" PRIVMSG #test :grüße ✓"));
}

TEST(IrcPeerTest, TimeoutIsATestFailureWithAnEmptyLine) {
    IrcPeer peer;
    ASSERT_TRUE(peer.connectAndRegister(IrcTestServer::shared(), IrcTestServer::uniqueNick("waiter")));
    QString line = "unchanged";
    EXPECT_NONFATAL_FAILURE(line = peer.waitForLine(QRegularExpression("never sent"), 200), "never sent");
    EXPECT_TRUE(line.isEmpty());
}

TEST(IrcPeerTest, SeesTheServerCloseTheConnection) {
    IrcTestServer server;
    IrcPeer peer;
    ASSERT_TRUE(peer.connectAndRegister(server, "leftbehind"));
    server.stop();
    EXPECT_TRUE(peer.waitForDisconnected());
}

TEST(NickServTest, RegisteredNickIsAskedToIdentifyAndPasswordIsChecked) {
    IrcTestServer& server = IrcTestServer::shared(IrcTestServer::Services::NickServ);
    ASSERT_TRUE(server.isRunning());
    const QString nick = IrcTestServer::uniqueNick("owner");
    {
        IrcPeer owner;
        ASSERT_TRUE(owner.connectAndRegister(server, nick));
        owner.send("PRIVMSG NickServ :REGISTER pass mail@example.com");
        EXPECT_EQ(owner.waitForLine(noticeFromNickServ()),
                  nickServNotice(nick, "Nickname \x02" + nick + "\x02 registered."));
        ASSERT_TRUE(owner.quit());
    }

    IrcPeer returning;
    ASSERT_TRUE(returning.connectAndRegister(server, nick));
    const QStringList prompt = {
        "This nickname is registered and protected.  If it is your",
        "nick, type \x02/msg NickServ IDENTIFY \x1fpassword\x1f\x02.  Otherwise,",
        "please choose a different nick.",
    };
    for (const QString& text : prompt)
        EXPECT_EQ(returning.waitForLine(noticeFromNickServ()), nickServNotice(nick, text));

    returning.send("PRIVMSG NickServ :IDENTIFY wrongpass");
    EXPECT_EQ(returning.waitForLine(noticeFromNickServ()), nickServNotice(nick, "Password incorrect."));
    returning.send("PRIVMSG NickServ :IDENTIFY pass");
    EXPECT_EQ(returning.waitForLine(noticeFromNickServ()),
              nickServNotice(nick, "Password accepted - you are now recognized."));
}

TEST(NickServTest, ServicesLinkAgainWhenTheServerComesBack) {
    IrcTestServer server(IrcTestServer::Services::NickServ);
    ASSERT_TRUE(server.isRunning());
    server.kill();
    ASSERT_TRUE(server.restart());

    IrcPeer peer;
    ASSERT_TRUE(peer.connectAndRegister(server, "relinked"));
    peer.send("PRIVMSG NickServ :HELP");
    EXPECT_FALSE(peer.waitForLine(noticeFromNickServ()).isEmpty());
}
