#pragma once

#include "platform/Form.h"

class QLabel;
class QLineEdit;
class xpButton;

// Asks for another nick when the server refused the one given. While it is
// open the room window is disabled.
class usenick : public Form {
    Q_OBJECT
public:
    usenick();

    static usenick& form() { return FormSlot<usenick>::get(); }
    static usenick* loaded() { return FormSlot<usenick>::loaded(); }

    void Form_Load() override;
    void cmdOK_Click();

    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr; // the new nick; Enter is OK
    xpButton* cmdOK = nullptr;
};

// The own nick becomes nick: the server is told, and the sign-in window's nick
// box and the room window follow.
void takeNewNick(const QString& nick);
