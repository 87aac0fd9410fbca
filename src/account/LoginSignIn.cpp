// Signing in and out: the sign-in routine, the banner it runs, and the
// window's signed-in and signed-out forms.
#include "account/Login.h"

#include "account/LoginDesign.h"
#include "chatroom/Channel.h"
#include "platform/Dialogs.h"
#include "widgets/frmPopup.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

void Login::cmdSignIn_Click() {
    if (!Label6->isHidden()) {
        // Signed in already: only the notice that the program runs.
        frmPopup::form().show();
        return;
    }
    if (widthTwips() != LoginDesign::kMinWidth)
        setWidthTwips(LoginDesign::kMinWidth);
    if (heightTwips() != LoginDesign::kMinHeight)
        setHeightTwips(LoginDesign::kMinHeight);
    DoSignIn();
}

void Login::DoSignIn() {
    Channel& room = Channel::form(); // the first reference loads the room window, hidden
    room.Timer1.stop();
    trayMenu(); // the icon's menu carries the room window's entries from now on
    if (Text1->text().isEmpty()) {
        Dialogs::msgBox(QStringLiteral("Enter Your NickName"), Dialogs::Buttons::Ok,
                        Dialogs::Icon::Exclamation, QStringLiteral("No NickName"));
        Text1->clear();
        Text1->setFocus();
        lockFields(false);
        showBanner(false);
    } else {
        lockFields(true);
        offerSignOut();
        showBanner(true);
        room.mnu_File_Connect_Click();
    }
    // The nickname service hears the password of this run from Text3, also
    // when it is remembered (the box then keeps it for the next sign-in).
    Text3->setText(Text2->text());
    if (checkValue(check1) == 0)
        Text2->clear();
    // The connection reads the nick box when it connects: it keeps its text
    // even when the nick is not to be remembered.
    const QString storedNick = checkValue(Check3) == 0 ? QString() : Text1->text();
    if (checkValue(ChkStartUp) == 1) {
        if (!writeStartupEntry())
            return;
    } else {
        removeStartupEntry();
    }
    storeCredentials(storedNick, Text2->text());
    SaveConnect();
    setBoxesFromFlags();
}

void Login::lockFields(bool locked) {
    Text1->setReadOnly(locked);
    Text2->setReadOnly(locked);
}

void Login::unlockNick() {
    Text1->setReadOnly(false);
}

QString Login::typedNick() const {
    return Text1->text();
}

QString Login::servicePassword() const {
    return Text3->text();
}

void Login::offerSignIn() {
    mnu_Sign->setText(QStringLiteral("Sign In"));
}

void Login::offerSignOut() {
    mnu_Sign->setText(QStringLiteral("Sign Out"));
}

void Login::showBanner(bool running) {
    Picture1->setVisible(running);
    Picture2->setVisible(running);
    Image1->setVisible(!running);
    if (running)
        Timer1.start();
    else
        Timer1.stop();
}

void Login::cmdSignout_Click() {
    showBanner(false);
}

void Login::stopSignIn() {
    cmdSignout_Click();
    offerSignIn();
}

void Login::showSignedOut() {
    stopSignIn();
    Login_UnLog();
}

QList<QWidget*> Login::signInFields() const {
    return {Label3, Text1, Label4, Text2, check1, check2, Check3, ChkStartUp};
}

void Login::Login_Log() {
    Label6->show();
    for (QWidget* field : signInFields())
        field->hide();
}

void Login::Login_UnLog() {
    Label6->hide();
    for (QWidget* field : signInFields())
        field->show();
}
