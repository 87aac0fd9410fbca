// CTCP requests that arrive in private messages, and the replies.
#include "chatroom/Channel.h"

#include "chatroom/ServerHandlers.h"
#include "support/ColouredText.h"
#include "support/QueryWindow.h"
#include "support/WindowTables.h"

void Handlers::HandleCTCP(Channel& window, const QString& nick, QString& text) {
    text = DropRight(DropLeft(text, 1), 1);
    QString command, rest;
    SplitAt(text, QStringLiteral(" "), command, rest);
    const QString word = command.toLower();
    const QString from = Colour("05") + Bold(nick);
    if (word == u"version") {
        window.showInMain(from + QStringLiteral(" has just requested your version"));
        window.CTCPReply(nick, QStringLiteral("VERSION TazmirKorvu Messenger 1.0"));
    } else if (word == u"ping") {
        window.showInMain(from + QStringLiteral(" has just pinged you"));
        window.CTCPReply(nick, QStringLiteral("PING 0 seconds, cause Tazmir Korvu Messenger is elite."));
    } else if (word == u"action") {
        if (QueryWindow* query = queryAt(FindQueryIndex(nick)))
            PutColouredText(query->DataInPane(), Colour("06") + nick + QLatin1Char(' ') + rest);
    }
}

// A crowd asking at once must not make the client flood its own server off the
// network: past five answers in ten seconds, requests go unanswered. A request
// from a prefix without a nick has nobody to answer.
void Channel::CTCPReply(const QString& nick, const QString& reply) {
    if (nick.isEmpty() || !m_ctcpReplies.allow(m_ctcpClock.elapsed()))
        return;
    SendData(QStringLiteral("NOTICE ") + nick + QStringLiteral(" :") + Chr1 + reply + Chr1);
}
