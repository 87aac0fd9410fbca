#pragma once

#include "platform/Form.h"

class QListWidget;
class xpButton;

// The nicknames whose private conversations the user refuses, for the run of
// the program: its list is the one store of them. Closing only hides it.
class IgnoreList : public Form {
    Q_OBJECT
public:
    IgnoreList();

    static IgnoreList& form() { return FormSlot<IgnoreList>::get(); }
    static IgnoreList* loaded() { return FormSlot<IgnoreList>::loaded(); }

    void Form_Unload(bool& cancel) override;

    // An entry of the list: nick & " - Blocked".
    static QString BlockEntry(const QString& nick);
    // The list holds nick's entry (compared in lower case).
    bool holds(const QString& nick) const;
    // Appends nick's entry; nothing is sent and nothing is refused.
    void addEntry(const QString& nick);

    void cmdAdd_Click();
    void cmdRemove_Click();
    void cmdClear_Click();

    QListWidget* List1 = nullptr;
    xpButton* cmdAdd = nullptr;
    xpButton* cmdRemove = nullptr;
    xpButton* cmdClear = nullptr;

private:
    // The message that refuses to block nick, "" when it may be blocked.
    QString refusalFor(const QString& nick) const;
};
