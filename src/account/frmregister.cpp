#include "account/frmregister.h"

#include "chatroom/Channel.h"
#include "platform/Dialogs.h"
#include "support/CommandParser.h"
#include "support/Globals.h"
#include "support/IrcText.h"
#include "widgets/DialogLook.h"
#include "widgets/xpButton.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
void tell(const QString& prompt, const QString& title) {
    Dialogs::msgBox(prompt, Dialogs::Buttons::Ok, Dialogs::Icon::None, title);
}
} // namespace

frmregister::frmregister() {
    setWindowTitle(QStringLiteral("NickName Registration"));
    auto* client = new QWidget(this);
    applyDialogLook(client);
    Label1 = new QLabel(QStringLiteral("Fill The Requirements Below :"), client);
    Label2 = new QLabel(QStringLiteral("NickName :"), client);
    Text1 = new QLineEdit(client);
    Label3 = new QLabel(QStringLiteral("Password  :"), client);
    Text2 = new QLineEdit(client);
    Text2->setEchoMode(QLineEdit::Password);
    Label4 = new QLabel(QStringLiteral("E-mail Address  :"), client);
    Text3 = new QLineEdit(client);
    Text4 = new QLineEdit(client);
    Text4->hide();
    cmdRegister = new xpButton(QStringLiteral("cmdRegister"), client);
    cmdRegister->setCaption(QStringLiteral("Register"));
    cmdCancel = new xpButton(QStringLiteral("cmdCancel"), client);
    cmdCancel->setCaption(QStringLiteral("Cancel"));

    auto* fields = new QFormLayout;
    fields->addRow(Label2, Text1);
    fields->addRow(Label3, Text2);
    fields->addRow(Label4, Text3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdRegister);
    buttons->addWidget(cmdCancel);
    auto* column = new QVBoxLayout(client);
    column->addWidget(Label1);
    column->addLayout(fields);
    column->addLayout(buttons);
    setCentralWidget(client);

    connect(cmdRegister, &xpButton::Click, this, &frmregister::cmdRegister_Click);
    connect(cmdCancel, &xpButton::Click, this, &frmregister::cmdCancel_Click);
}

void frmregister::Form_Load() {
    Text1->setText(G().MyNick);
}

// Connected, the dialog closes after one try, whether or not it could send.
void frmregister::cmdRegister_Click() {
    Channel& room = Channel::form();
    if (room.sock.State() != Winsock::sckConnected) {
        tell(
            QStringLiteral("Check Your Internet Connection.You are not connected to register your nickname."),
            QStringLiteral("Not Connected"));
        return;
    }
    Text1->setText(G().MyNick);
    if (!warnOfMissingFields()) {
        Text4->setText(QStringLiteral("/msg nickserv register ") + Text2->text() + QStringLiteral(" ") +
                       Text3->text() + QStringLiteral(" "));
        room.SendData(ParseCommand(QString(), DropLeft(Text4->text(), 1)));
    }
    for (QLineEdit* field : {Text1, Text2, Text3})
        field->setEnabled(false);
    Unload();
}

// Both warnings can show, the password's first; true when one did.
bool frmregister::warnOfMissingFields() const {
    const bool noPassword = Text2->text().isEmpty();
    const bool noAddress = Text3->text().isEmpty();
    if (noPassword)
        tell(QStringLiteral("No Password"), QStringLiteral("Enter Your NickName Password"));
    if (noAddress)
        tell(QStringLiteral("No E-mail Address"), QStringLiteral("Enter Your E-mail Address"));
    return noPassword || noAddress;
}

void frmregister::cmdCancel_Click() {
    Unload();
}
