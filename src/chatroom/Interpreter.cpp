// The interpreter of server lines: the frame of every call and the table that
// dispatches the command word to its handler.
#include "chatroom/Channel.h"

#include "account/Login.h"
#include "chatroom/LineParameters.h"
#include "chatroom/Numerics.h"
#include "chatroom/ServerHandlers.h"
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

void addRows(QHash<QString, Handler>& table, std::initializer_list<const char*> labels,
             const Handler& handler) {
    for (const char* label : labels)
        table.insert(QString::fromLatin1(label), handler);
}

// The rows of the table are those of the server's replies the client acts on;
// a label that is not here gets the default action.
const QHash<QString, Handler>& dispatchTable() {
    using namespace Handlers;
    using namespace Numeric;
    static const QHash<QString, Handler> rows = [] {
        QHash<QString, Handler> t;
        t.insert(kRplWelcome, &onWelcome);
        addRows(t, {kRplYourHost, kRplCreated, kRplMyInfo, kRplISupport}, &onRegistrationReply);
        t.insert("ping", &answerPing);
        t.insert("join", &onJoin);
        t.insert("privmsg", &onPrivmsg);
        t.insert("nick", &onNick);
        t.insert("part", &onPart);
        addRows(t, {kRplBanList, kRplInviteList, kRplExceptList}, &onListEntry);
        addRows(t, {kRplEndOfBanList, kRplEndOfInviteList, kRplEndOfExceptList}, &onListEnd);
        t.insert(kRplNamReply, &onNames);
        t.insert("mode", &onMode);
        t.insert("quit", [](Channel&, const IrcMessage& msg) { HandleQuit(msg.Nick, P(msg, 1)); });
        t.insert("kick", &onKick);
        t.insert(kRplTopic, &onTopicReply);
        t.insert("topic", &onTopicChange);
        t.insert(kRplTopicWhoTime, &onTopicSetter);
        t.insert(kRplEndOfNames, &ignored);
        t.insert(kRplChannelModeIs,
                 [](Channel&, const IrcMessage& msg) { ParseModeChange(P(msg, 2, 2), P(msg, 3)); });
        t.insert("notice", &onNotice);
        t.insert(kErrNicknameInUse, &onNickInUse);
        addRows(t, {kRplMotd, kRplMotdStart, kRplEndOfMotd, kErrNoMotd}, &ignored);
        addRows(t,
                {kRplLuserClient, kRplLuserOp, kRplLuserUnknown, kRplLuserChannels, kRplLuserMe,
                 kRplLocalUsers, kRplGlobalUsers},
                shown(Colour("06")));
        t.insert(kRplIsOn, &onOnlineBuddies);
        addRows(t, {kRplUnaway, kRplNowAway, kRplCreationTime}, &ignored);
        addRows(t,
                {kErrRestricted, kErrChanOpPrivsNeeded, kErrNeedMoreParams, kErrNoTextToSend,
                 kErrNoSuchChannel, kErrUnknownCommand, kErrNoSuchNick, kErrNoPrivileges, kErrNoSuchServer},
                shown(Colour("04") + QStringLiteral("* ")));
        addRows(t, {kErrChannelIsFull, kErrInviteOnlyChan, kErrBannedFromChan, kErrBadChannelKey},
                &onCannotJoin);
        t.insert(kRplListStart, &ignored);
        t.insert(kRplList, &onDefault);
        t.insert(kRplListEnd, &ignored);
        t.insert(kRplChannelUrl, &onRoomAddress);
        t.insert(kErrNoNicknameGiven, &onNickMissing);
        t.insert(kErrErroneousNickname, &onNickInvalid);
        addRows(t,
                {kRplAway, kRplWhoisRegNick, kRplWhoisUser, kRplWhoisServer, kRplWhoisOperator, kRplWhoisIdle,
                 kRplWhoisChannels, kRplWhoisSpecial},
                &onWhoisReply);
        t.insert(kRplEndOfWhois, &ignored);
        t.insert("kill", &onKill);
        return t;
    }();
    return rows;
}

// A failure in the handling of a line (a full window table) ends that line only.
void dispatch(Channel& window, const IrcMessage& msg) {
    const auto& table = dispatchTable();
    const auto row = table.constFind(msg.Command.toLower());
    try {
        if (row != table.constEnd())
            (*row)(window, msg);
        else
            Handlers::onDefault(window, msg);
    } catch (const TableFull&) {
    }
}

} // namespace

void Channel::interpret(QString& line) {
    IrcMessage msg; // each call keeps its own parsed line
    ParseReceivedLine(line, msg);
    holdMembersForNames(msg.Command);
    doEventsThrottled();
    if (msg.Command.isEmpty())
        return;
    dispatch(*this, msg);
}

void Channel::showInMain(const QString& text) {
    PutColouredText(*DataIn, text);
}

Channel* Handlers::roomOf(Channel& window, const QString& name) {
    RoomWindow* room = channelAt(FindChannelIndex(name));
    return room == &window ? &window : nullptr;
}

void Handlers::answerPing(Channel& window, const IrcMessage& msg) {
    window.SendData(QStringLiteral("PONG :") + P(msg, 1, 1));
}

void Handlers::onDefault(Channel& window, const IrcMessage& msg) {
    window.showInMain(QStringLiteral("*** ") + Bold(msg.Command) + QLatin1Char(' ') + P(msg, 1));
}

void Handlers::onWelcome(Channel& window, const IrcMessage& msg) {
    G().MyNick = P(msg, 1, 1);
    window.showInMain(QStringLiteral("* ") + P(msg, 2));
    window.Update();
    window.SendData(QStringLiteral("MODE ") + G().MyNick + QStringLiteral(" +i"));
    if (G().AutoJoin != QLatin1String("<none>")) {
        const QString join = ParseCommand(QString(), QStringLiteral("JOIN ") + G().AutoJoin);
        if (!join.isEmpty())
            window.SendData(join);
    }
    window.setVisible(true);
    window.show();
}

void Handlers::onRegistrationReply(Channel& window, const IrcMessage& msg) {
    window.PassWord();
    Login& login = Login::form();
    login.cmdSignout_Click();
    login.hide();
    window.showInMain(QStringLiteral("* ") + P(msg, 2));
}
