#include "account/frmchange.h"

#include "account/usenick.h"
#include "chatroom/Channel.h"
#include "widgets/DialogLook.h"
#include "platform/Dialogs.h"
#include "widgets/xpButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

frmchange::frmchange() {
    setWindowTitle(QStringLiteral("Change NickName"));
    auto* client = new QWidget(this);
    ApplyDialogLook(client);
    Label1 = new QLabel(QStringLiteral("NickName"), client);
    Label2 = new QLabel(QStringLiteral("Enter A New NickName"), client);
    Text1 = new QLineEdit(client);
    cmdOK = new xpButton(QStringLiteral("cmdOK"), client);
    cmdOK->setButtonSize(xpButton::Small);
    cmdOK->setCaption(QStringLiteral("Ok"));
    auto* column = new QVBoxLayout(client);
    column->addWidget(Label1);
    column->addWidget(Label2);
    column->addWidget(Text1);
    column->addWidget(cmdOK, 0, Qt::AlignRight);
    setCentralWidget(client);
    connect(cmdOK, &xpButton::Click, this, &frmchange::cmdOK_Click);
    connect(Text1, &QLineEdit::returnPressed, this, &frmchange::cmdOK_Click);
}

void frmchange::Form_Load() {
    Channel::form().setEnabled(false);
}

void frmchange::Form_Unload(bool&) {
    Channel::form().setEnabled(true);
}

void frmchange::cmdOK_Click() {
    if (Text1->text().isEmpty()) {
        Dialogs::MsgBox(QStringLiteral("No NickName Given"), Dialogs::Buttons::Ok, Dialogs::Icon::None,
                        QStringLiteral("Type A Nick Name"));
        return;
    }
    TakeNewNick(Text1->text());
    Unload();
}
