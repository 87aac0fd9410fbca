// The room window's notification-area menu: the sign-in window pops it up from
// the tray icon, and desktops that draw the icon's menu themselves show it.
#include "chatroom/Channel.h"

#include "account/Login.h"
#include "widgets/About.h"
#include "widgets/Author.h"

#include <QAction>
#include <QMenu>

QMenu* Channel::buildTrayMenu() {
    auto* menu = new QMenu(QStringLiteral("&SysTray"), this);
    mnu_systray_hide = menu->addAction(QStringLiteral("&Show Main Window"));
    mnu_chatroom = menu->addAction(QStringLiteral("&Show ChatRoom"));
    mnublank1 = menu->addSeparator();
    mnu_systray_about = menu->addAction(QStringLiteral("&About Application/Software"));
    mnu_author_systray = menu->addAction(QStringLiteral("&About Author/Creator"));
    LB2 = menu->addSeparator();
    mnu_systray_exit = menu->addAction(QStringLiteral("&Exit Application"));
    connect(mnu_systray_hide, &QAction::triggered, this, &Channel::mnu_systray_hide_Click);
    connect(mnu_chatroom, &QAction::triggered, this, &Channel::mnu_chatroom_Click);
    connect(mnu_systray_about, &QAction::triggered, this, &Channel::mnu_systray_about_Click);
    connect(mnu_author_systray, &QAction::triggered, this, &Channel::mnu_author_systray_Click);
    connect(mnu_systray_exit, &QAction::triggered, this, &Channel::mnu_systray_exit_Click);
    return menu;
}

void Channel::mnu_systray_hide_Click() {
    Login& login = Login::form();
    login.setVisible(true);
    login.show();
    login.raise();
    login.activateWindow();
}

void Channel::mnu_chatroom_Click() {
    setVisible(true);
    show();
}

void Channel::mnu_systray_about_Click() {
    About::form().show();
}

void Channel::mnu_author_systray_Click() {
    Author::form().show();
}

void Channel::mnu_systray_exit_Click() {
    mnu_terminate_Click();
}
