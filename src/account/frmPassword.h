#pragma once

#include "platform/Form.h"

#include <QTimer>

class QGroupBox;
class QLabel;
class QLineEdit;
class xpButton;

// Asks for the password of the own nick: to identify to the nickname service,
// or, when its caption is "Change Your Password For " & the own nick (set by
// the menu that shows it), to set a new one. While it is open the room window
// is disabled.
class frmPassword : public Form {
    Q_OBJECT
public:
    frmPassword();

    static frmPassword& form() { return FormSlot<frmPassword>::get(); }
    static frmPassword* loaded() { return FormSlot<frmPassword>::loaded(); }

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void cmdOK_Click();
    // Gives up the nick: the new-nick dialog takes over.
    void cmdChange_Click();
    void flsh_Timer();

    bool isChangeMode() const;

    QGroupBox* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblusr = nullptr;
    QLabel* lblpwd = nullptr;
    QLineEdit* Text1 = nullptr; // the password; Enter is OK
    xpButton* cmdChange = nullptr;
    xpButton* cmdOK = nullptr;
    QTimer flsh;

signals:
    // The window asked the desktop to flash it.
    void Flashed();
};
