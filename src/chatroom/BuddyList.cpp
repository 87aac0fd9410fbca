#include "chatroom/BuddyList.h"

#include "chatroom/BuddyStore.h"
#include "chatroom/Channel.h"
#include "chatroom/ListSelection.h"
#include "chatroom/SideButton.h"
#include "platform/Dialogs.h"
#include "support/WindowTables.h"
#include "widgets/DialogLook.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace {
constexpr int kRefreshIntervalMs = 60000;
constexpr int kTicksPerRefresh = 2;
} // namespace

BuddyList::BuddyList() {
    setWindowTitle(QStringLiteral("View Whois Online"));
    auto* client = new QWidget(this);
    applyDialogLook(client);
    buildControls(client);
    setCentralWidget(client);
    resize(300, 320);
    showSetup(false);
    tmrRefresh.setInterval(kRefreshIntervalMs);
    connect(&tmrRefresh, &QTimer::timeout, this, &BuddyList::tmrRefresh_Timer);
    tmrRefresh.start();
}

// Both lists take the same place; the stored one, when shown, covers the other.
void BuddyList::buildControls(QWidget* client) {
    lblWhich = new QLabel(QStringLiteral("Online"), client);
    QFont bold = lblWhich->font();
    bold.setBold(true);
    lblWhich->setFont(bold);
    lstNicks = new QListWidget(client);
    lstSetup = new QListWidget(client);
    cmdAdd =
        sideButton(this, client, QStringLiteral("cmdAdd"), QStringLiteral("Add"), &BuddyList::cmdAdd_Click);
    cmdRem = sideButton(this, client, QStringLiteral("cmdRem"), QStringLiteral("Remove"),
                        &BuddyList::cmdRem_Click);
    cmdClear = sideButton(this, client, QStringLiteral("cmdClear"), QStringLiteral("Clear"),
                          &BuddyList::cmdClear_Click);
    cmdRefresh = sideButton(this, client, QStringLiteral("cmdRefresh"), QStringLiteral("Refresh"),
                            &BuddyList::cmdRefresh_Click);
    command1 = sideButton(this, client, QStringLiteral("command1"), QStringLiteral("View"),
                          &BuddyList::command1_Click);
    Command2 = sideButton(this, client, QStringLiteral("Command2"), QStringLiteral("Setup"),
                          &BuddyList::Command2_Click);
    connect(lstNicks, &QListWidget::itemDoubleClicked, this, &BuddyList::lstNicks_DblClick);

    auto* grid = new QGridLayout(client);
    grid->addWidget(lblWhich, 0, 0);
    grid->addWidget(lstNicks, 1, 0);
    grid->addWidget(lstSetup, 1, 0);
    auto* side = new QVBoxLayout;
    for (xpButton* button : {cmdAdd, cmdRem, cmdClear, cmdRefresh})
        side->addWidget(button);
    side->addStretch();
    grid->addLayout(side, 1, 1);
    auto* views = new QHBoxLayout;
    views->addWidget(command1);
    views->addWidget(Command2);
    views->addStretch();
    grid->addLayout(views, 2, 0, 1, 2);
    grid->setRowStretch(1, 1);
}

// The stored list is still empty when the first refresh runs: nothing is asked.
void BuddyList::Form_Load() {
    cmdRefresh_Click();
    lstSetup->addItems(loadBuddies());
}

void BuddyList::Form_Unload(bool&) {
    saveStored();
}

void BuddyList::Reload() {
    cmdRefresh_Click();
}

void BuddyList::cmdRefresh_Click() {
    Channel& room = Channel::form();
    if (room.sock.State() == Winsock::sckClosed)
        return;
    QString nicks;
    for (const QString& nick : storedNicks())
        nicks += nick + QLatin1Char(' ');
    if (!nicks.trimmed().isEmpty())
        room.SendData(QStringLiteral("ISON ") + nicks);
}

void BuddyList::tmrRefresh_Timer() {
    if (++m_ticks < kTicksPerRefresh)
        return;
    m_ticks = 0;
    cmdRefresh_Click();
}

void BuddyList::clearOnline() {
    lstNicks->clear();
}

void BuddyList::AddUsers(const QString& list) {
    clearOnline();
    for (const QString& nick : list.split(QLatin1Char(' ')))
        if (!nick.trimmed().isEmpty())
            lstNicks->addItem(nick);
}

void BuddyList::cmdAdd_Click() {
    QString nick =
        Dialogs::inputBox(QStringLiteral("Enter a nickname to add"), QStringLiteral("Whois Online"));
    nick.remove(QLatin1Char(' '));
    if (nick.isEmpty())
        return;
    for (const QString& stored : storedNicks())
        if (stored.toLower() == nick.toLower())
            return;
    lstSetup->addItem(nick);
    saveStored();
    cmdRefresh_Click();
}

void BuddyList::cmdRem_Click() {
    const int row = selectedRow(*lstSetup);
    if (row == -1)
        return;
    delete lstSetup->takeItem(row);
    saveStored();
}

// The online list stays as it is.
void BuddyList::cmdClear_Click() {
    lstSetup->clear();
    saveStored();
}

void BuddyList::command1_Click() {
    showSetup(false);
}

void BuddyList::Command2_Click() {
    showSetup(true);
}

void BuddyList::showSetup(bool setup) {
    cmdAdd->setVisible(setup);
    cmdRem->setVisible(setup);
    lstSetup->setVisible(setup);
    lblWhich->setText(setup ? QStringLiteral("Setup") : QStringLiteral("Online"));
}

// Whether a window opens is for the conversation table to say.
void BuddyList::lstNicks_DblClick() {
    const QString nick = selectedText(*lstNicks);
    if (nick.isEmpty())
        return;
    try {
        OpenQuery(nick, QString());
    } catch (const TableFull&) {
    }
}

QStringList BuddyList::storedNicks() const {
    QStringList nicks;
    for (int k = 0; k < lstSetup->count(); ++k)
        nicks << lstSetup->item(k)->text();
    return nicks;
}

void BuddyList::saveStored() const {
    saveBuddies(storedNicks());
}
