// Handlers of room traffic: joins, parts, names, kicks, nick changes, messages,
// modes, topics and the replies about other users.
#include "chatroom/Channel.h"

#include "chatroom/LineParameters.h"
#include "chatroom/Numerics.h"
#include "chatroom/ServerHandlers.h"
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

const QString kGreen = Colour("03");

// A private line that has no conversation window, shown in the room pane with
// its sender (the server's name where there is no nick).
void showPrivateInRoom(Channel& window, const IrcMessage& msg, const QString& text) {
    window.showInMain(privateTextLine(msg.Nick.isEmpty() ? msg.Prefix : msg.Nick, text));
}

// Writes a topic into the topic box without the blank every pane line starts with.
void showTopic(RichTextBox& box, const QString& topic) {
    box.setText(QString());
    PutColouredText(box, topic);
    box.setSelStart(0);
    box.setSelLength(1);
    box.setSelText(QString());
}

} // namespace

void Handlers::onJoin(Channel& window, const IrcMessage& msg) {
    if (msg.Nick.toLower() == G().MyNick.toLower()) {
        NewChannelSlot(P(msg, 1));
        window.SendData(QStringLiteral("MODE ") + P(msg, 1));
        window.TotalChatters = 0;
        return;
    }
    Channel* room = roomOf(window, P(msg, 1, 1));
    if (!room)
        return;
    room->AddNick(msg.Nick);
    room->showInMain(kGreen + Bold(msg.Nick) + QStringLiteral(" has joined ") + Chr2 + room->RoomName());
}

void Handlers::onPart(Channel& window, const IrcMessage& msg) {
    if (msg.Nick == G().MyNick)
        return;
    Channel* room = roomOf(window, msg.param(1));
    if (!room)
        return;
    room->RemoveNick(msg.Nick);
    PutColouredText(*room->DataIn,
                    kGreen + Bold(msg.Nick) + QStringLiteral(" has left ") + Chr2 + room->RoomName());
}

// A names reply is one batch for the list, however many names it holds.
void Handlers::onNames(Channel& window, const IrcMessage& msg) {
    Channel* room = roomOf(window, msg.param(3));
    if (!room)
        return;
    room->beginMemberBatch();
    for (const QString& name : P(msg, 4).split(QLatin1Char(' ')))
        room->AddNick(name);
    room->endMemberBatch();
}

void Handlers::onKick(Channel& window, const IrcMessage& msg) {
    Channel* room = roomOf(window, P(msg, 1, 1));
    if (!room)
        return;
    const QString kicked = P(msg, 2, 2);
    room->showInMain(Colour("04") + Bold(kicked) + QStringLiteral(" was kicked from ") + Bold(P(msg, 1, 1)) +
                     QStringLiteral(" by ") + Bold(msg.Nick) + QStringLiteral(" [ ") + P(msg, 3) +
                     QStringLiteral(" ]"));
    room->RemoveNick(kicked);
    if (kicked == G().MyNick)
        onOwnKick(window, msg);
}

void Handlers::onNick(Channel& window, const IrcMessage& msg) {
    // No new nick names nobody: an empty own nick would match every server's
    // prefix, and an empty member could never leave.
    if (P(msg, 1, 1).isEmpty())
        return;
    if (msg.Nick != G().MyNick) {
        ChangeNickEverywhere(msg.Nick, P(msg, 1, 1));
        return;
    }
    G().MyNick = P(msg, 1, 1);
    window.showInMain(kGreen + QStringLiteral("Your nick is now ") + Chr2 + G().MyNick);
    ChangeNickEverywhere(msg.Nick, P(msg, 1));
    window.Update();
}

void Handlers::onPrivmsg(Channel& window, const IrcMessage& msg) {
    const QString target = P(msg, 1, 1);
    QString text = P(msg, 2);
    if (target.startsWith(QLatin1Char('#')) || target.startsWith(QLatin1Char('&'))) {
        if (Channel* room = roomOf(window, target))
            room->PutText(msg.Nick, text);
        return;
    }
    if (text.startsWith(Chr1)) {
        HandleCTCP(window, msg.Nick, text);
        return;
    }
    // A server's prefix names nobody to converse with: an empty nick marks a free slot.
    if (msg.Nick.isEmpty()) {
        if (!window.PrivateChatRefused())
            showPrivateInRoom(window, msg, text);
        return;
    }
    QueryWindow* query = nullptr;
    if (QueryExists(msg.Nick)) {
        query = queryAt(FindQueryIndex(msg.Nick));
        if (!query)
            return;
        const QString host = TextAfter(msg.Prefix, QStringLiteral("!"));
        query->setQueryHost(host);
        query->setLblHost(host);
    } else {
        int slot = 0;
        try {
            slot = OpenQuery(msg.Nick, msg.Prefix);
        } catch (const TableFull&) {
            showPrivateInRoom(window, msg, text); // every conversation window is in use: nothing sent is lost
            return;
        }
        // The slot OpenQuery hands back, so a declined window shows nothing.
        query = queryAt(slot);
        if (!query)
            return;
    }
    query->setCaption(msg.Nick);
    query->setQueryNick(msg.Nick);
    query->setLblNick(msg.Nick);
    query->PutText(msg.Nick, text);
}

