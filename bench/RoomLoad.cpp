#include "RoomLoad.h"

#include "chatroom/Channel.h"
#include "support/Globals.h"

#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>

LoopbackServer::LoopbackServer() {
    m_server.listen(QHostAddress::LocalHost, 0);
    Channel& room = Channel::form();
    G().ServerHost = QStringLiteral("127.0.0.1");
    room.Text1->setText(QString::number(m_server.serverPort()));
    room.mnu_File_Connect_Click();
    while (!m_server.hasPendingConnections())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    m_peer.reset(m_server.nextPendingConnection());
    while (room.sock.State() != Winsock::sckConnected || !room.mnu_File_Disconnect->isEnabled())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    run({":irc.bench 001 me :Welcome", ":me!u@h JOIN :#bench"});
}

void LoopbackServer::run(const QList<QByteArray>& lines) {
    QByteArray stream;
    for (const QByteArray& line : lines)
        stream += line + "\r\n";
    const QByteArray token = "done" + QByteArray::number(++m_round);
    stream += "PING :" + token + "\r\n";
    m_received.clear();
    m_peer->write(stream);
    while (!m_received.contains("PONG :" + token)) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        m_received += m_peer->readAll();
    }
}

LoopbackServer& server() {
    static LoopbackServer instance;
    return instance;
}

QList<QByteArray> roomLines(int count) {
    static const char* texts[] = {
        "hello everyone, how are you today? :)",
        "\x03"
        "4red \x03"
        "12blue \x02"
        "bold\x02 and \x1funder\x1f text :D",
        "nothing special here, just a line of chat of ordinary length",
        "\x03"
        "7,1orange on black\x03 with a wink ;) and a grin :))",
    };
    QList<QByteArray> lines;
    lines.reserve(count);
    for (int k = 0; k < count; ++k)
        lines.append(":user" + QByteArray::number(k % 500) + "!u@host PRIVMSG #bench :" + texts[k % 4]);
    return lines;
}

QByteArray namesLine(int count) {
    QByteArray line = ":irc.bench 353 me = #bench :";
    static const char* prefixes[] = {"@", "%", "+", "", ""};
    for (int k = 0; k < count; ++k)
        line += QByteArray(prefixes[k % 5]) + "member" + QByteArray::number(k) + (k + 1 < count ? " " : "");
    return line;
}

void settle() {
    for (int k = 0; k < 50; ++k)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

long statusKiB(const QByteArray& field) {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').first().toLong();
    return -1;
}
