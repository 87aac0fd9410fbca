#pragma once

#include "platform/Form.h"

class QLabel;
class QLineEdit;
class xpButton;

// Changes the own nick on the user's request. While it is open the room window
// is disabled.
class frmchange : public Form {
    Q_OBJECT
public:
    frmchange();

    static frmchange& form() { return FormSlot<frmchange>::get(); }
    static frmchange* loaded() { return FormSlot<frmchange>::loaded(); }

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void cmdOK_Click();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Text1 = nullptr; // the new nick; Enter is OK
    xpButton* cmdOK = nullptr;
};
