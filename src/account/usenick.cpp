#include "account/usenick.h"

#include "account/Login.h"
#include "account/NickBoxDialog.h"
#include "chatroom/Channel.h"
#include "support/Globals.h"
#include "widgets/xpButton.h"

#include <QLabel>
#include <QLineEdit>

usenick::usenick() {
    const NickBoxDialog parts =
        buildNickBoxDialog(*this, QStringLiteral("NickName Already In Use Or Invalid"),
                           {QStringLiteral("Please Choose Another NickName")});
    Label1 = parts.labels[0];
    Text1 = parts.nickBox;
    cmdOK = parts.ok;
    connect(cmdOK, &xpButton::Click, this, &usenick::cmdOK_Click);
}

void usenick::Form_Load() {
    Channel::form().setEnabled(false);
}

void usenick::cmdOK_Click() {
    if (Text1->text().isEmpty())
        return;
    takeNewNick(Text1->text());
    Unload();
}

void takeNewNick(const QString& nick) {
    G().MyNick = nick;
    Channel& room = Channel::form();
    room.SendData(QStringLiteral("NICK ") + G().MyNick);
    room.setEnabled(true);
    Login::form().Text1->setText(nick);
}
