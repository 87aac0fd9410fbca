#pragma once

#include <QByteArray>
#include <QList>
#include <vector>

// The server end of the client's connection, on loopback, with plain sockets so
// that it needs no event loop: it writes as fast as the connection takes, as a
// busy server does, and notes when each answer comes back.
class LoopbackServer {
public:
    LoopbackServer();
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    int port() const { return m_port; }
    // Waits for the client to connect.
    bool accept();
    // Writes stream and reads until a "PONG :token" has come for every token, in
    // order; the nanoseconds from the first byte written to each PONG.
    std::vector<qint64> play(const QByteArray& stream, const QList<QByteArray>& tokens);
    // Reads and drops what the client sends until it closes the connection.
    void waitForClose();

private:
    int m_listener = -1;
    int m_peer = -1;
    int m_port = 0;
};
