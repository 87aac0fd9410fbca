// The ident responder, asked by a test peer on the port it listens on.
#include "chatroom/Channel.h"
#include "chatroom/IdentQuery.h"
#include "fixtures/ClientFixture.h"
#include "fixtures/IrcTestServer.h"
#include "fixtures/NamedRows.h"
#include "fixtures/Wait.h"
#include "support/Globals.h"

#include <QTcpSocket>

namespace {

class IdentTest : public ClientTest {
protected:
    // A connection attempt makes the ident listener listen; the attempt itself
    // may go nowhere.
    quint16 listen() {
        connectTo(IrcTestServer::shared(), IrcTestServer::uniqueNick("ident"));
        EXPECT_EQ(room().IDENT.State(), Winsock::sckListening);
        return static_cast<quint16>(room().IDENT.LocalPort);
    }
    static QByteArray readUntilClosed(QTcpSocket& socket) {
        QByteArray all;
        waitUntil([&] {
            all += socket.readAll();
            return socket.state() == QAbstractSocket::UnconnectedState;
        });
        return all + socket.readAll();
    }
};

TEST_F(IdentTest, AnswersAtOnceAndAgainForAQueryWithCommaBlank) {
    const quint16 port = listen();
    // As a server does: the query goes out as soon as the connection stands.
    QTcpSocket peer;
    peer.connectToHost("127.0.0.1", port);
    ASSERT_TRUE(peer.waitForConnected(2000));
    peer.write("6667, 1025\r\n");
    const QByteArray greeting =
        QString("%1, %2 : USERID : UNIX : QVD\r\n").arg(port).arg(peer.localPort()).toUtf8();
    // The greeting first, then the reply with no line end, then the close.
    EXPECT_EQ(readUntilClosed(peer), greeting + "6667, 1025 : USERID : UNIX : QVD");
    EXPECT_TRUE(paneText().contains("*** IDENT : 6667, 1025"));
    EXPECT_TRUE(paneText().contains("*** IDENT reply : 6667, 1025 : USERID : UNIX : QVD"));
    // The listener took its one connection: a second one finds nobody.
    QTcpSocket second;
    second.connectToHost("127.0.0.1", port);
    EXPECT_FALSE(second.waitForConnected(200) && waitUntil([&] { return second.bytesAvailable() > 0; }, 300));
}

TEST_F(IdentTest, AQueryWithoutCommaBlankIsNotAnswered) {
    const quint16 port = listen();
    QTcpSocket peer;
    peer.connectToHost("127.0.0.1", port);
    ASSERT_TRUE(peer.waitForConnected(2000));
    peer.write("6667,1025\r\n");
    const QByteArray received = readUntilClosed(peer);
    EXPECT_FALSE(received.contains("6667,1025")) << received.toStdString();
    EXPECT_FALSE(paneText().contains("*** IDENT :"));
}

// Odd queries as they come off the network, and what is answered.
struct OddQuery {
    const char* name;
    QByteArray received;
    bool answered;
    const char* query;
};

const OddQuery kOddQueries[] = {
    {"Nothing", "", false, ""},
    {"WithLineEnd", "113, 40000\r\n", true, "113, 40000"},
    {"WithoutLineEnd", "113, 40000", true, "113, 400"}, // without its line end it still loses two characters
    {"OnlyCommaBlank", ", ", true, ""},
    {"Huge", QByteArray(1 << 20, 'x') + ", ", false, ""}, // only the start of a huge query is read
    {"NotUtf8", "\xff\xfe, \x01\r\n", true, "\xc3\xbf\xc3\xbe, \x01"},
};

class IdentQueryTest : public testing::TestWithParam<OddQuery> {};

TEST_P(IdentQueryTest, AnswersWhatItCanOfAnOddQuery) {
    const OddQuery& c = GetParam();
    const auto answer = answerIdentQuery(c.received, "QVD");
    ASSERT_EQ(answer.has_value(), c.answered) << c.received.left(40).toStdString();
    if (answer) {
        EXPECT_EQ(answer->query, QString::fromUtf8(c.query));
        EXPECT_EQ(answer->reply, QString::fromUtf8(c.query) + " : USERID : UNIX : QVD");
    }
}

INSTANTIATE_TEST_SUITE_P(, IdentQueryTest, testing::ValuesIn(kOddQueries), RowName());

} // namespace
