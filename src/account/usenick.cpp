#include "account/usenick.h"

#include "account/Login.h"
#include "chatroom/Channel.h"
#include "widgets/DialogLook.h"
#include "support/Globals.h"
#include "widgets/xpButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

usenick::usenick() {
    setWindowTitle(QStringLiteral("NickName Already In Use Or Invalid"));
    auto* client = new QWidget(this);
    ApplyDialogLook(client);
    Label1 = new QLabel(QStringLiteral("Please Choose Another NickName"), client);
    Text1 = new QLineEdit(client);
    cmdOK = new xpButton(QStringLiteral("cmdOK"), client);
    cmdOK->setButtonSize(xpButton::Small);
    cmdOK->setCaption(QStringLiteral("Ok"));
    auto* column = new QVBoxLayout(client);
    column->addWidget(Label1);
    column->addWidget(Text1);
    column->addWidget(cmdOK, 0, Qt::AlignRight);
    setCentralWidget(client);
    connect(cmdOK, &xpButton::Click, this, &usenick::cmdOK_Click);
    connect(Text1, &QLineEdit::returnPressed, this, &usenick::cmdOK_Click);
}

void usenick::Form_Load() {
    Channel::form().setEnabled(false);
}

void usenick::cmdOK_Click() {
    if (Text1->text().isEmpty())
        return;
    TakeNewNick(Text1->text());
    Unload();
}

void TakeNewNick(const QString& nick) {
    G().MyNick = nick;
    Channel& room = Channel::form();
    room.SendData(QStringLiteral("NICK ") + G().MyNick);
    room.setEnabled(true);
    Login::form().Text1->setText(nick);
}
