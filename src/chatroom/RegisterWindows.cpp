#include "chatroom/RegisterWindows.h"

#include "chatroom/Channel.h"
#include "conversation/Query.h"
#include "support/Windows.h"

void RegisterWindows() {
    Windows::SetRoomLoader([]() -> RoomWindow& { return Channel::form(); });
    Windows::SetQueryFactory([]() -> QueryWindow* { return Query::Create(); });
}
