#include "webpane/PageServer.h"

#include <QTcpSocket>

PageServer::PageServer() {
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
            connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                if (socket->property("held").toBool())
                    --m_held;
                m_heads.remove(socket);
                socket->deleteLater();
            });
        }
    });
}

QString PageServer::address(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
}

QString PageServer::titleOf(const QString& path) {
    return path.mid(1);
}

void PageServer::readRequest(QTcpSocket* socket) {
    QByteArray& head = m_heads[socket];
    head += socket->readAll();
    if (!head.contains("\r\n\r\n"))
        return;
    // "GET /one HTTP/1.1"
    const QString path = QString::fromLatin1(head.left(head.indexOf("\r\n")).split(' ').value(1));
    head.clear();
    ++m_requests[path];
    answer(socket, path);
}

void PageServer::answer(QTcpSocket* socket, const QString& path) {
    if (path == kNeverAnswers) {
        socket->setProperty("held", true);
        ++m_held;
        return;
    }
    const bool known = path == kOne || path == kTwo;
    const QByteArray body =
        known ? QStringLiteral("<html><head><title>%1</title></head><body><p>Page %1</p></body></html>")
                    .arg(titleOf(path))
                    .toUtf8()
              : QByteArray("not here");
    // no-store: a refresh must ask again, so the count shows it.
    socket->write((known ? "HTTP/1.1 200 OK\r\n" : "HTTP/1.1 404 Not Found\r\n") +
                  QByteArray("Content-Type: text/html; charset=utf-8\r\nCache-Control: no-store\r\n") +
                  "Content-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" +
                  body);
    socket->disconnectFromHost();
}
