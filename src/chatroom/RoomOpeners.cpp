// The room window's buttons and items that open a picker or a side window,
// each shown without a modal flag and without an owner, and the ban list request.
#include "chatroom/Channel.h"

#include "chatroom/BuddyList.h"
#include "chatroom/ChannelInfo.h"
#include "chatroom/IgnoreList.h"
#include "support/Globals.h"
#include "widgets/About.h"
#include "widgets/Author.h"
#include "widgets/FontOption.h"
#include "widgets/frmSmileys.h"
#include "widgets/frmcolor.h"

void Channel::check1_Click() {
    frmSmileys::form().show();
}

void Channel::check2_Click() {
    frmcolor::form().show();
}

void Channel::Command3_Click() {
    FontOption::form().show();
}

void Channel::command1_Click() {
    IgnoreList::form().show();
}

// The label captioned "About" opens the credits, as the one captioned "Author" does.
void Channel::Label4_Click() {
    Author::form().show();
}

void Channel::Label5_Click() {
    Author::form().show();
}

void Channel::mnu_About_Click() {
    About::form().show();
}

void Channel::mnu_author_Click() {
    Author::form().show();
}

void Channel::mnu_view_fontsize_Click() {
    FontOption::form().show();
}

void Channel::mnu_ingorelist_Click() {
    IgnoreList::form().show();
}

void Channel::mnu_View_Buddylist_Click() {
    BuddyList::form().show();
}

// The bans are appended to whatever the window shows: it is neither cleared
// nor given its first header back here.
void Channel::mnu_chan_ban_Click() {
    ChannelInfo& bans = ChannelInfo::form();
    bans.show();
    bans.strChannel = RoomName();
    G().ListRequestFlag = -1;
    bans.setWindowTitle(QStringLiteral("Channel Ban List For ") + RoomName());
    SendData(QStringLiteral("MODE ") + RoomName() + QStringLiteral(" b"));
}
