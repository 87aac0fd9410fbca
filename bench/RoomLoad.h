// The room window under a load of our own making, shared by the benchmarks: a
// loopback server plays the IRC server of the room window's connection.
#pragma once

#include <QByteArray>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>
#include <memory>

// The server side of the room window's connection. Connecting registers and joins
// a room; each run ends with a PING whose PONG tells that every line before it
// went through sock_DataArrival, interpret, the pane and the nick list.
class LoopbackServer {
public:
    LoopbackServer();

    // Writes the lines as fast as the connection takes them, as a busy server
    // does, and returns once the room window has handled all of them.
    void run(const QList<QByteArray>& lines);

private:
    QTcpServer m_server;
    std::unique_ptr<QTcpSocket> m_peer;
    QByteArray m_received;
    int m_round = 0;
};

// The one server of a benchmark program, connected on first use.
LoopbackServer& server();

// Room lines of ordinary chat, with colours, styles and smileys.
QList<QByteArray> roomLines(int count);
// A names reply (353) with count members, some with rank prefixes.
QByteArray namesLine(int count);

// Lets the work a workload left behind (painting, deferred deletes) finish.
void settle();

// A figure of /proc/self/status in KiB ("VmRSS", "VmHWM"); -1 when unreadable.
long statusKiB(const QByteArray& field);
