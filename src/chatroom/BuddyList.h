#pragma once

#include "platform/Form.h"

#include <QTimer>

class QLabel;
class QListWidget;
class xpButton;

// Which nicknames of a stored list are on the network. One ISON line asks for
// the whole list (on Refresh, when a nick is added, every two minutes); the
// server's answer fills the online list. The stored list is kept in the
// per-user application settings at every change, the online list only while
// the window is loaded.
class BuddyList : public Form {
    Q_OBJECT
public:
    BuddyList();

    static BuddyList& form() { return FormSlot<BuddyList>::get(); }
    static BuddyList* loaded() { return FormSlot<BuddyList>::loaded(); }

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    void Reload();
    // Replaces the online list with the blank-separated nicks of list.
    void AddUsers(const QString& list);
    // Empties the online list, as when the connection is gone.
    void clearOnline();

    void cmdRefresh_Click();
    void cmdAdd_Click();
    void cmdRem_Click();
    void cmdClear_Click();
    void command1_Click(); // "View": the online list
    void Command2_Click(); // "Setup": the stored list
    void lstNicks_DblClick();
    void tmrRefresh_Timer();

    QListWidget* lstSetup = nullptr; // the stored nicks, in the order added
    QListWidget* lstNicks = nullptr; // the nicks last reported online
    QLabel* lblWhich = nullptr;
    xpButton* cmdAdd = nullptr;
    xpButton* cmdRem = nullptr;
    xpButton* cmdClear = nullptr;
    xpButton* cmdRefresh = nullptr;
    xpButton* command1 = nullptr;
    xpButton* Command2 = nullptr;
    QTimer tmrRefresh;

private:
    void buildControls(QWidget* client);
    void showSetup(bool setup);
    QStringList storedNicks() const;
    void saveStored() const;

    int m_ticks = 0;
};
