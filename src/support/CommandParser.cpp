#include "support/CommandParser.h"

#include "platform/EventPump.h"
#include "support/ColouredText.h"
#include "support/Globals.h"
#include "support/IrcText.h"
#include "support/QueryWindow.h"
#include "support/RoomWindow.h"
#include "support/WindowTables.h"
#include "support/Windows.h"

#include <QDate>
#include <QHash>
#include <QLocale>
#include <QRandomGenerator>
#include <QTime>
#include <functional>

namespace {

// The words W(1), W(2), ... of the expanded argument text.
struct Words {
    QStringList list;
    QString operator()(int first, int last) const { return JoinWords(list, first, last); }
    QString at(int k) const { return JoinWords(list, k, k); }
};

QString expandArguments(const QString& target, const QString& rest) {
    QString built;
    for (const QString& word : rest.split(QLatin1Char(' '))) {
        if (word == u"$+") {
            if (built.endsWith(QLatin1Char(' ')))
                built.chop(1);
            continue;
        }
        built += word.startsWith(QLatin1Char('$')) ? ExpandIdentifier(target, word.mid(1)) : word;
        built += QLatin1Char(' ');
    }
    return built;
}

QString query(const Words& w) {
    const QString nick = w.at(1);
    const QString text = w(2, -1);
    const QString line = QStringLiteral("PRIVMSG ") + nick + QStringLiteral(" :") + text;
    if (QueryExists(nick)) {
        if (QueryWindow* window = queryAt(FindQueryIndex(nick)))
            window->PutText(G().MyNick, text);
        return line;
    }
    const int slot = OpenQuery(nick, QString());
    if (w.list.size() < 2)
        return QString();
    if (QueryWindow* window = queryAt(slot))
        window->PutText(G().MyNick, text);
    return line;
}

QString action(const QString& target, const Words& w) {
    RichTextBox* pane = nullptr;
    if (target.startsWith(QLatin1Char('#'))) {
        if (RoomWindow* room = channelAt(FindChannelIndex(target)))
            pane = &room->DataInPane();
    } else if (QueryWindow* window = queryAt(FindQueryIndex(target))) {
        pane = &window->DataInPane();
    }
    if (!pane)
        return QString();
    PutColouredText(*pane, Colour("06") + G().MyNick + QLatin1Char(' ') + w(1, -1));
    return QStringLiteral("PRIVMSG ") + target + QStringLiteral(" :") + Chr1 + QStringLiteral("ACTION ") +
           w(1, -1) + Chr1;
}

QString nick(const Words& w) {
    if (!Windows::room().ServerSocketClosed())
        return QStringLiteral("NICK ") + w.at(1);
    G().MyNick = w.at(1);
    return QString();
}

// With one word the room of that name is parted; with none, the target.
QString part(const QString& target, const Words& w) {
    const QString room = w.list.isEmpty() ? target : w.at(1);
    if (RoomWindow* window = channelAt(FindChannelIndex(room)))
        window->setTag(QStringLiteral("PARTNOW"));
    if (w.list.size() < 2)
        return QStringLiteral("PART ") + room;
    return QStringLiteral("PART ") + w.at(1) + QStringLiteral(" :") + w(2, -1);
}

QString userCount(const QString& target) {
    RoomWindow* room = channelAt(FindChannelIndex(target));
    return QString::number(room ? room->NickCount() : 0);
}

using Command = std::function<QString(const QString& target, const Words& w)>;

const QHash<QString, Command>& commands() {
    static const QHash<QString, Command> table{
        {"query", [](const QString&, const Words& w) { return query(w); }},
        {"msg", [](const QString&, const Words& w) { return "PRIVMSG " + w.at(1) + " :" + w(2, -1); }},
        {"me", action},
        {"quit", [](const QString&, const Words& w) { return "QUIT :" + w(1, -1); }},
        {"notice", [](const QString&, const Words& w) { return "NOTICE " + w.at(1) + " :" + w(2, -1); }},
        {"raw", [](const QString&, const Words& w) { return w(1, -1); }},
        {"nick", [](const QString&, const Words& w) { return nick(w); }},
        {"sv",
         [](const QString&, const Words& w) {
             ShowInfoLine("Version Reply changed to '" + w(1, -1) + "'", 6);
             return QString();
         }},
        {"id", [](const QString&, const Words& w) { return "PRIVMSG NickServ :IDENTIFY " + w.at(1); }},
        {"part", part},
        {"usercount", [](const QString& target, const Words&) { return userCount(target); }},
        {"users", [](const QString& target, const Words&) { return userCount(target); }},
        {"unum", [](const QString& target, const Words&) { return userCount(target); }},
        {"ucount", [](const QString& target, const Words&) { return userCount(target); }},
        {"chancount", [](const QString& target, const Words&) { return userCount(target); }},
        {"bl",
         [](const QString&, const Words&) {
             Windows::room().ToggleBuddyList();
             return QString();
         }},
        {"kill", [](const QString&, const Words& w) { return "KILL " + w.at(1) + " :" + w(2, -1); }},
        {"es",
         [](const QString&, const Words& w) {
             AppendFormattedText(Windows::roomPane(), w(1, -1));
             return QString();
         }},
        {"list", [](const QString&,
                    const Words& w) { return w.at(2).isEmpty() ? QString("LIST >0") : "LIST " + w(2, -1); }},
    };
    return table;
}

QString randomNick(const QString& target) {
    if (!target.startsWith(QLatin1Char('#')))
        return QString();
    RoomWindow* room = channelAt(FindChannelIndex(target));
    if (!room || room->NickCount() == 0)
        return QString();
    const int index = static_cast<int>(QRandomGenerator::global()->bounded(room->NickCount())) + 1;
    return room->GetNick(index);
}

} // namespace

QString ParseCommand(const QString& target, const QString& text) {
    QString command, rest;
    SplitAt(text, QStringLiteral(" "), command, rest);
    DoEvents();
    QString arguments = expandArguments(target, rest);
    DoEvents();
    if (!arguments.isEmpty())
        arguments.chop(1);
    Words w;
    if (!arguments.isEmpty())
        w.list = arguments.split(QLatin1Char(' '));
    const auto row = commands().constFind(command.toLower());
    if (row != commands().constEnd())
        return (*row)(target, w);
    return command + QLatin1Char(' ') + w(1, -1);
}

QString ExpandIdentifier(const QString& target, const QString& name) {
    const QString id = name.toLower();
    if (id == u"version")
        return QStringLiteral("%1.%2%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
    if (id == u"chan" || id == u"channel" || id == u"ch")
        return target;
    if (id == u"me")
        return G().MyNick;
    if (id == u"server")
        return Windows::room().ServerRemoteHost();
    if (id == u"port")
        return QString::number(Windows::room().ServerRemotePort());
    if (id == u"randnick")
        return randomNick(target);
    if (id == u"date")
        return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    if (id == u"time")
        return QLocale().toString(QTime::currentTime(), QLocale::ShortFormat);
    return QString();
}
