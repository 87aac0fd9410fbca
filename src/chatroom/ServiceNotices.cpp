// The nickname service's notices, nick errors, and the server ending the stay:
// an own kick, a kill, a room that refuses the user.
#include "chatroom/Channel.h"

#include "account/Login.h"
#include "account/frmPassword.h"
#include "account/usenick.h"
#include "chatroom/BuddyList.h"
#include "chatroom/LineParameters.h"
#include "chatroom/ServerHandlers.h"
#include "platform/Dialogs.h"
#include "platform/RichTextBox.h"
#include "support/ColouredText.h"
#include "support/Globals.h"
#include "support/Timing.h"

#include <QAction>
#include <QLineEdit>
#include <QListView>

namespace {

const QString kIdentifyPrompt = QStringLiteral("please choose a different nick.");

void showUsenick() {
    usenick::form().show();
}

} // namespace

void Handlers::onNotice(Channel& window, const IrcMessage& msg) {
    const QString text = P(msg, 1);
    const QString& me = G().MyNick;
    if (text.right(kIdentifyPrompt.size()) == kIdentifyPrompt) {
        window.lstNicks->setEnabled(false);
        frmPassword::form().show();
        return;
    }
    if (text == me + QStringLiteral(" Password accepted - you are now recognized.")) {
        FormSlot<frmPassword>::unload();
        window.lstNicks->setEnabled(true);
        window.show();
    }
    if (text == me + QStringLiteral(" Password incorrect.")) {
        window.lstNicks->setEnabled(false);
        frmPassword::form().show();
    }
    if (text == me + QStringLiteral(" You are already identified.")) {
        window.lstNicks->setEnabled(true);
        FormSlot<frmPassword>::unload();
    }
    if (msg.Nick.isEmpty()) {
        window.showInMain(Colour("05") + P(msg, 2));
        return;
    }
    BuddyList::form(); // loads it, hidden, with its refresh cycle
    window.showInMain(Colour("05") + Bold(QStringLiteral("NOTICE")) + Chr3 + QStringLiteral(" ") +
                      Bold(msg.Nick) + QStringLiteral(": ") + P(msg, 2));
}

// Without an alternative nick to try, the dialog alone asks for another.
void Handlers::onNickInUse(Channel& window, const IrcMessage& msg) {
    if (P(msg, 2, 2) == G().MyNick && !G().AltNick.isEmpty()) {
        const QString rejected = G().MyNick;
        G().MyNick = G().AltNick;
        G().AltNick = rejected;
        window.SendData(QStringLiteral("NICK ") + G().MyNick);
    }
    showUsenick();
}

void Handlers::onNickMissing(Channel&, const IrcMessage&) {
    showUsenick();
}

void Handlers::onNickInvalid(Channel&, const IrcMessage&) {
    Dialogs::msgBox(QStringLiteral("Choose Another Nick"), Dialogs::Buttons::Ok, Dialogs::Icon::None,
                    QStringLiteral("Invalid Name Or Nick Already In Use"));
    showUsenick();
}

void Handlers::onOwnKick(Channel& window, const IrcMessage& msg) {
    window.hide();
    Login& login = Login::form();
    login.showAgain();
    login.offerSignIn();
    login.Login_UnLog();
    window.showInMain(Colour("04") + QStringLiteral("You were kicked from ") + Bold(P(msg, 1, 1)) +
                      QStringLiteral(" by ") + Bold(msg.Nick) + QStringLiteral(" [ ") + P(msg, 3) +
                      QStringLiteral(" ]"));
    window.sock.Close();
    window.clearNickList();
    window.rtbTopic->setText(QString());
    window.ClearModes();
    window.IDENT.Close();
    window.TotalChatters = 0;
    Pause(0.1);
    window.endStay();
}

void Handlers::onKill(Channel& window, const IrcMessage& msg) {
    if (P(msg, 1, 1) != G().MyNick) {
        ShowInfoLine(Bold(P(msg, 1, 1)) + QStringLiteral(" was killed [") + P(msg, 2) + QStringLiteral("]"),
                     2);
        return;
    }
    window.sock.Close();
    window.ClearModes();
    window.clearNickList();
    window.rtbTopic->setText(QString());
    window.IDENT.Close();
    window.TotalChatters = 0;
    window.endStay();
    ShowInfoLine(
        Bold(QStringLiteral("You")) + QStringLiteral(" were Killed [") + P(msg, 2) + QStringLiteral("]"), 2);
}

void Handlers::onCannotJoin(Channel& window, const IrcMessage& msg) {
    const QString reason =
        QStringLiteral("You cannot join ") + P(msg, 2, 2) + QStringLiteral(" : ") + P(msg, 3);
    window.showInMain(Colour("04") + reason);
    Dialogs::msgBox(reason, Dialogs::Buttons::Ok, Dialogs::Icon::None, QStringLiteral("Error"));
    window.mnu_File_Disconnect_Click();
    Login& login = Login::form();
    login.stopSignIn();
    login.showAgain();
    login.unlockNick();
    window.hide();
}
