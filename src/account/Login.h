#pragma once

#include "platform/Form.h"

#include <QTimer>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;

// The sign-in window: nickname, password and the sign-in options; it follows the
// connection's state as the room window reports it.
class Login : public Form {
    Q_OBJECT
public:
    Login();

    static Login& form() { return FormSlot<Login>::get(); }
    static Login* loaded() { return FormSlot<Login>::loaded(); }

    // Stops the banner and shows the still logo again.
    void cmdSignout_Click();
    // Signed in: the fields give way to "You're logged in...".
    void Login_Log();
    // Signed out: the fields are back.
    void Login_UnLog();

    QLabel* Label3 = nullptr;
    QLineEdit* Text1 = nullptr; // nick
    QLabel* Label4 = nullptr;
    QLineEdit* Text2 = nullptr; // password
    QLineEdit* Text3 = nullptr; // the password of this run when it is not remembered; never shown
    QCheckBox* check1 = nullptr;
    QCheckBox* check2 = nullptr;
    QCheckBox* Check3 = nullptr;
    QCheckBox* ChkStartUp = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Picture1 = nullptr; // banner pictures
    QLabel* Picture2 = nullptr;
    QLabel* Image1 = nullptr;   // still logo
    QTimer Timer1;              // banner marquee
    QMenu* mnu_File = nullptr;
    QAction* mnu_Sign = nullptr;

private:
    void buildWindow();
    QList<QWidget*> signInFields() const;
};
