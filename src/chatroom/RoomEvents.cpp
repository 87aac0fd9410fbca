// Handlers of room traffic: joins, parts, names, kicks, nick changes, messages,
// modes, topics and the replies about other users.
#include "chatroom/Channel.h"

#include "chatroom/LineParameters.h"
#include "platform/RichTextBox.h"
#include "support/ColouredText.h"
#include "support/GeneralDate.h"
#include "support/Globals.h"
#include "support/ModeProcedures.h"
#include "support/PrivateText.h"
#include "support/QueryWindow.h"
#include "support/Timing.h"
#include "support/WindowTables.h"

#include <QHash>

namespace {

const QString Green = Chr3 + QStringLiteral("03");

} // namespace

void Channel::onJoin(const IrcMessage& msg) {
    if (msg.Nick.toLower() == G().MyNick.toLower()) {
        NewChannelSlot(P(msg, 1));
        SendData(QStringLiteral("MODE ") + P(msg, 1));
        TotalChatters = 0;
        return;
    }
    Channel* room = roomOf(P(msg, 1, 1));
    if (!room)
        return;
    room->AddNick(msg.Nick);
    PutColouredText(*room->DataIn, Green + Chr2 + msg.Nick + Chr2 + QStringLiteral(" has joined ") + Chr2 +
                                       room->RoomName());
}

void Channel::onPart(const IrcMessage& msg) {
    if (msg.Nick == G().MyNick)
        return;
    Channel* room = roomOf(msg.Param(1));
    if (!room)
        return;
    room->RemoveNick(msg.Nick);
    PutColouredText(*room->DataIn,
                    Green + Chr2 + msg.Nick + Chr2 + QStringLiteral(" has left ") + Chr2 + room->RoomName());
}

// A names reply is one batch for the list, however many names it holds.
void Channel::onNames(const IrcMessage& msg) {
    Channel* room = roomOf(msg.Param(3));
    if (!room)
        return;
    room->beginMemberBatch();
    for (const QString& name : P(msg, 4).split(QLatin1Char(' ')))
        room->AddNick(name);
    room->endMemberBatch();
}

void Channel::onKick(const IrcMessage& msg) {
    Channel* room = roomOf(P(msg, 1, 1));
    if (!room)
        return;
    const QString kicked = P(msg, 2, 2);
    PutColouredText(*room->DataIn, Chr3 + QStringLiteral("04") + Chr2 + kicked + Chr2 +
                                       QStringLiteral(" was kicked from ") + Chr2 + P(msg, 1, 1) + Chr2 +
                                       QStringLiteral(" by ") + Chr2 + msg.Nick + Chr2 +
                                       QStringLiteral(" [ ") + P(msg, 3) + QStringLiteral(" ]"));
    room->RemoveNick(kicked);
    if (kicked == G().MyNick)
        onOwnKick(msg);
}

void Channel::onNick(const IrcMessage& msg) {
    // No new nick names nobody: an empty own nick would match every server's
    // prefix, and an empty member could never leave.
    if (P(msg, 1, 1).isEmpty())
        return;
    if (msg.Nick != G().MyNick) {
        ChangeNickEverywhere(msg.Nick, P(msg, 1, 1));
        return;
    }
    G().MyNick = P(msg, 1, 1);
    showInMain(Green + QStringLiteral("Your nick is now ") + Chr2 + G().MyNick);
    ChangeNickEverywhere(msg.Nick, P(msg, 1));
    Update();
}

void Channel::onPrivmsg(const IrcMessage& msg) {
    const QString target = P(msg, 1, 1);
    QString text = P(msg, 2);
    if (target.startsWith(QLatin1Char('#')) || target.startsWith(QLatin1Char('&'))) {
        if (Channel* room = roomOf(target))
            room->PutText(msg.Nick, text);
        return;
    }
    if (text.startsWith(Chr1)) {
        HandleCTCP(msg.Nick, text);
        return;
    }
    // A server's prefix names nobody to converse with: an empty nick marks a free slot.
    if (msg.Nick.isEmpty()) {
        if (!PrivateChatRefused())
            showPrivateInRoom(msg, text);
        return;
    }
    QueryWindow* window = nullptr;
    if (QueryExists(msg.Nick)) {
        window = QueryAt(FindQueryIndex(msg.Nick));
        if (!window)
            return;
        const QString host = TextAfter(msg.Prefix, QStringLiteral("!"));
        window->setQueryHost(host);
        window->setLblHost(host);
    } else {
        int slot = 0;
        try {
            slot = OpenQuery(msg.Nick, msg.Prefix);
        } catch (const TableFull&) {
            showPrivateInRoom(msg, text); // every conversation window is in use: nothing sent is lost
            return;
        }
        // The slot OpenQuery hands back, so a declined window shows nothing.
        window = QueryAt(slot);
        if (!window)
            return;
    }
    window->setCaption(msg.Nick);
    window->setQueryNick(msg.Nick);
    window->setLblNick(msg.Nick);
    window->PutText(msg.Nick, text);
}

// A private line that has no conversation window, shown in the room pane with
// its sender (the server's name where there is no nick).
void Channel::showPrivateInRoom(const IrcMessage& msg, const QString& text) {
    showInMain(PrivateTextLine(msg.Nick.isEmpty() ? msg.Prefix : msg.Nick, text));
}

