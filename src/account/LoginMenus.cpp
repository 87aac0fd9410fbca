// The sign-in window's menus, its sign-in picture and the notification-area
// icon's events.
#include "account/Login.h"

#include "chatroom/Channel.h"
#include "platform/Dialogs.h"
#include "platform/ProgramEnd.h"
#include "support/Shell.h"
#include "support/WebAddresses.h"
#include "widgets/About.h"
#include "widgets/Author.h"
#include "widgets/clsSysTray.h"

#include <QAction>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

void Login::mnu_Sign_Click() {
    if (mnu_Sign->text() == QLatin1String("Sign In")) {
        cmdSignIn_Click();
        offerSignOut();
        if (Text1->text().isEmpty())
            offerSignIn();
    } else if (mnu_Sign->text() == QLatin1String("Sign Out")) {
        stopSignIn();
        unlockNick();
        Channel::form().mnu_File_Disconnect_Click();
    }
}

void Login::mnu_chatroom_Click() {
    Channel::form().mnu_chatroom_Click();
}

// Any answer but No ends the program at once: no window's unload handling
// runs and nothing more is sent to the server.
void Login::mnu_Close_Click() {
    const auto answer = Dialogs::msgBox(
        QStringLiteral("Are you sure you want to exit TazmirKorvu Messenger?"), Dialogs::Buttons::YesNo,
        Dialogs::Icon::Question, QStringLiteral("Tazmir Korvu Messenger"));
    if (answer == Dialogs::Answer::No)
        return;
    RemoveFromSysTray();
    endProgramAtOnce();
}

void Login::mnu_Feedback_Click() {
    OpenURL(WebAddresses::Feedback);
}

void Login::mnu_About_Click() {
    About::form().show();
}

void Login::mnu_author_Click() {
    Author::form().show();
}

void Login::gSysTray_LButtonDblClk() {
    Channel::form().setVisible(true);
}

void Login::gSysTray_RButtonUp() {
    QMenu* menu = trayMenu();
    // A desktop that opened the icon's own menu for this click shows the same
    // entries at the pointer already.
    if (!m_iconMenu->isVisible())
        menu->popup(QCursor::pos());
}

// Desktops that draw the icon's menu themselves may never report the right
// button: opening the menu does the right button's work instead.
void Login::iconMenuAboutToShow() {
    trayMenu();
}

// The room window's notification-area menu (the first reference loads the
// room window, hidden); the icon's own menu takes its entries.
QMenu* Login::trayMenu() {
    QMenu* menu = Channel::form().mnu_systray;
    if (m_iconMenu->actions() != menu->actions()) {
        for (QAction* entry : m_iconMenu->actions())
            m_iconMenu->removeAction(entry);
        m_iconMenu->addActions(menu->actions());
    }
    return menu;
}

bool Login::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Image3 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        cmdSignIn_Click();
    return Form::eventFilter(watched, event);
}
