#pragma once

#include "platform/Form.h"

class QLabel;
class QLineEdit;
class xpButton;

// Registers the own nick with the nickname service: password and e-mail
// address, sent only while connected.
class frmregister : public Form {
    Q_OBJECT
public:
    frmregister();

    static frmregister& form() { return FormSlot<frmregister>::get(); }
    static frmregister* loaded() { return FormSlot<frmregister>::loaded(); }

    void Form_Load() override;
    void cmdRegister_Click();
    void cmdCancel_Click();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* Text1 = nullptr; // nick
    QLineEdit* Text2 = nullptr; // password
    QLineEdit* Text3 = nullptr; // e-mail address
    QLineEdit* Text4 = nullptr; // the command built; never shown
    xpButton* cmdRegister = nullptr;
    xpButton* cmdCancel = nullptr;

private:
    bool warnOfMissingFields() const;
};
