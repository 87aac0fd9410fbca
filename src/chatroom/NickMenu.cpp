// The nick list's pop-up menu: rank changes, ban, kick, whois, a conversation,
// and the social actions on the selected nick; the own action.
#include "chatroom/Channel.h"

#include "chatroom/IgnoreList.h"
#include "platform/Dialogs.h"
#include "platform/KeyEvents.h"
#include "support/ColouredText.h"
#include "support/CommandParser.h"
#include "support/Globals.h"
#include "support/IrcText.h"
#include "support/WindowTables.h"

#include <QAction>
#include <QCursor>
#include <QMenu>

// The entry last selected with the left button, without its rank marks.
QString Channel::selectedNick() const {
    QString nick = lstNicksText();
    StripNickModes(nick);
    return nick;
}

void Channel::lstNicks_MouseDown(int button, int, int, int) {
    if (button != buttonMask(Qt::RightButton))
        return;
    const QString nick = selectedNick();
    mnu_nicks_op->setText(isOp(nick) ? QStringLiteral("De&Op") : QStringLiteral("&Op"));
    mnu_nicks_voice->setText(isVoice(nick) ? QStringLiteral("De&Voice") : QStringLiteral("&Voice"));
    mnu_nicks_halfop->setText(isHalfOp(nick) ? QStringLiteral("De&HalfOp") : QStringLiteral("&HalfOp"));
    mnu_nicks->popup(QCursor::pos());
}

// The item's caption says which way the rank goes.
void Channel::sendModeChange(QAction* item, const QString& plusCaption, const QString& letter) {
    const QString sign = item->text() == plusCaption ? QStringLiteral(" +") : QStringLiteral(" -");
    SendData(QStringLiteral("MODE ") + RoomName() + sign + letter + QLatin1Char(' ') + selectedNick());
}

void Channel::mnu_nicks_op_Click() {
    sendModeChange(mnu_nicks_op, QStringLiteral("&Op"), QStringLiteral("o"));
}

void Channel::mnu_nicks_halfop_Click() {
    sendModeChange(mnu_nicks_halfop, QStringLiteral("&HalfOp"), QStringLiteral("h"));
}

void Channel::mnu_nicks_voice_Click() {
    sendModeChange(mnu_nicks_voice, QStringLiteral("&Voice"), QStringLiteral("v"));
}

void Channel::mnu_nicks_ban_Click() {
    SendData(QStringLiteral("MODE ") + RoomName() + QStringLiteral(" +b ") + selectedNick() +
             QStringLiteral("!*@*"));
}

// Blocks the selected nick: the first entry of the list as well as any other,
// and never twice. The blocked person is told.
void Channel::mnu_blocked_Click() {
    const QString nick = selectedNick();
    if (nick.isEmpty())
        return;
    const auto refuse = [](const QString& text) {
        Dialogs::msgBox(text, Dialogs::Buttons::Ok, Dialogs::Icon::None, QStringLiteral("Block"));
    };
    if (nick == G().MyNick)
        return refuse(QStringLiteral("You can't block yourself?"));
    if (isOp(nick) || isHalfOp(nick))
        return refuse(QStringLiteral("You can't block a Operator"));
    IgnoreList& blocked = IgnoreList::form();
    if (blocked.holds(nick))
        return refuse(QStringLiteral("Are you trying to add same nick?"));
    blocked.addEntry(nick);
    SendData(QStringLiteral("PRIVMSG ") + nick + QStringLiteral(" :") + Colour("4") + Chr2 +
             QStringLiteral("You've been ignored by ") + G().MyNick +
             QStringLiteral(" [Tazmir Korvu Messenger]"));
}

// Cancelling the prompt is the user's no: nothing is sent.
void Channel::mnu_nicks_kick_Click() {
    const QString nick = selectedNick();
    const std::optional<QString> reason =
        Dialogs::inputBoxOrCancel(QStringLiteral("Why would you like to kick the user '") + nick +
                                      QStringLiteral("' from ") + RoomName() + QStringLiteral("?"),
                                  QStringLiteral("Kick User"));
    if (!reason)
        return;
    SendData(QStringLiteral("KICK ") + RoomName() + QLatin1Char(' ') + nick + QStringLiteral(" :") + *reason);
}

void Channel::mnu_nicks_whois_Click() {
    SendData(ParseCommand(RoomName(), QStringLiteral("WHOIS ") + selectedNick()));
}

// A conversation needs someone to talk to and a free slot; with all slots
// taken nothing opens.
void Channel::mnu_nicks_pm_Click() {
    const QString nick = selectedNick();
    if (sock.State() != Winsock::sckConnected || nick.isEmpty())
        return;
    try {
        OpenQuery(nick, QString());
    } catch (const TableFull&) {
    }
}

void Channel::lstNicks_DblClick() {
    const QString nick = selectedNick();
    if (sock.State() == Winsock::sckClosed || nick.isEmpty() || IsBlocked(nick))
        return;
    try {
        OpenQuery(nick, QString());
    } catch (const TableFull&) {
    }
}

// An action text ("/me ...") goes to the room through the command parser,
// which also shows it in the pane.
void Channel::sendAction(const QString& text) {
    const QString line = ParseCommand(RoomName(), DropLeft(text, 1));
    if (!line.isEmpty())
        SendData(line);
}

void Channel::socialAction(const QString& text) {
    if (sock.State() == Winsock::sckConnected)
        sendAction(text);
}

void Channel::mnu_slap_Click() {
    socialAction(QStringLiteral("/me slaps ") + Colour("4") + selectedNick() + Colour("6") +
                 QStringLiteral(" around a bit with a large trout."));
}

void Channel::mnu_hi_Click() {
    socialAction(QStringLiteral("/me Says Hi To ") + selectedNick());
}

void Channel::mnu_welcome_Click() {
    socialAction(QStringLiteral("/me Welcomes ") + selectedNick() + QStringLiteral(" To Korvu ChatRoom"));
}

void Channel::mnu_hugs_Click() {
    socialAction(QStringLiteral("/me Hugs ") + selectedNick() + QStringLiteral(" tightly and warmly."));
}

void Channel::mnu_handshake_Click() {
    socialAction(QStringLiteral("/me Handshakes with ") + selectedNick());
}

// An empty or cancelled answer still sends the action, with empty text.
void Channel::mnu_ownaction_Click() {
    sendAction(QStringLiteral("/me ") + Dialogs::inputBox(QStringLiteral("Type Your Own Action Message"),
                                                          QStringLiteral("Action Message")));
}

void Channel::Label1_Click() {
    mnu_ownaction_Click();
}