void Channel::onMode(const IrcMessage& msg) {
    const QString target = P(msg, 1, 1);
    const int slot = FindChannelIndex(target);
    const bool own = target == G().MyNick;
    if (slot == -1 && !own)
        return;
    const QString who = msg.Nick.isEmpty() ? msg.Prefix : msg.Nick;
    const QString line = Green + Chr2 + who + Chr2 + QStringLiteral(" sets mode: ") + P(msg, 2);
    if (RoomWindow* room = ChannelAt(slot))
        PutColouredText(room->DataInPane(), line);
    if (own)
        showInMain(line);
    ParseModeChange(target, P(msg, 2));
}

// Writes a topic into the topic box without the blank every pane line starts with.
void Channel::showTopic(const QString& topic) {
    rtbTopic->setText(QString());
    PutColouredText(*rtbTopic, topic);
    rtbTopic->setSelStart(0);
    rtbTopic->setSelLength(1);
    rtbTopic->setSelText(QString());
}

void Channel::onTopicReply(const IrcMessage& msg) {
    Channel* room = roomOf(P(msg, 2, 2));
    if (!room)
        return;
    room->showTopic(P(msg, 3));
    DataIn->setText(QString());
    Pause(0.2);
    showInMain(Chr3 + QStringLiteral("3") + QStringLiteral("You have entered to the chat room"));
    showInMain(Chr3 + QStringLiteral("4") + QStringLiteral("Welcome To ") + Chr2 + Chr3 +
               QStringLiteral("12") + QStringLiteral("Tazmir Korvu Messenger") + Chr3 + QStringLiteral("!"));
    showInMain(Chr3 + QStringLiteral("5") + QStringLiteral("Checking Your Internet Connection ") + Chr3 +
               QStringLiteral("14") + QStringLiteral(" Connecting please wait... ") + Chr3);
    PutColouredText(*room->DataIn, Green + QStringLiteral("Topic is ") + QChar(34) + Chr3 + P(msg, 3) + Chr3 +
                                       QStringLiteral("03") + QChar(34));
    room->rtbTopic->setSelStart(0);
    room->rtbTopic->Tag = QStringLiteral("locked");
}

void Channel::onTopicChange(const IrcMessage& msg) {
    Channel* room = roomOf(P(msg, 1, 1));
    if (!room)
        return;
    room->showTopic(P(msg, 2));
    PutColouredText(*room->DataIn, Green + QStringLiteral("Topic changed by ") + Chr2 + msg.Nick + Chr2 +
                                       QStringLiteral(" : ") + P(msg, 2));
}

// Servers send the time in seconds since 1970; anything else is shown as sent.
void Channel::onTopicSetter(const IrcMessage& msg) {
    Channel* room = roomOf(P(msg, 2, 2));
    if (!room)
        return;
    bool isNumber = false;
    const qint32 seconds = P(msg, 4, 4).toInt(&isNumber);
    const QString when = isNumber ? GeneralDateText(UnixTimeToDate(seconds)) : P(msg, 4, 4);
    PutColouredText(*room->DataIn, Green + QStringLiteral("Topic set by ") + Chr2 + P(msg, 3, 3) + Chr2 +
                                       QStringLiteral(" on ") + Chr2 + when + Chr2);
}

void Channel::onRoomAddress(const IrcMessage& msg) {
    Channel* room = roomOf(P(msg, 2, 2));
    if (!room)
        return;
    PutColouredText(*room->DataIn, Green + QStringLiteral("Channel URL") + Chr3 + Chr31 +
                                       QStringLiteral(":") + Chr31 + QStringLiteral(" ") + Chr3 +
                                       QStringLiteral("12") + P(msg, 3) + Chr3);
}

namespace {

// What an away or WHOIS reply shows after the nick it is about; rest is what
// follows the nick in the "320" reply.
using WhoisText = QString (*)(const IrcMessage& msg, const QString& rest);

const QHash<QString, WhoisText>& whoisTexts() {
    static const QHash<QString, WhoisText> texts{
        {"301", [](const IrcMessage& m, const QString&) { return " is away: " + P(m, 3); }},
        {"307", [](const IrcMessage& m, const QString&) { return " " + P(m, 3); }},
        {"313", [](const IrcMessage& m, const QString&) { return " " + P(m, 3); }},
        {"311", [](const IrcMessage& m, const QString&) { return " is " + P(m, 3, 3) + "@" + P(m, 4); }},
        {"312", [](const IrcMessage& m,
                   const QString&) { return " is using: " + P(m, 3, 3) + " ( " + P(m, 4) + " )"; }},
        {"317",
         [](const IrcMessage& m, const QString&) {
             return " " + P(m, 3, 3) + " seconds idle / " + P(m, 4, 4) + " sign-on time";
         }},
        {"319", [](const IrcMessage& m, const QString&) { return " is on: " + P(m, 3); }},
        {"320", [](const IrcMessage&, const QString& rest) { return " " + rest; }},
    };
    return texts;
}

} // namespace

// Shown in the conversation with the nick when asked to and one is open.
void Channel::onWhoisReply(const IrcMessage& msg) {
    const WhoisText text = whoisTexts().value(msg.Command);
    if (!text)
        return;
    QString n = P(msg, 2, 2);
    QString rest;
    if (msg.Command == u"320")
        SplitAt(P(msg, 2), QStringLiteral(" "), n, rest);
    RichTextBox* pane = DataIn;
    if (G().WhoisToQuery)
        if (QueryWindow* window = QueryAt(FindQueryIndex(n)))
            pane = &window->DataInPane();
    if (msg.Command == u"311")
        PutColouredText(*pane, QStringLiteral(" "));
    PutColouredText(*pane, Chr3 + QStringLiteral("05") + Chr2 + n + Chr2 + text(msg, rest));
}
