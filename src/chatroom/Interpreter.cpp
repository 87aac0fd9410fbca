// The interpreter of server lines: the frame of every call and the table that
// dispatches the command word to its handler.
#include "chatroom/Channel.h"

#include "account/Login.h"
#include "chatroom/LineParameters.h"
#include "platform/EventPump.h"
#include "platform/RichTextBox.h"
#include "support/ColouredText.h"
#include "support/CommandParser.h"
#include "support/Globals.h"
#include "support/ModeProcedures.h"
#include "support/WindowTables.h"

#include <QHash>
#include <functional>

namespace {

using Handler = std::function<void(Channel&, const IrcMessage&)>;

void ignored(Channel&, const IrcMessage&) {}

// Shows a reply in the main pane: colour code and text from the second
// parameter on.
Handler shown(const QString& lead) {
    return [lead](Channel& room, const IrcMessage& msg) { PutColouredText(*room.DataIn, lead + P(msg, 2)); };
}

template <void (Channel::*handler)(const IrcMessage&)> void call(Channel& room, const IrcMessage& msg) {
    (room.*handler)(msg);
}

void addRows(QHash<QString, Handler>& table, std::initializer_list<const char*> labels,
             const Handler& handler) {
    for (const char* label : labels)
        table.insert(QString::fromLatin1(label), handler);
}

} // namespace

// The rows of the table are those of the server's replies the client acts on;
// a label that is not here gets the default action.
struct Channel::Dispatch {
    static const QHash<QString, Handler>& table();
};

const QHash<QString, Handler>& Channel::Dispatch::table() {
    static const QHash<QString, Handler> rows = [] {
        QHash<QString, Handler> t;
        t.insert("001", &call<&Channel::onWelcome>);
        addRows(t, {"002", "003", "004", "005"}, &call<&Channel::onRegistrationReply>);
        t.insert("ping", &call<&Channel::answerPing>);
        t.insert("join", &call<&Channel::onJoin>);
        t.insert("privmsg", &call<&Channel::onPrivmsg>);
        t.insert("nick", &call<&Channel::onNick>);
        t.insert("part", &call<&Channel::onPart>);
        addRows(t, {"367", "346", "348"}, &call<&Channel::onListEntry>);
        addRows(t, {"368", "347", "349"}, &call<&Channel::onListEnd>);
        t.insert("353", &call<&Channel::onNames>);
        t.insert("mode", &call<&Channel::onMode>);
        t.insert("quit", [](Channel&, const IrcMessage& msg) { HandleQuit(msg.Nick, P(msg, 1)); });
        t.insert("kick", &call<&Channel::onKick>);
        t.insert("332", &call<&Channel::onTopicReply>);
        t.insert("topic", &call<&Channel::onTopicChange>);
        t.insert("333", &call<&Channel::onTopicSetter>);
        t.insert("366", &ignored);
        t.insert("324", [](Channel&, const IrcMessage& msg) { ParseModeChange(P(msg, 2, 2), P(msg, 3)); });
        t.insert("notice", &call<&Channel::onNotice>);
        t.insert("433", &call<&Channel::onNickInUse>);
        addRows(t, {"372", "375", "376", "422"}, &ignored);
        addRows(t, {"251", "252", "253", "254", "255", "265", "266"}, shown(Chr3 + QStringLiteral("06")));
        t.insert("303", &call<&Channel::onOnlineBuddies>);
        addRows(t, {"305", "306", "329"}, &ignored);
        addRows(t, {"484", "482", "461", "412", "403", "421", "401", "481", "402"},
                shown(Chr3 + QStringLiteral("04* ")));
        addRows(t, {"471", "473", "474", "475"}, &call<&Channel::onCannotJoin>);
        t.insert("321", &ignored);
        t.insert("322", &call<&Channel::onDefault>);
        t.insert("323", &ignored);
        t.insert("328", &call<&Channel::onRoomAddress>);
        t.insert("431", &call<&Channel::onNickMissing>);
        t.insert("432", &call<&Channel::onNickInvalid>);
        addRows(t, {"301", "307", "311", "312", "313", "317", "319", "320"}, &call<&Channel::onWhoisReply>);
        t.insert("318", &ignored);
        t.insert("kill", &call<&Channel::onKill>);
        return t;
    }();
    return rows;
}

void Channel::interpret(QString& line) {
    IrcMessage msg; // each call keeps its own parsed line
    ParseReceivedLine(line, msg);
    DoEventsThrottled();
    if (msg.Command.isEmpty())
        return;
    dispatch(msg);
}

// A failure in the handling of a line (a full window table) ends that line only.
void Channel::dispatch(const IrcMessage& msg) {
    const auto& table = Dispatch::table();
    const auto row = table.constFind(msg.Command.toLower());
    try {
        if (row != table.constEnd())
            (*row)(*this, msg);
        else
            onDefault(msg);
    } catch (const TableFull&) {
    }
}

void Channel::showInMain(const QString& text) {
    PutColouredText(*DataIn, text);
}

Channel* Channel::roomOf(const QString& name) {
    RoomWindow* room = ChannelAt(FindChannelIndex(name));
    return room == this ? this : nullptr;
}

void Channel::answerPing(const IrcMessage& msg) {
    SendData(QStringLiteral("PONG :") + P(msg, 1, 1));
}

void Channel::onDefault(const IrcMessage& msg) {
    showInMain(QStringLiteral("*** ") + Chr2 + msg.Command + Chr2 + QLatin1Char(' ') + P(msg, 1));
}

void Channel::onWelcome(const IrcMessage& msg) {
    G().MyNick = P(msg, 1, 1);
    showInMain(QStringLiteral("* ") + P(msg, 2));
    Update();
    SendData(QStringLiteral("MODE ") + G().MyNick + QStringLiteral(" +i"));
    if (G().AutoJoin != QLatin1String("<none>")) {
        const QString join = ParseCommand(QString(), QStringLiteral("JOIN ") + G().AutoJoin);
        if (!join.isEmpty())
            SendData(join);
    }
    setVisible(true);
    show();
}

void Channel::onRegistrationReply(const IrcMessage& msg) {
    PassWord();
    Login& login = Login::form();
    login.cmdSignout_Click();
    login.hide();
    showInMain(QStringLiteral("* ") + P(msg, 2));
}
