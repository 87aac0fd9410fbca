#include "platform/Winsock.h"

#include "platform/ProgramEnd.h"

#include <QScopedValueRollback>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {

// The error numbers the desktop's socket control reports, so callers that log
// them see familiar values.
int errorNumber(QAbstractSocket::SocketError error) {
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return 10061;
    case QAbstractSocket::SocketTimeoutError:
        return 10060;
    case QAbstractSocket::HostNotFoundError:
        return 11001;
    case QAbstractSocket::NetworkError:
        return 10065;
    case QAbstractSocket::AddressInUseError:
        return 10048;
    case QAbstractSocket::SocketAccessError:
        return 10013;
    default:
        return 10000 + static_cast<int>(error);
    }
}

constexpr int kConnectionResetNumber = 10054;
constexpr int kRetireTimeoutMs = 5000;
constexpr qint64 kReadBufferBytes = 64 * 1024;

} // namespace

Winsock::Winsock(QObject* parent) : QObject(parent) {}

Winsock::~Winsock() {
    Close();
    dropPendingRequests();
}

int Winsock::State() const {
    if (m_server)
        return sckListening;
    if (!m_socket)
        return sckClosed;
    switch (m_socket->state()) {
    case QAbstractSocket::HostLookupState:
        return sckResolvingHost;
    case QAbstractSocket::ConnectingState:
        return sckConnecting;
    case QAbstractSocket::ConnectedState:
        return sckConnected;
    case QAbstractSocket::ClosingState:
        return sckClosing;
    default:
        return m_socket->error() == QAbstractSocket::UnknownSocketError ? sckClosed : sckError;
    }
}

void Winsock::Connect() {
    Close();
    auto* socket = new QTcpSocket(this);
    adopt(socket);
    m_connecting = true;
    socket->connectToHost(RemoteHost, static_cast<quint16>(RemotePort));
}

bool Winsock::Listen() {
    Close();
    dropPendingRequests();
    m_server = new QTcpServer(this);
    connect(m_server, &QTcpServer::newConnection, this, &Winsock::onNewConnection);
    if (!m_server->listen(QHostAddress::Any, static_cast<quint16>(LocalPort))) {
        delete m_server;
        m_server = nullptr;
        return false;
    }
    LocalPort = m_server->serverPort();
    return true;
}

void Winsock::Accept(long requestID) {
    QTcpSocket* socket = m_pending.take(requestID);
    if (!socket)
        return;
    Close();
    adopt(socket);
    LocalPort = socket->localPort();
    RemotePort = socket->peerPort();
    RemoteHost = socket->peerAddress().toString();
    // Data may have come in before the connection was taken.
    if (socket->bytesAvailable() > 0)
        QTimer::singleShot(0, this, [this, socket] {
            if (m_socket == socket)
                onReadyRead();
        });
}

void Winsock::SendData(const QByteArray& bytes) {
    if (programEnding())
        return;
    if (m_socket && m_socket->state() != QAbstractSocket::UnconnectedState) {
        m_socket->write(bytes);
        // Sent now, not when events next run: during a flood of lines that is
        // up to a frame away, and a keep-alive answer would wait for it.
        const QScopedValueRollback sending(m_sending, true);
        m_socket->flush();
    }
}

// What sending finds (a reset, a broken pipe) is told from the event loop, as it
// was before sending went out at once: never inside the caller of SendData.
bool Winsock::toldLater(void (Winsock::*handler)()) {
    if (!m_sending)
        return false;
    QTimer::singleShot(0, this, [this, handler, socket = m_socket] {
        if (m_socket == socket)
            (this->*handler)();
    });
    return true;
}

QByteArray Winsock::GetData() {
    return m_socket && !programEnding() ? m_socket->readAll() : QByteArray();
}

qint64 Winsock::bytesAvailable() const {
    return m_socket ? m_socket->bytesAvailable() : 0;
}

void Winsock::Close() {
    if (m_server) {
        m_server->disconnect(this);
        m_server->close();
        m_server->deleteLater();
        m_server = nullptr;
    }
    if (m_socket) {
        retire(m_socket);
        m_socket = nullptr;
    }
    m_end.release();
    m_connecting = false;
}

// Lets a closed connection send what was queued (a quit line, an ident reply)
// before it goes, without raising any more events here.
void Winsock::retire(QTcpSocket* socket) {
    socket->disconnect(this);
    if (socket->state() != QAbstractSocket::ConnectedState) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(kRetireTimeoutMs, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
    socket->disconnectFromHost();
}

void Winsock::adopt(QTcpSocket* socket) {
    socket->setParent(this);
    // A flood waits in the network's buffers, not in ours.
    socket->setReadBufferSize(kReadBufferBytes);
    m_socket = socket;
    m_failed = false;
    if (socket->state() == QAbstractSocket::ConnectedState)
        watchConnected(socket);
    connect(socket, &QTcpSocket::connected, this, [this, socket] {
        m_connecting = false;
        watchConnected(socket);
        emit ConnectEvent();
    });
    // Unlike readyRead, this one is raised inside a handler that lets events run,
    // so data keeps coming in while a handler waits.
    connect(socket, &QTcpSocket::channelReadyRead, this, &Winsock::onReadyRead);
    connect(socket, &QTcpSocket::disconnected, this, &Winsock::onDisconnected);
    connect(socket, &QTcpSocket::errorOccurred, this, &Winsock::onSocketError);
}

// Lines go out as they are sent: a short line is not held back until the peer
// has acknowledged the one before it.
void Winsock::watchConnected(QTcpSocket* socket) {
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_end.watch(socket->socketDescriptor());
}

void Winsock::onReadyRead() {
    if (m_socket && m_socket->bytesAvailable() > 0 && !programEnding())
        emit DataArrival(m_socket->bytesAvailable());
}

// Data that came with the end is still delivered before the end itself.
void Winsock::onDisconnected() {
    if (toldLater(&Winsock::onDisconnected))
        return;
    onReadyRead();
    if (m_failed)
        return;
    if (m_end.endedByReset())
        raiseError(kConnectionResetNumber, QStringLiteral("Connection reset by peer"));
    else
        emit CloseEvent();
}

void Winsock::onSocketError() {
    if (!m_socket || toldLater(&Winsock::onSocketError))
        return;
    const auto error = m_socket->error();
    // The peer ending an established connection is told when it is gone: a
    // close or a reset.
    if (error == QAbstractSocket::RemoteHostClosedError && !m_connecting)
        return;
    m_connecting = false;
    raiseError(errorNumber(error), m_socket->errorString());
}

void Winsock::raiseError(int number, const QString& description) {
    m_failed = true;
    m_end.release();
    emit Error(number, description);
}

void Winsock::onNewConnection() {
    while (m_server && m_server->hasPendingConnections()) {
        QTcpSocket* socket = m_server->nextPendingConnection();
        socket->setParent(this);
        const long id = m_nextRequestID++;
        m_pending.insert(id, socket);
        emit ConnectionRequest(id);
    }
}

void Winsock::dropPendingRequests() {
    for (QTcpSocket* socket : std::as_const(m_pending)) {
        socket->abort();
        socket->deleteLater();
    }
    m_pending.clear();
}
