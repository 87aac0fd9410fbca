// A tiny web server on loopback for the web pane's tests: two pages, a page that
// never answers (something to stop), and a count of the requests for each path.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QTcpServer>

class QTcpSocket;

class PageServer : public QObject {
    Q_OBJECT
public:
    // The pages served, by path; their title is their name.
    static inline const QString kOne = QStringLiteral("/one");
    static inline const QString kTwo = QStringLiteral("/two");
    static inline const QString kNeverAnswers = QStringLiteral("/slow");

    PageServer();

    // The page's address, as the browser reports it back.
    QString address(const QString& path) const;
    // The title of a page served at path.
    static QString titleOf(const QString& path);
    int requestsFor(const QString& path) const { return m_requests.value(path); }
    // Connections that asked for the page that never answers and are still open.
    int heldConnections() const { return m_held; }

private:
    void readRequest(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const QString& path);

    QTcpServer m_server;
    QHash<QTcpSocket*, QByteArray> m_heads;
    QHash<QString, int> m_requests;
    int m_held = 0;
};
