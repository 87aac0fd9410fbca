#include "account/frmchange.h"

#include "account/NickBoxDialog.h"
#include "account/usenick.h"
#include "chatroom/Channel.h"
#include "platform/Dialogs.h"
#include "widgets/xpButton.h"

#include <QLabel>
#include <QLineEdit>

frmchange::frmchange() {
    const NickBoxDialog parts =
        buildNickBoxDialog(*this, QStringLiteral("Change NickName"),
                           {QStringLiteral("NickName"), QStringLiteral("Enter A New NickName")});
    Label1 = parts.labels[0];
    Label2 = parts.labels[1];
    Text1 = parts.nickBox;
    cmdOK = parts.ok;
    connect(cmdOK, &xpButton::Click, this, &frmchange::cmdOK_Click);
}

void frmchange::Form_Load() {
    Channel::form().setEnabled(false);
}

void frmchange::Form_Unload(bool&) {
    Channel::form().setEnabled(true);
}

void frmchange::cmdOK_Click() {
    if (Text1->text().isEmpty()) {
        Dialogs::msgBox(QStringLiteral("No NickName Given"), Dialogs::Buttons::Ok, Dialogs::Icon::None,
                        QStringLiteral("Type A Nick Name"));
        return;
    }
    takeNewNick(Text1->text());
    Unload();
}
