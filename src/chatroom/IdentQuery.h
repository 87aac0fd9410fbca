#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The answer to one ident query as received: the query as shown (without its
// line end) and the reply. Only a query with ", " in it is answered.
struct IdentAnswer {
    QString query;
    QString reply;
};

std::optional<IdentAnswer> answerIdentQuery(const QByteArray& received, const QString& identName);
// The line sent as soon as the server connects to the ident port.
QString identGreeting(long localPort, long remotePort, const QString& identName);
