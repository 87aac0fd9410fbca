// The conversation window against a real server: what it sends reaches the
// correspondent, and a double-clicked room is joined only when not open.
#include "QueryFixture.h"

#include "chatroom/Channel.h"
#include "chatroom/DebugWin.h"
#include "fixtures/IrcPeer.h"
#include "fixtures/IrcTestServer.h"
#include "fixtures/Wait.h"
#include "support/ColouredText.h"

#include <QTest>

namespace {

class QueryServerTest : public QueryTest {
protected:
    IrcTestServer& server = IrcTestServer::shared();
    const QString me = IrcTestServer::uniqueNick("me");
    const QString roomName = "#" + IrcTestServer::uniqueNick("room");
    const QString peerNick = IrcTestServer::uniqueNick("peer");
    IrcPeer peer;

    void SetUp() override {
        QueryTest::SetUp();
        ASSERT_TRUE(peer.connectAndRegister(server, peerNick));
        ASSERT_TRUE(connectInto(server, me, roomName)) << paneText().toStdString();
        G().MyNick = me;
        DebugWin::form().show(); // logs every line sent from here on
    }
    // The lines sent since the traffic window opened, without their marker.
    static QStringList sentLines() {
        QStringList sent;
        for (const QString& line : traffic().split('\n'))
            if (line.startsWith("<< "))
                sent << line.mid(3).remove('\r');
        return sent;
    }
    QRegularExpression fromMe(const QString& rest) const {
        return relayedFrom(me, QRegularExpression::escape(rest) + "$");
    }
};

} // namespace

TEST_F(QueryServerTest, TypedLineReachesTheCorrespondentWithTheRoomsCodes) {
    Query& q = open(peerNick);
    room().BoldCode = Chr2;
    room().UnderlineCode = "";
    room().ColourCode = "4";
    QTest::keyClicks(q.DataOut, "hello world");
    QTest::keyClick(q.DataOut, Qt::Key_Return);
    EXPECT_FALSE(
        peer.waitForLine(fromMe("PRIVMSG " + peerNick + " :" + Chr2 + Chr3 + "4 hello world")).isEmpty());
    EXPECT_EQ(lastShownLine(*q.DataIn), " <" + me + ">  hello world");
}

TEST_F(QueryServerTest, VersionRequestIsAnsweredNotShown) {
    Query& q = open(peerNick);
    const int shown = static_cast<int>(shownLines(*q.DataIn).size());
    q.PutText(peerNick, Chr1 + "VERSION" + Chr1);
    EXPECT_EQ(q.UnreadFlag, 1); // until the window, shown, is activated
    EXPECT_FALSE(peer.waitForLine(fromMe("NOTICE " + peerNick + " :" + Chr1 +
                                         "VERSION Zendrin Messenger for Windows9x" + Chr1))
                     .isEmpty());
    EXPECT_EQ(shownLines(*q.DataIn).size(), shown);
}

TEST_F(QueryServerTest, DoubleClickedRoomIsJoinedOnlyWhileNotOpen) {
    const QString lobby = "#" + IrcTestServer::uniqueNick("lobby");
    peer.send("JOIN " + lobby);
    peer.waitForLine(QRegularExpression(" 366 "));
    Query& q = open(peerNick);
    PutColouredText(*q.DataIn, "come to " + roomName + " or " + lobby + " now");
    for (const QString& name : {roomName, lobby}) {
        const QPoint at = twipsInside(*q.DataIn, name);
        q.DataIn_MouseUp(1, 0, at.x(), at.y());
        q.DataIn_DblClick();
    }
    const QRegularExpression joined = relayedFrom(me, "JOIN :?" + QRegularExpression::escape(lobby) + "$");
    EXPECT_FALSE(peer.waitForLine(joined).isEmpty());
    EXPECT_EQ(sentLines().filter(QRegularExpression("^JOIN ")), QStringList{"JOIN " + lobby});
}