void Handlers::onMode(Channel& window, const IrcMessage& msg) {
    const QString target = P(msg, 1, 1);
    const int slot = FindChannelIndex(target);
    const bool own = target == G().MyNick;
    if (slot == -1 && !own)
        return;
    const QString who = msg.Nick.isEmpty() ? msg.Prefix : msg.Nick;
    const QString line = kGreen + Bold(who) + QStringLiteral(" sets mode: ") + P(msg, 2);
    if (RoomWindow* room = channelAt(slot))
        PutColouredText(room->DataInPane(), line);
    if (own)
        window.showInMain(line);
    ParseModeChange(target, P(msg, 2));
}

void Handlers::onTopicReply(Channel& window, const IrcMessage& msg) {
    Channel* room = roomOf(window, P(msg, 2, 2));
    if (!room)
        return;
    showTopic(*room->rtbTopic, P(msg, 3));
    window.DataIn->setText(QString());
    Pause(0.2);
    window.showInMain(Colour("3") + QStringLiteral("You have entered to the chat room"));
    window.showInMain(Colour("4") + QStringLiteral("Welcome To ") + Chr2 + Colour("12") +
                      QStringLiteral("Tazmir Korvu Messenger") + Chr3 + QStringLiteral("!"));
    window.showInMain(Colour("5") + QStringLiteral("Checking Your Internet Connection ") + Colour("14") +
                      QStringLiteral(" Connecting please wait... ") + Chr3);
    room->showInMain(kGreen + QStringLiteral("Topic is ") + QChar(34) + Chr3 + P(msg, 3) + Colour("03") +
                     QChar(34));
    room->rtbTopic->setSelStart(0);
    room->rtbTopic->Tag = QStringLiteral("locked");
}

void Handlers::onTopicChange(Channel& window, const IrcMessage& msg) {
    Channel* room = roomOf(window, P(msg, 1, 1));
    if (!room)
        return;
    showTopic(*room->rtbTopic, P(msg, 2));
    room->showInMain(kGreen + QStringLiteral("Topic changed by ") + Bold(msg.Nick) + QStringLiteral(" : ") +
                     P(msg, 2));
}

// Servers send the time in seconds since 1970; anything else is shown as sent.
void Handlers::onTopicSetter(Channel& window, const IrcMessage& msg) {
    Channel* room = roomOf(window, P(msg, 2, 2));
    if (!room)
        return;
    bool isNumber = false;
    const qint32 seconds = P(msg, 4, 4).toInt(&isNumber);
    const QString when = isNumber ? generalDateText(UnixTimeToDate(seconds)) : P(msg, 4, 4);
    room->showInMain(kGreen + QStringLiteral("Topic set by ") + Bold(P(msg, 3, 3)) + QStringLiteral(" on ") +
                     Bold(when));
}

void Handlers::onRoomAddress(Channel& window, const IrcMessage& msg) {
    Channel* room = roomOf(window, P(msg, 2, 2));
    if (!room)
        return;
    room->showInMain(kGreen + QStringLiteral("Channel URL") + Chr3 + Underline(QStringLiteral(":")) +
                     QStringLiteral(" ") + Colour("12") + P(msg, 3) + Chr3);
}

namespace {

// What an away or WHOIS reply shows after the nick it is about; rest is what
// follows the nick in the special WHOIS reply.
using WhoisText = QString (*)(const IrcMessage& msg, const QString& rest);

const QHash<QString, WhoisText>& whoisTexts() {
    static const QHash<QString, WhoisText> texts{
        {Numeric::kRplAway, [](const IrcMessage& m, const QString&) { return " is away: " + P(m, 3); }},
        {Numeric::kRplWhoisRegNick, [](const IrcMessage& m, const QString&) { return " " + P(m, 3); }},
        {Numeric::kRplWhoisOperator, [](const IrcMessage& m, const QString&) { return " " + P(m, 3); }},
        {Numeric::kRplWhoisUser,
         [](const IrcMessage& m, const QString&) { return " is " + P(m, 3, 3) + "@" + P(m, 4); }},
        {Numeric::kRplWhoisServer,
         [](const IrcMessage& m, const QString&) {
             return " is using: " + P(m, 3, 3) + " ( " + P(m, 4) + " )";
         }},
        {"317",
         [](const IrcMessage& m, const QString&) {
             return " " + P(m, 3, 3) + " seconds idle / " + P(m, 4, 4) + " sign-on time";
         }},
        {Numeric::kRplWhoisChannels,
         [](const IrcMessage& m, const QString&) { return " is on: " + P(m, 3); }},
        {Numeric::kRplWhoisSpecial, [](const IrcMessage&, const QString& rest) { return " " + rest; }},
    };
    return texts;
}

} // namespace

// Shown in the conversation with the nick when asked to and one is open.
void Handlers::onWhoisReply(Channel& window, const IrcMessage& msg) {
    const WhoisText text = whoisTexts().value(msg.Command);
    if (!text)
        return;
    QString n = P(msg, 2, 2);
    QString rest;
    if (msg.Command == QLatin1String(Numeric::kRplWhoisSpecial))
        SplitAt(P(msg, 2), QStringLiteral(" "), n, rest);
    RichTextBox* pane = window.DataIn;
    if (G().WhoisToQuery)
        if (QueryWindow* query = queryAt(FindQueryIndex(n)))
            pane = &query->DataInPane();
    if (msg.Command == QLatin1String(Numeric::kRplWhoisUser))
        PutColouredText(*pane, QStringLiteral(" "));
    PutColouredText(*pane, Colour("05") + Bold(n) + text(msg, rest));
}
