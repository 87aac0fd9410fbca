// What the socket control sends leaves at once, before events next run (a reply
// must not wait for a flood of lines to let events run), and a failure met in
// sending is told from the event loop, never inside SendData's caller.
#include "fixtures/Wait.h"
#include "platform/Winsock.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <gtest/gtest.h>
#include <memory>
#include <sys/socket.h>

namespace {

TEST(WinsockSendTest, BytesLeaveAtOnceAndAFailureInSendingIsToldLater) {
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    Winsock sock;
    sock.RemoteHost = QStringLiteral("127.0.0.1");
    sock.RemotePort = server.serverPort();
    bool connected = false;
    int errors = 0;
    QObject::connect(&sock, &Winsock::ConnectEvent, [&connected] { connected = true; });
    QObject::connect(&sock, &Winsock::Error, [&errors](int, const QString&) { ++errors; });
    sock.Connect();
    ASSERT_TRUE(waitUntil([&] { return connected && server.hasPendingConnections(); }));
    std::unique_ptr<QTcpSocket> peer(server.nextPendingConnection());

    sock.SendData("PONG :now\n");
    // Only the peer's socket is waited on here: no event of ours runs.
    ASSERT_TRUE(peer->waitForReadyRead(2000));
    EXPECT_EQ(peer->readAll(), "PONG :now\n");

    const linger abortive{1, 0};
    ::setsockopt(static_cast<int>(peer->socketDescriptor()), SOL_SOCKET, SO_LINGER, &abortive,
                 sizeof abortive);
    peer->close();
    QThread::msleep(100); // the reset reaches us; no event runs to notice it
    sock.SendData("PRIVMSG #r :one\n");
    sock.SendData("PRIVMSG #r :two\n"); // sending meets the reset by now
    EXPECT_EQ(errors, 0) << "told inside SendData";
    EXPECT_TRUE(waitUntil([&errors] { return errors == 1; }));
}

} // namespace
