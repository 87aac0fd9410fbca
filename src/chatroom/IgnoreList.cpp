#include "chatroom/IgnoreList.h"

#include "chatroom/Channel.h"
#include "chatroom/ListSelection.h"
#include "chatroom/SideButton.h"
#include "platform/Dialogs.h"
#include "support/ColouredText.h"
#include "support/Globals.h"
#include "widgets/DialogLook.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

IgnoreList::IgnoreList() {
    setWindowTitle(QStringLiteral("IgnoreList - Add Chatters to avoid chats!"));
    auto* client = new QWidget(this);
    applyDialogLook(client);
    List1 = new QListWidget(client);
    cmdAdd =
        sideButton(this, client, QStringLiteral("cmdAdd"), QStringLiteral("Add"), &IgnoreList::cmdAdd_Click);
    cmdRemove = sideButton(this, client, QStringLiteral("cmdRemove"), QStringLiteral("Remove"),
                           &IgnoreList::cmdRemove_Click);
    cmdClear = sideButton(this, client, QStringLiteral("cmdClear"), QStringLiteral("Clear"),
                          &IgnoreList::cmdClear_Click);
    auto* side = new QVBoxLayout;
    for (xpButton* button : {cmdAdd, cmdRemove, cmdClear})
        side->addWidget(button);
    side->addStretch();
    auto* row = new QHBoxLayout(client);
    row->addWidget(List1, 1);
    row->addLayout(side);
    setCentralWidget(client);
    resize(340, 240);
}

// The list lasts the whole run.
void IgnoreList::Form_Unload(bool& cancel) {
    cancel = true;
    hide();
}

QString IgnoreList::BlockEntry(const QString& nick) {
    return nick + QStringLiteral(" - Blocked");
}

bool IgnoreList::holds(const QString& nick) const {
    const QString entry = BlockEntry(nick).toLower();
    for (int k = 0; k < List1->count(); ++k)
        if (List1->item(k)->text().toLower() == entry)
            return true;
    return false;
}

void IgnoreList::addEntry(const QString& nick) {
    List1->addItem(BlockEntry(nick));
}

// The nick is taken as typed; the room's nick list and its selection play no
// part, and a nick blocked already is never added twice.
void IgnoreList::cmdAdd_Click() {
    const QString nick =
        Dialogs::inputBox(QStringLiteral("Add a nickname to IgnoreList"), QStringLiteral("IgnoreList"));
    if (nick.isEmpty())
        return;
    if (const QString refusal = refusalFor(nick); !refusal.isEmpty()) {
        Dialogs::msgBox(refusal, Dialogs::Buttons::Ok, Dialogs::Icon::None, QStringLiteral("Block"));
        return;
    }
    addEntry(nick);
    Channel::form().SendData(QStringLiteral("PRIVMSG ") + nick + QStringLiteral(" :") + Colour("4") + Chr2 +
                             QStringLiteral("You've been ignored by ") + G().MyNick +
                             QStringLiteral("[Zendrin Messenger Xtreme]"));
}

QString IgnoreList::refusalFor(const QString& nick) const {
    if (nick == G().MyNick)
        return QStringLiteral("You can't block yourself?");
    const Channel& room = Channel::form();
    if (room.isOp(nick) || room.isHalfOp(nick))
        return QStringLiteral("You can't block a Operator");
    if (holds(nick))
        return QStringLiteral("Are you trying to add same nick?");
    return QString();
}

void IgnoreList::cmdRemove_Click() {
    const int row = selectedRow(*List1);
    if (row != -1)
        delete List1->takeItem(row);
}

void IgnoreList::cmdClear_Click() {
    List1->clear();
}
