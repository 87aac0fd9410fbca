// The room window's notification-area menu: the sign-in window pops it up from
// the tray icon, and desktops that draw the icon's menu themselves show it.
#include "chatroom/Channel.h"

#include "account/Login.h"
#include "widgets/About.h"
#include "widgets/Author.h"

void Channel::mnu_systray_hide_Click() {
    Login::form().showAgain();
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
