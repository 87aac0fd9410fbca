#include "account/frmPassword.h"

#include "account/usenick.h"
#include "chatroom/Channel.h"
#include "support/CommandParser.h"
#include "support/Globals.h"
#include "support/IrcText.h"
#include "widgets/DialogLook.h"
#include "widgets/xpButton.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>

namespace {
constexpr int kFlashIntervalMs = 1200;
}

frmPassword::frmPassword() {
    setWindowTitle(QStringLiteral("Enter Your NickName Password"));
    auto* client = new QWidget(this);
    applyDialogLook(client);
    Frame1 = new QGroupBox(QStringLiteral("Password Required :"), client);
    Label1 = new QLabel(
        QStringLiteral("This nickname is registered. If this nickname is yours, type your nickname "
                       "password else type a New Nick."),
        Frame1);
    Label1->setWordWrap(true);
    lblusr = new QLabel(QStringLiteral("NickName :"), Frame1);
    lblusr->setTextFormat(Qt::PlainText); // shows the own nick
    lblpwd = new QLabel(QStringLiteral("Password :"), Frame1);
    Text1 = new QLineEdit(Frame1);
    Text1->setEchoMode(QLineEdit::Password);
    auto* fields = new QGridLayout(Frame1);
    fields->addWidget(Label1, 0, 0, 1, 2);
    fields->addWidget(lblusr, 1, 0, 1, 2);
    fields->addWidget(lblpwd, 2, 0);
    fields->addWidget(Text1, 2, 1);

    cmdChange = new xpButton(QStringLiteral("cmdChange"), client);
    cmdChange->setCaption(QStringLiteral("Change Nick"));
    cmdOK = new xpButton(QStringLiteral("cmdOK"), client);
    cmdOK->setCaption(QStringLiteral("Ok"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdChange);
    buttons->addWidget(cmdOK);
    auto* column = new QVBoxLayout(client);
    column->addWidget(Frame1);
    column->addLayout(buttons);
    setCentralWidget(client);

    connect(cmdOK, &xpButton::Click, this, &frmPassword::cmdOK_Click);
    connect(cmdChange, &xpButton::Click, this, &frmPassword::cmdChange_Click);
    connect(Text1, &QLineEdit::returnPressed, this, &frmPassword::cmdOK_Click);
    flsh.setInterval(kFlashIntervalMs);
    connect(&flsh, &QTimer::timeout, this, &frmPassword::flsh_Timer);
    flsh.start();
}

void frmPassword::Form_Load() {
    Channel::form().setEnabled(false);
    lblusr->setText(QStringLiteral("NickName : ") + G().MyNick);
}

void frmPassword::Form_Unload(bool&) {
    Channel& room = Channel::form();
    room.setEnabled(true);
    room.lstNicks->setEnabled(true);
}

bool frmPassword::isChangeMode() const {
    return windowTitle() == QStringLiteral("Change Your Password For ") + G().MyNick;
}

// Identifying goes to the service by name: servers answer a bare IDENTIFY
// command with "unknown command".
void frmPassword::cmdOK_Click() {
    const QString password = Text1->text();
    if (password.isEmpty())
        return;
    Channel& room = Channel::form();
    if (isChangeMode())
        room.SendData(
            ParseCommand(QString(), DropLeft(QStringLiteral("/msg nickserv set password ") + password, 1)));
    else
        room.SendData(QStringLiteral("PRIVMSG NickServ :IDENTIFY ") + password);
    room.setEnabled(true);
    Unload();
}

// Unloading after the nick dialog has loaded leaves the room enabled while
// that dialog is open, as the program always did.
void frmPassword::cmdChange_Click() {
    usenick::form().show();
    Unload();
}

void frmPassword::flsh_Timer() {
    QApplication::alert(this);
    emit Flashed();
}
