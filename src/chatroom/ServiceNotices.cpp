// The nickname service's notices, nick errors, and the server ending the stay:
// an own kick, a kill, a room that refuses the user.
#include "chatroom/Channel.h"

#include "account/Login.h"
#include "account/frmPassword.h"
#include "account/usenick.h"
#include "chatroom/BuddyList.h"
#include "chatroom/LineParameters.h"
#include "platform/Dialogs.h"
#include "platform/RichTextBox.h"
#include "support/ColouredText.h"
#include "support/Globals.h"
#include "support/Timing.h"

#include <QAction>
#include <QLineEdit>
#include <QListView>

namespace {

const QString IdentifyPrompt = QStringLiteral("please choose a different nick.");

void showUsenick() {
    usenick::form().show();
}

} // namespace

void Channel::onNotice(const IrcMessage& msg) {
    const QString text = P(msg, 1);
    const QString& me = G().MyNick;
    if (text.right(IdentifyPrompt.size()) == IdentifyPrompt) {
        lstNicks->setEnabled(false);
        frmPassword::form().show();
        return;
    }
    if (text == me + QStringLiteral(" Password accepted - you are now recognized.")) {
        FormSlot<frmPassword>::unload();
        lstNicks->setEnabled(true);
        show();
    }
    if (text == me + QStringLiteral(" Password incorrect.")) {
        lstNicks->setEnabled(false);
        frmPassword::form().show();
    }
    if (text == me + QStringLiteral(" You are already identified.")) {
        lstNicks->setEnabled(true);
        FormSlot<frmPassword>::unload();
    }
    if (msg.Nick.isEmpty()) {
        showInMain(Chr3 + QStringLiteral("05") + P(msg, 2));
        return;
    }
    BuddyList::form(); // loads it, hidden, with its refresh cycle
    showInMain(Chr3 + QStringLiteral("05") + Chr2 + QStringLiteral("NOTICE") + Chr2 + Chr3 +
               QStringLiteral(" ") + Chr2 + msg.Nick + Chr2 + QStringLiteral(": ") + P(msg, 2));
}

// Without an alternative nick to try, the dialog alone asks for another.
void Channel::onNickInUse(const IrcMessage& msg) {
    if (P(msg, 2, 2) == G().MyNick && !G().AltNick.isEmpty()) {
        const QString rejected = G().MyNick;
        G().MyNick = G().AltNick;
        G().AltNick = rejected;
        SendData(QStringLiteral("NICK ") + G().MyNick);
    }
    showUsenick();
}

void Channel::onNickMissing(const IrcMessage&) {
    showUsenick();
}

void Channel::onNickInvalid(const IrcMessage&) {
    Dialogs::MsgBox(QStringLiteral("Choose Another Nick"), Dialogs::Buttons::Ok, Dialogs::Icon::None,
                    QStringLiteral("Invalid Name Or Nick Already In Use"));
    showUsenick();
}

// The connection state after the server ended the stay.
void Channel::endStay() {
    resetConnectionMenus();
    Update();
    showChatterCount(QStringLiteral("  "));
}

void Channel::onOwnKick(const IrcMessage& msg) {
    hide();
    Login& login = Login::form();
    login.showAgain();
    login.offerSignIn();
    login.Login_UnLog();
    showInMain(Chr3 + QStringLiteral("04") + QStringLiteral("You were kicked from ") + Chr2 + P(msg, 1, 1) +
               Chr2 + QStringLiteral(" by ") + Chr2 + msg.Nick + Chr2 + QStringLiteral(" [ ") + P(msg, 3) +
               QStringLiteral(" ]"));
    sock.Close();
    clearNickList();
    rtbTopic->setText(QString());
    ClearModes();
    IDENT.Close();
    TotalChatters = 0;
    Pause(0.1);
    endStay();
}

void Channel::onKill(const IrcMessage& msg) {
    if (P(msg, 1, 1) != G().MyNick) {
        ShowInfoLine(Chr2 + P(msg, 1, 1) + Chr2 + QStringLiteral(" was killed [") + P(msg, 2) +
                         QStringLiteral("]"),
                     2);
        return;
    }
    sock.Close();
    ClearModes();
    clearNickList();
    rtbTopic->setText(QString());
    IDENT.Close();
    TotalChatters = 0;
    endStay();
    ShowInfoLine(Chr2 + QStringLiteral("You") + Chr2 + QStringLiteral(" were Killed [") + P(msg, 2) +
                     QStringLiteral("]"),
                 2);
}

void Channel::onCannotJoin(const IrcMessage& msg) {
    const QString reason =
        QStringLiteral("You cannot join ") + P(msg, 2, 2) + QStringLiteral(" : ") + P(msg, 3);
    showInMain(Chr3 + QStringLiteral("04") + reason);
    Dialogs::MsgBox(reason, Dialogs::Buttons::Ok, Dialogs::Icon::None, QStringLiteral("Error"));
    mnu_File_Disconnect_Click();
    Login& login = Login::form();
    login.stopSignIn();
    login.showAgain();
    login.unlockNick();
    hide();
}
