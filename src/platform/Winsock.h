#pragma once

#include "platform/ConnectionEnd.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

class QTcpServer;
class QTcpSocket;

// Our TCP socket control: one object is either a client connection or a listener
// that takes one incoming connection onto itself. Its properties, methods and
// events are the ones the windows use; events arrive on the GUI thread, and a
// handler that lets events run may see DataArrival again inside it. The peer's
// close raises CloseEvent, a reset raises Error (connection reset); a connection
// ends with one of the two. Once the program is ending nothing more is read
// or sent.
class Winsock : public QObject {
    Q_OBJECT
public:
    enum StateValue {
        sckClosed = 0,
        sckListening = 2,
        sckResolvingHost = 4,
        sckConnecting = 6,
        sckConnected = 7,
        sckClosing = 8,
        sckError = 9,
    };

    explicit Winsock(QObject* parent = nullptr);
    ~Winsock() override;

    QString RemoteHost;
    long RemotePort = 0;
    long LocalPort = 0;

    int State() const;

    // Starts an asynchronous connection to RemoteHost:RemotePort; raises Connect
    // or Error.
    void Connect();
    // Listens on LocalPort (on every local address). Returns false when the port
    // cannot be bound; callers may ignore that.
    bool Listen();
    // Takes the incoming connection requestID onto this object (after Close).
    void Accept(long requestID);
    // Sends bytes as they are, at once; nothing is added. Nothing is sent once
    // the connection has ended or the program is ending. A failure met in
    // sending raises Error from the event loop, not inside this call.
    void SendData(const QByteArray& bytes);
    // Everything received so far, removed from the control.
    QByteArray GetData();
    qint64 bytesAvailable() const;
    // Ends the connection or the listening; harmless on a closed object.
    void Close();

signals:
    void ConnectEvent();
    void DataArrival(qint64 bytesTotal);
    void CloseEvent();
    void Error(int number, const QString& description);
    void ConnectionRequest(long requestID);

private:
    void adopt(QTcpSocket* socket);
    void watchConnected(QTcpSocket* socket);
    void retire(QTcpSocket* socket);
    void onReadyRead();
    void onDisconnected();
    void onSocketError();
    bool toldLater(void (Winsock::*handler)());
    void raiseError(int number, const QString& description);
    void onNewConnection();
    void dropPendingRequests();

    QTcpSocket* m_socket = nullptr;
    QTcpServer* m_server = nullptr;
    QHash<long, QTcpSocket*> m_pending;
    long m_nextRequestID = 1;
    bool m_connecting = false;
    bool m_sending = false; // inside SendData's flush
    bool m_failed = false;  // Error was raised: the disconnection that follows raises nothing
    ConnectionEndProbe m_end;
};
