#include "chatroom/RegisterWindows.h"

#include "chatroom/Channel.h"
#include "support/Windows.h"

void RegisterWindows() {
    Windows::SetRoomLoader([]() -> RoomWindow& { return Channel::form(); });
}
