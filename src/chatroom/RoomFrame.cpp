// The room window's frame: the tab strip that swaps the room for two web panes,
// the panes' toolbars, the windows its items open and the warning about open
// private windows.
#include "chatroom/Channel.h"

#include "account/frmPassword.h"
#include "account/frmchange.h"
#include "account/frmregister.h"
#include "platform/Dialogs.h"
#include "platform/RichTextBox.h"
#include "platform/WebBrowser.h"
#include "support/Globals.h"
#include "support/Shell.h"
#include "support/WebAddresses.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTabBar>
#include <QToolBar>

namespace {

// What a toolbar button does to its pane, by the button's key.
void browse(WebBrowser& pane, const QString& key) {
    static const QHash<QString, void (WebBrowser::*)()> actions{
        {QStringLiteral("Back"), &WebBrowser::GoBack},
        {QStringLiteral("Forward"), &WebBrowser::GoForward},
        {QStringLiteral("Refresh"), &WebBrowser::Refresh},
        {QStringLiteral("Home"), &WebBrowser::GoHome},
        {QStringLiteral("Search"), &WebBrowser::GoSearch},
        {QStringLiteral("Stop"), &WebBrowser::Stop},
    };
    if (const auto action = actions.constFind(key); action != actions.constEnd())
        (pane.**action)();
}

} // namespace

struct Channel::TabContents {
    bool home;
    bool misc;
    bool room; // the chat-room controls and the topic box
};

void Channel::TBar_Click() {
    static const QHash<QString, void (Channel::*)()> tabs{
        {QStringLiteral("Home"), &Channel::myHome},
        {QStringLiteral("ChatRoom"), &Channel::myChatRoom},
        {QStringLiteral("Misc"), &Channel::myMisc},
    };
    if (const auto tab = tabs.constFind(TBar->tabText(TBar->currentIndex())); tab != tabs.constEnd())
        (this->**tab)();
}

void Channel::myHome() {
    showTabContents({true, false, false});
}

void Channel::myMisc() {
    showTabContents({false, true, false});
}

void Channel::myChatRoom() {
    showTabContents({false, false, true});
}

// Each pane shows with its own toolbar.
void Channel::showTabContents(const TabContents& shown) {
    const QList<QWidget*> room =
        widgets(Image9, Image10, Label2, lstNick1, lstNick2, DataIn, DataOut, lstNicks, txt1, snd1, Image1,
                Shape1, Image11, LstNick3, Image2, Image5, Command3, command1, check1, check2, Label3, Label4,
                Label5, Check3, Check4, rtbTopic);
    Home->setVisible(shown.home);
    Misc->setVisible(shown.misc);
    ToolBar1->setVisible(shown.home);
    Toolbar2->setVisible(shown.misc);
    for (QWidget* control : room)
        control->setVisible(shown.room);
}

void Channel::ToolBar1_ButtonClick(const QString& key) {
    browse(*Home, key);
}

void Channel::Toolbar2_ButtonClick(const QString& key) {
    browse(*Misc, key);
}

void Channel::mnu_File_changepass_Click() {
    if (sock.State() != Winsock::sckConnected)
        return;
    frmPassword& dialog = frmPassword::form();
    dialog.show();
    dialog.setWindowTitle(QStringLiteral("Change Your Password For ") + G().MyNick);
    dialog.Frame1->setTitle(QStringLiteral("This service is for registered users"));
    dialog.Label1->setText(QStringLiteral("Enter your New Password for ") + G().MyNick +
                           QStringLiteral(" .Otherwise, Click on New Nick and Change your nickname."));
}

void Channel::mnu_File_changenick_Click() {
    frmchange::form().show();
}

void Channel::mnu_register_nickname_Click() {
    if (sock.State() != Winsock::sckConnected) {
        Dialogs::msgBox(
            QStringLiteral(
                "Check Your Internet Connection. You are not connected to register your nickname."),
            Dialogs::Buttons::Ok, Dialogs::Icon::None, QStringLiteral("Not Connected"));
        return;
    }
    frmregister::form().show();
}

void Channel::mnu_Homepage_Click() {
    OpenURL(WebAddresses::Homepage);
}

void Channel::closequery() {
    const auto answer = Dialogs::msgBox(
        QStringLiteral(
            "You cannot recieve/send any message with chatters. Make Sure You have close all the private "
            "message window - CLICK YES TO CLOSE ALL PRIVATE CHAT BOX Or CLICK NO TO CLOSE YOURSELF?"),
        Dialogs::Buttons::YesNo, Dialogs::Icon::Question, QApplication::applicationName());
    if (answer == Dialogs::Answer::Yes)
        unloadOpenConversations();
}
