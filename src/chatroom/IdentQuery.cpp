#include "chatroom/IdentQuery.h"

#include "platform/TextCodec.h"
#include "support/ColouredText.h"
#include "support/IrcText.h"

namespace {
constexpr qsizetype kMaxQueryBytes = 1000; // a query is two port numbers
const QString kUserIdPart = QStringLiteral(" : USERID : UNIX : ");
} // namespace

std::optional<IdentAnswer> answerIdentQuery(const QByteArray& received, const QString& identName) {
    const QString query = decodeText(received.left(kMaxQueryBytes));
    if (!query.contains(QStringLiteral(", ")))
        return std::nullopt;
    IdentAnswer answer;
    answer.query = DropRight(query, 2);
    answer.reply = answer.query + kUserIdPart + identName;
    return answer;
}

QString identGreeting(long localPort, long remotePort, const QString& identName) {
    return QString::number(localPort) + QStringLiteral(", ") + QString::number(remotePort) + kUserIdPart +
           identName + CrLf;
}
