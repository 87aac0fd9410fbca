#include "support/WindowTables.h"
#include "StandInWindows.h"
#include "support/ColouredText.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

class WindowTablesTest : public testing::Test {
protected:
    StandInWindows windows;
};

TEST_F(WindowTablesTest, OneRoomSlotFoundWithoutCaseOrCarriageReturn) {
    EXPECT_EQ(FindChannelIndex("#Korvu"), -1);
    EXPECT_EQ(NewChannelSlot("#Korvu"), 1);
    EXPECT_EQ(windows.room.tag, "1");
    EXPECT_EQ(FindChannelIndex("#KORVU\r"), 1);
    EXPECT_EQ(channelAt(1), &windows.room);
    // A second room finds no slot; the room of slot 1 keeps being found.
    EXPECT_THROW(NewChannelSlot("#other"), TableFull);
    EXPECT_EQ(G().ChannelCount, 2);
    EXPECT_EQ(windows.room.name, "#Korvu");
    EXPECT_EQ(FindChannelIndex("#korvu"), 1);
    EXPECT_EQ(FindChannelIndex("#other"), -1);
}

// Counts raised by server input stop at their largest value; an index from a
// count that is out of range reaches no slot.
TEST_F(WindowTablesTest, CountsOutOfRangeNeverReachOutsideTheTables) {
    NewChannelSlot("#Korvu");
    G().ChannelCount = std::numeric_limits<qint32>::max() - 1;
    for (int k = 0; k < 2; ++k)
        EXPECT_THROW(NewChannelSlot("#more"), TableFull);
    EXPECT_EQ(G().ChannelCount, std::numeric_limits<qint32>::max());
    EXPECT_EQ(FindChannelIndex("#korvu"), 1);
    G().ChannelCount = -32768; // a count that wrapped
    EXPECT_THROW(NewChannelSlot("#more"), TableFull);
    EXPECT_EQ(windows.room.name, "#Korvu");
    EXPECT_EQ(FindChannelIndex("#korvu"), -1);
    EXPECT_EQ(channelAt(-32767), nullptr);

    OpenQuery("alice", "");
    G().QueryCount = 500;
    EXPECT_EQ(FindQueryIndex("alice"), 1);
    EXPECT_EQ(FindQueryIndex("nobody"), -1);
    EXPECT_EQ(queryAt(31), nullptr);
    EXPECT_EQ(queryAt(-1), nullptr);
    HandleQuit("nobody", "x");
    G().QueryCount = -3;
    EXPECT_EQ(FindQueryIndex("alice"), -1);
}

TEST_F(WindowTablesTest, NobodyHasAConversationWindow) {
    OpenQuery("alice", "");
    windows.close(1); // a free slot: its nick is ""
    EXPECT_EQ(FindQueryIndex(""), -1);
    EXPECT_FALSE(QueryExists(""));
    EXPECT_EQ(OpenQuery("", "irc.server"), 0);
    EXPECT_EQ(windows.created.size(), 1u);
}

TEST_F(WindowTablesTest, SlotsAreReusedLowestFirstAndTheCountIsAHighWaterMark) {
    EXPECT_EQ(OpenQuery("alice", "alice!al@host.example"), 1);
    EXPECT_EQ(OpenQuery("bob", ""), 2);
    EXPECT_EQ(windows.query(1)->lblHost, "al@host.example");
    EXPECT_EQ(windows.query(1)->caption, "alice");
    EXPECT_EQ(windows.query(1)->tag, "1");
    EXPECT_EQ(windows.query(2)->lblHost, "");
    EXPECT_EQ(OpenQuery("ALICE", ""), 1); // already open: brought forward, nothing else
    EXPECT_EQ(windows.query(1)->raised, 1);
    EXPECT_EQ(windows.query(1)->nick, "alice");

    windows.close(1);
    EXPECT_EQ(FindQueryIndex("alice"), -1);
    EXPECT_EQ(OpenQuery("carol", ""), 1);
    EXPECT_EQ(G().QueryCount, 2);
    EXPECT_EQ(windows.created.size(), 3u); // the reused slot has a new window
}

TEST_F(WindowTablesTest, ThirtyConversationsAtMost) {
    for (int k = 1; k <= 30; ++k)
        ASSERT_EQ(OpenQuery(QString("nick%1").arg(k), ""), k);
    EXPECT_THROW(OpenQuery("one-too-many", ""), TableFull);
    EXPECT_EQ(G().QueryCount, 30);
    windows.close(17);
    EXPECT_EQ(OpenQuery("one-too-many", ""), 17);
}

TEST_F(WindowTablesTest, PrivateChatOffOrBlockedOpensNothing) {
    windows.room.refusePrivateChat = true;
    EXPECT_EQ(OpenQuery("alice", ""), 0);
    windows.room.refusePrivateChat = false;
    windows.room.blocked << "Mallory";
    EXPECT_EQ(OpenQuery("mallory", ""), 0);
    EXPECT_FALSE(QueryExists("mallory"));
    EXPECT_EQ(G().QueryCount, 0);
}

TEST_F(WindowTablesTest, QuitsReachTheRoomAndTheConversation) {
    NewChannelSlot("#r");
    windows.room.nicks.push_back(NickEntry{"Bob"});
    OpenQuery("bob", "");
    HandleQuit("bob", "gone");
    EXPECT_EQ(windows.room.calls, QStringList{"remove bob"});
    const QString line = " bob has Quit IRC ( gone )\n";
    EXPECT_EQ(windows.room.pane.Text(), line);
    EXPECT_EQ(windows.query(1)->pane.Text(), line);

    HandleQuit("nobody", "x"); // in no room and no window: nothing changes
    EXPECT_EQ(windows.room.calls.size(), 1);
}

TEST_F(WindowTablesTest, NickChangesRenameTheConversationOnlyWhenTheNickIsInARoom) {
    NewChannelSlot("#r");
    windows.room.nicks.push_back(NickEntry{"bob"});
    OpenQuery("bob", "");
    OpenQuery("dave", "");
    ChangeNickEverywhere("BOB", "robert");
    EXPECT_EQ(windows.query(1)->nick, "robert");
    EXPECT_EQ(windows.query(1)->caption, "robert");
    EXPECT_EQ(windows.room.calls, QStringList{"rename BOB robert"});
    ChangeNickEverywhere("dave", "david"); // dave is in no room
    EXPECT_EQ(windows.query(2)->nick, "dave");
}

} // namespace
