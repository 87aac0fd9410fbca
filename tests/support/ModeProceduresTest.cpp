#include "support/ModeProcedures.h"
#include "StandInWindows.h"
#include "support/WindowTables.h"

#include <gtest/gtest.h>

namespace {

class ModeWalk : public testing::Test {
protected:
    StandInWindows windows;
    void SetUp() override {
        NewChannelSlot("#r");
        G().MyNick = "me";
    }
};

TEST_F(ModeWalk, LettersTakeTheirParametersInOrder) {
    ParseModeChange("#r", "+ov-b alice bob x!*@*");
    EXPECT_EQ(windows.room.calls, (QStringList{"op alice 1", "voice bob 1"}));
    ParseModeChange("#R", "-v+h bob carol");
    EXPECT_EQ(windows.room.calls.mid(2), (QStringList{"voice bob 0", "helper carol 1"}));
}

TEST_F(ModeWalk, KeyLimitAndPlainLetters) {
    ParseModeChange("#r", "+l 25");
    EXPECT_EQ(windows.room.limit, 25);
    EXPECT_EQ(windows.room.modes, QStringList{"l"});
    ParseModeChange("#r", "+k-l key"); // "-l" finds no word left: the walk stops there
    EXPECT_EQ(windows.room.key, "key");
    EXPECT_EQ(windows.room.modes, (QStringList{"l", "k"}));
    ParseModeChange("#r", "+nt-k *");
    EXPECT_EQ(windows.room.modes, (QStringList{"l", "n", "t"}));
    EXPECT_EQ(windows.room.key, "");
    ParseModeChange("#r", "+l many"); // not a number: no limit
    EXPECT_EQ(windows.room.limit, 0);
}

TEST_F(ModeWalk, OwnOperatorStatusUnlocksTheTopic) {
    ParseModeChange("#r", "+o me");
    EXPECT_EQ(windows.room.topicTag, "");
    ParseModeChange("#r", "-o me");
    EXPECT_EQ(windows.room.topicTag, "locked");
    ParseModeChange("#r", "+o Me"); // exact comparison
    EXPECT_EQ(windows.room.topicTag, "locked");
}

TEST_F(ModeWalk, UserModesOfTheOwnNickAndUnknownRooms) {
    ParseModeChange("me", "+i");
    EXPECT_EQ(windows.room.modes, QStringList{"i"});
    ParseModeChange("#elsewhere", "+m");
    EXPECT_EQ(windows.room.modes, QStringList{"i"});
    for (const char* odd : {"", "+", "ooooo", "+o", "-+-+", "++vvv a"})
        ParseModeChange("#r", odd);
    EXPECT_EQ(windows.room.calls, QStringList{"voice a 1"});
}

} // namespace
