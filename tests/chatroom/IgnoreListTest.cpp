// The block list: adding with its refusals, the entries other windows read,
// and a blocked peer on a real server.
#include "chatroom/IgnoreList.h"
#include "chatroom/Channel.h"
#include "fixtures/ClientFixture.h"
#include "fixtures/IrcPeer.h"
#include "fixtures/IrcTestServer.h"
#include "fixtures/NamedRows.h"
#include "fixtures/Wait.h"
#include "support/ColouredText.h"
#include "support/Globals.h"
#include "support/WindowTables.h"

#include <QListWidget>

namespace {

class IgnoreListTest : public ClientTest {
protected:
    void SetUp() override {
        ClientTest::SetUp();
        loadRoomAs("me");
    }
    void add(const QString& answer) {
        answers.push_back({Dialogs::Answer::Ok, answer});
        IgnoreList::form().cmdAdd_Click();
    }
};

// A nick typed at the Add button's prompt, with the room's members (an
// operator, a half-operator, a voiced and a plain member) and what the list
// held before it.
struct Block {
    const char* name;
    const char* blocked; // on the list before, or ""
    const char* answer;
    const char* refusal; // "" when added
};

const Block kBlocks[] = {
    {"Self", "", "me", "You can't block yourself?"},
    {"SelfInOtherCase", "", "ME", ""}, // the own nick compares exactly
    {"Operator", "", "OP", "You can't block a Operator"},
    {"HalfOperator", "", "half", "You can't block a Operator"},
    {"VoicedMember", "", "voiced", ""},
    {"Stranger", "", "stranger", ""}, // not in the room
    {"StrangerTwice", "stranger", "Stranger", "Are you trying to add same nick?"},
    {"MemberTwice", "voiced", "VOICED", "Are you trying to add same nick?"},
};

class BlockTest : public IgnoreListTest, public testing::WithParamInterface<Block> {
protected:
    void SetUp() override {
        IgnoreListTest::SetUp();
        feed(":me!u@h JOIN #r");
        feed(":s 353 me = #r :@op %half +voiced plain me");
    }
};

TEST_P(BlockTest, AddRefusesSelfOperatorsAndTwiceTheSameNick) {
    const Block& c = GetParam();
    QStringList entries;
    if (*c.blocked != '\0') {
        add(c.blocked);
        entries << QString(c.blocked) + " - Blocked";
        ASSERT_EQ(itemTexts(*IgnoreList::form().List1), entries);
    }
    boxes.clear();
    add(c.answer);
    ASSERT_GE(boxes.size(), 1u) << c.answer;
    EXPECT_EQ(boxes[0].prompt, "Add a nickname to IgnoreList");
    EXPECT_EQ(boxes[0].title, "IgnoreList");
    if (*c.refusal == '\0') {
        EXPECT_EQ(boxes.size(), 1u) << c.answer;
        entries << QString(c.answer) + " - Blocked";
    } else {
        ASSERT_EQ(boxes.size(), 2u) << c.answer;
        EXPECT_EQ(boxes[1].prompt, c.refusal);
        EXPECT_EQ(boxes[1].title, "Block");
        EXPECT_EQ(boxes[1].buttons, Dialogs::Buttons::Ok);
    }
    EXPECT_EQ(itemTexts(*IgnoreList::form().List1), entries);
}

INSTANTIATE_TEST_SUITE_P(, BlockTest, testing::ValuesIn(kBlocks), RowName());

TEST_F(IgnoreListTest, ACancelledPromptAddsNothing) {
    add("stranger");
    add(""); // cancelled
    EXPECT_EQ(IgnoreList::form().List1->count(), 1);
}

// Entries compare in lower case; the window lasts the whole run.
TEST_F(IgnoreListTest, EntriesRemoveClearAndClosing) {
    IgnoreList& list = IgnoreList::form();
    list.addEntry("Bob");
    list.addEntry("carol");
    EXPECT_TRUE(list.holds("bob"));
    EXPECT_TRUE(list.holds("CAROL"));
    EXPECT_FALSE(list.holds("bo"));
    EXPECT_FALSE(list.holds("Bob - Blocked"));

    list.show();
    EXPECT_FALSE(list.close());
    EXPECT_FALSE(list.isVisible());
    EXPECT_EQ(IgnoreList::loaded(), &list);
    EXPECT_EQ(itemTexts(*list.List1), (QStringList{"Bob - Blocked", "carol - Blocked"}));

    list.cmdRemove_Click(); // nothing selected
    EXPECT_EQ(list.List1->count(), 2);
    list.List1->item(0)->setSelected(true);
    list.cmdRemove_Click();
    EXPECT_EQ(itemTexts(*list.List1), (QStringList{"carol - Blocked"}));
    list.cmdClear_Click();
    EXPECT_EQ(list.List1->count(), 0);
}

// A blocked nick has no conversation: its private lines show nowhere.
TEST_F(IgnoreListTest, ABlockedNickOpensNoConversation) {
    EXPECT_FALSE(room().IsBlocked("bob")); // no block list loaded yet
    IgnoreList::form().addEntry("Bob");
    EXPECT_TRUE(room().IsBlocked("BOB"));
    feed(":bob!b@h PRIVMSG me :hello");
    EXPECT_EQ(FindQueryIndex("bob"), -1);
    EXPECT_EQ(G().QueryCount, 0);
    feed(":carol!c@h PRIVMSG me :hello");
    EXPECT_NE(FindQueryIndex("carol"), -1);
}

class IgnoreListServerTest : public IgnoreListTest {
protected:
    IrcTestServer& server = IrcTestServer::shared();
};

// The blocked peer is told; its private messages then open no window while
// another peer's do.
TEST_F(IgnoreListServerTest, BlockedPeerIsToldAndIgnored) {
    const QString nick = IrcTestServer::uniqueNick("blocker");
    const QString pestNick = IrcTestServer::uniqueNick("pest");
    const QString palNick = IrcTestServer::uniqueNick("pal");
    IrcPeer pest;
    IrcPeer pal;
    ASSERT_TRUE(pest.connectAndRegister(server, pestNick));
    ASSERT_TRUE(pal.connectAndRegister(server, palNick));
    connectTo(server, nick);
    ASSERT_TRUE(waitForWelcome());

    add(pestNick.toUpper());
    const QString told = pest.waitForLine(QRegularExpression(" PRIVMSG " + pestNick + " :"));
    EXPECT_TRUE(told.startsWith(":" + nick + "!")) << told.toStdString();
    EXPECT_TRUE(told.endsWith(" :" + Chr3 + "4" + Chr2 + "You've been ignored by " + nick +
                              "[Zendrin Messenger Xtreme]"))
        << told.toStdString();

    pest.send("PRIVMSG " + nick + " :let me in");
    pest.send("PRIVMSG " + nick + " :" + Chr1 + "PING 1" +
              Chr1); // shown in the room once the line before is read
    ASSERT_TRUE(waitForPane(pestNick + " has just pinged you"));
    EXPECT_EQ(FindQueryIndex(pestNick), -1);
    pal.send("PRIVMSG " + nick + " :hi");
    ASSERT_TRUE(waitUntil([&] { return FindQueryIndex(palNick) != -1; }));
    EXPECT_EQ(G().QueryCount, 1);
}

} // namespace
