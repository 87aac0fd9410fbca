// Writes PNGs of the windows for review. Run under Xvfb (scripts/screenshot):
// the room window with a conversation, coloured text, smiley pictures and the
// nick list, a conversation window, and the side windows with their lists.
#include "account/Login.h"
#include "chatroom/BuddyList.h"
#include "chatroom/Channel.h"
#include "chatroom/ChannelInfo.h"
#include "chatroom/IgnoreList.h"
#include "chatroom/RegisterWindows.h"
#include "platform/EventPump.h"
#include "support/ColouredText.h"
#include "support/Globals.h"
#include "support/QueryWindow.h"
#include "support/WindowTables.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QWidget>
#include <cstdio>

namespace {

void feed(Channel& room, const QString& line) {
    QString copy = line;
    room.interpret(copy);
}

void settle() {
    for (int k = 0; k < 20; ++k)
        DoEvents();
}

bool save(QWidget& window, const QString& path) {
    window.raise();
    window.activateWindow();
    settle();
    const QPixmap shot = window.grab();
    const bool ok = shot.save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

void fillRoom(Channel& room) {
    G().MyNick = QStringLiteral("tazmir");
    feed(room, ":tazmir!t@h JOIN :#Korvu");
    feed(room, ":irc.local 332 tazmir #Korvu :Welcome to the " + Chr3 + "12Korvu" + Chr3 + " room :)");
    feed(room, ":irc.local 333 tazmir #Korvu alice 1765350000");
    feed(room, ":irc.local 353 tazmir = #Korvu :@alice %bob +carol dave erin frank tazmir");
    feed(room, ":greta!g@h JOIN :#Korvu");
    feed(room, ":alice!a@h PRIVMSG #Korvu :Hello everyone :D");
    feed(room, ":carol!c@h PRIVMSG #Korvu :" + Chr3 + "4red, " + Chr3 + "3green" + Chr3 + " and " + Chr2 +
                   "bold" + Chr2 + " and " + Chr31 + "underlined" + Chr31 + " text ;)");
    feed(room, ":dave!d@h PRIVMSG #Korvu :" + Chr1 + "ACTION waves at everybody" + Chr1);
    feed(room, ":erin!e@h NICK :erin_away");
    feed(room, ":alice!a@h MODE #Korvu +v greta");
    feed(room, ":frank!f@h PRIVMSG #Korvu :anyone up for coffee? ~o) or a beer (beer)");
    feed(room, ":bob!b@h QUIT :Quit: see you :((");
    room.DataOut->setText(QStringLiteral("typing a reply..."));
}

QWidget* fillConversation(Channel& room) {
    feed(room, ":alice!alice@host.example PRIVMSG tazmir :hi there! how are you? :)");
    QueryWindow* window = QueryAt(FindQueryIndex(QStringLiteral("alice")));
    if (!window)
        return nullptr;
    window->PutText(QStringLiteral("alice"), Chr1 + QStringLiteral("ACTION smiles") + Chr1);
    PutColouredText(window->DataInPane(), Chr3 + QStringLiteral("4<tazmir> ") + Chr3 + QStringLiteral("1 fine, thanks :D"));
    return qobject_cast<QWidget*>(window->object());
}

// The ban list as the room menu opens it, the buddy list in both views and the
// block list, each with a few entries.
bool saveSideWindows(Channel& room, const QDir& folder) {
    ChannelInfo& bans = ChannelInfo::form();
    bans.strChannel = QStringLiteral("#Korvu");
    bans.setWindowTitle(QStringLiteral("Channel Ban List For #Korvu"));
    G().ListRequestFlag = -1;
    feed(room, ":irc.local 367 tazmir #Korvu *!*@spam.example alice!a@h 1765350000");
    feed(room, ":irc.local 367 tazmir #Korvu troll!*@* alice!a@h 1765353600");
    feed(room, ":irc.local 367 tazmir #Korvu *!*flood@192.0.2.* bob!b@h 1765360000");
    feed(room, ":irc.local 368 tazmir #Korvu :End of Channel Ban List");
    bans.lvBans->topLevelItem(1)->setSelected(true);
    bans.move(40, 80);
    bool ok = save(bans, folder.filePath(QStringLiteral("ban-list-window.png")));
    bans.Unload();

    BuddyList& buddies = BuddyList::form();
    buddies.lstSetup->addItems({QStringLiteral("alice"), QStringLiteral("carol"), QStringLiteral("greta"),
                                QStringLiteral("henry")});
    feed(room, ":irc.local 303 tazmir :alice carol greta");
    buddies.move(520, 80);
    buddies.show();
    ok = save(buddies, folder.filePath(QStringLiteral("buddy-list-online.png"))) && ok;
    buddies.Command2_Click();
    buddies.lstSetup->item(3)->setSelected(true);
    ok = save(buddies, folder.filePath(QStringLiteral("buddy-list-setup.png"))) && ok;

    IgnoreList& blocked = IgnoreList::form();
    for (const char* nick : {"troll", "spammer42", "Flooder"})
        blocked.AddEntry(QString::fromLatin1(nick));
    blocked.move(880, 80);
    blocked.show();
    return save(blocked, folder.filePath(QStringLiteral("block-list-window.png"))) && ok;
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TazmirKorvuScreens"));
    RegisterWindows();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(folder);

    Login::form().Text1->setText(QStringLiteral("tazmir"));
    Channel& room = Channel::form();
    room.move(20, 20);
    room.show();
    fillRoom(room);
    bool ok = save(room, QDir(folder).filePath(QStringLiteral("room-window.png")));

    if (QWidget* conversation = fillConversation(room)) {
        conversation->move(860, 60);
        conversation->show();
        ok = save(*conversation, QDir(folder).filePath(QStringLiteral("conversation-window.png"))) && ok;
    }
    ok = saveSideWindows(room, QDir(folder)) && ok;
    return ok ? 0 : 1;
}
