// What the room window asks of its side windows: the list replies for the ban,
// exception and invitation list window, the buddy list's answer and its
// toggle, and the block list.
#include "chatroom/Channel.h"

#include "chatroom/BuddyList.h"
#include "chatroom/ChannelInfo.h"
#include "chatroom/IgnoreList.h"
#include "chatroom/LineParameters.h"
#include "chatroom/ServerHandlers.h"
#include "support/Globals.h"

// Only a list the user asked for is shown.
void Handlers::onListEntry(Channel&, const IrcMessage& msg) {
    if (G().ListRequestFlag != 0)
        ChannelInfo::form().AddBEI(P(msg, 3, 3), P(msg, 4, 4), P(msg, 5, 5));
}

// The window comes up modal to the other windows, yet the receive loop goes on:
// the connection keeps answering the server while the user reads the list.
void Handlers::onListEnd(Channel&, const IrcMessage&) {
    ChannelInfo& info = ChannelInfo::form();
    if (!info.isVisible())
        info.showModalAndReturn();
    G().ListRequestFlag = 0;
}

void Handlers::onOnlineBuddies(Channel&, const IrcMessage& msg) {
    BuddyList::form().AddUsers(P(msg, 2));
}

void Channel::ToggleBuddyList() {
    if (BuddyList* buddies = BuddyList::loaded(); buddies && buddies->isVisible())
        buddies->Unload();
    else
        BuddyList::form();
}

// No block list loaded yet means no nick is blocked.
bool Channel::IsBlocked(const QString& nick) const {
    const IgnoreList* blocked = IgnoreList::loaded();
    return blocked && blocked->holds(nick);
}
