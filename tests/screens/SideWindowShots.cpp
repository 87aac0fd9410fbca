// The ban list as the room menu opens it, the buddy list in both views and the
// block list, each with a few entries.
#include "screens/Shots.h"

#include "chatroom/BuddyList.h"
#include "chatroom/Channel.h"
#include "chatroom/ChannelInfo.h"
#include "chatroom/IgnoreList.h"
#include "support/Globals.h"

#include <QListWidget>
#include <QTreeWidget>

namespace {

using Shots::feed;
using Shots::save;

bool saveSideWindows(const QDir& folder) {
    Channel& room = Channel::form();
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
    buddies.lstSetup->addItems(
        {QStringLiteral("alice"), QStringLiteral("carol"), QStringLiteral("greta"), QStringLiteral("henry")});
    feed(room, ":irc.local 303 tazmir :alice carol greta");
    buddies.move(520, 80);
    buddies.show();
    ok = save(buddies, folder.filePath(QStringLiteral("buddy-list-online.png"))) && ok;
    buddies.Command2_Click();
    buddies.lstSetup->item(3)->setSelected(true);
    ok = save(buddies, folder.filePath(QStringLiteral("buddy-list-setup.png"))) && ok;

    IgnoreList& blocked = IgnoreList::form();
    for (const char* nick : {"troll", "spammer42", "Flooder"})
        blocked.addEntry(QString::fromLatin1(nick));
    blocked.move(880, 80);
    blocked.show();
    return save(blocked, folder.filePath(QStringLiteral("block-list-window.png"))) && ok;
}

const bool added = Shots::add(40, saveSideWindows);

} // namespace
