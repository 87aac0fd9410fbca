// The buddy list: the stored list and its keys, adding and removing, the online
// list from the server's answer, the ISON cycle against a real server, and the
// places that load the window.
#include "chatroom/BuddyList.h"
#include "chatroom/BuddyStore.h"
#include "chatroom/Channel.h"
#include "chatroom/DebugWin.h"
#include "fixtures/ClientFixture.h"
#include "fixtures/IrcPeer.h"
#include "fixtures/IrcTestServer.h"
#include "fixtures/NamedRows.h"
#include "fixtures/Wait.h"
#include "platform/ProgramEnd.h"
#include "support/CommandParser.h"
#include "support/Globals.h"
#include "support/Settings.h"
#include "support/WindowTables.h"
#include "widgets/xpButton.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPointer>

namespace {

QString stored(const QString& key) {
    return getSetting("Listsetup", "Sect", key);
}

class BuddyListTest : public ClientTest {
protected:
    void SetUp() override {
        ClientTest::SetUp();
        loadRoomAs("me");
    }
    // Adds nicks through the Add button's prompt.
    void add(const QStringList& answered) {
        for (const QString& text : answered) {
            answers.push_back({Dialogs::Answer::Ok, text});
            BuddyList::form().cmdAdd_Click();
        }
    }
    // Ends the window as the program's exit does: without its unload handler.
    static void destroyWindow() {
        BuddyList::form().Destroy();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(BuddyListTest, DesignedViewsAndTimer) {
    BuddyList& buddies = BuddyList::form();
    EXPECT_EQ(buddies.windowTitle(), "View Whois Online");
    EXPECT_FALSE(buddies.isVisible());
    EXPECT_EQ(buddies.tmrRefresh.interval(), 60000);
    EXPECT_TRUE(buddies.tmrRefresh.isActive());
    const auto view = [&buddies] {
        return std::tuple{buddies.lblWhich->text(), buddies.lstSetup->isVisibleTo(&buddies),
                          buddies.cmdAdd->isVisibleTo(&buddies), buddies.cmdRem->isVisibleTo(&buddies)};
    };
    EXPECT_EQ(view(), std::tuple(QString("Online"), false, false, false));
    buddies.Command2_Click();
    EXPECT_EQ(view(), std::tuple(QString("Setup"), true, true, true));
    buddies.command1_Click();
    EXPECT_EQ(view(), std::tuple(QString("Online"), false, false, false));
    EXPECT_TRUE(buddies.lstNicks->isVisibleTo(&buddies));
    EXPECT_TRUE(buddies.cmdClear->isVisibleTo(&buddies));
}

// A nick typed at the Add button's prompt, with the list stored before it.
struct BuddyAdd {
    const char* name;
    QStringList before;
    const char* answer;
    QStringList after;
};

const BuddyAdd kBuddyAdds[] = {
    {"Nothing", {}, "", {}},
    {"Blanks", {}, "   ", {}},
    {"ANick", {}, "bob", {"bob"}},
    {"BlanksAroundAndInside", {"bob"}, " al ice ", {"bob", "alice"}},
    {"StoredNickInCapitals", {"bob", "alice"}, "BOB", {"bob", "alice"}},
    {"StoredNickCapitalised", {"bob", "alice"}, "Alice", {"bob", "alice"}},
    {"AnotherNick", {"bob", "alice"}, "carol", {"bob", "alice", "carol"}},
};

class BuddyAddTest : public BuddyListTest, public testing::WithParamInterface<BuddyAdd> {};

TEST_P(BuddyAddTest, TakesANickOnceWithoutBlanks) {
    const BuddyAdd& c = GetParam();
    add(c.before);
    ASSERT_EQ(itemTexts(*BuddyList::form().lstSetup), c.before);
    add({c.answer});
    EXPECT_EQ(itemTexts(*BuddyList::form().lstSetup), c.after) << c.answer;
    // Only the prompts: a nick stored already shows no message.
    ASSERT_EQ(boxes.size(), static_cast<std::size_t>(c.before.size()) + 1);
    EXPECT_TRUE(boxes.back().input);
    EXPECT_EQ(boxes.back().prompt, "Enter a nickname to add");
    EXPECT_EQ(boxes.back().title, "Whois Online");
    EXPECT_EQ(boxes.back().defaultText, "");
}

INSTANTIATE_TEST_SUITE_P(, BuddyAddTest, testing::ValuesIn(kBuddyAdds), RowName());

// Every change is stored at once, so the list survives an exit that runs no
// unload handler.
TEST_F(BuddyListTest, StoredListKeysOrderAndEveryChange) {
    add({"zed", "amy", "Bob"});
    EXPECT_EQ(stored("boty1"), "3");
    EXPECT_EQ(stored("boty10"), "zed");
    EXPECT_EQ(stored("boty11"), "amy");
    EXPECT_EQ(stored("boty12"), "Bob");
    EXPECT_EQ(getSetting("LISTSETUP", "sect", "BOTY12"), "Bob");

    destroyWindow();
    BuddyList& again = BuddyList::form();
    EXPECT_EQ(itemTexts(*again.lstSetup), (QStringList{"zed", "amy", "Bob"}));
    EXPECT_EQ(again.lstNicks->count(), 0);

    again.lstSetup->item(0)->setSelected(true);
    again.cmdRem_Click();
    EXPECT_EQ(stored("boty1"), "2");
    EXPECT_EQ(stored("boty10"), "amy");
    EXPECT_EQ(stored("boty12"), "Bob"); // past the count: left, and ignored
    again.cmdRem_Click();               // nothing selected now
    destroyWindow();
    EXPECT_EQ(itemTexts(*BuddyList::form().lstSetup), (QStringList{"amy", "Bob"}));

    BuddyList::form().cmdClear_Click();
    EXPECT_EQ(stored("boty1"), "0");
    destroyWindow();
    EXPECT_EQ(BuddyList::form().lstSetup->count(), 0);

    add({"kim"}); // the unload handler stores the list as well
    ASSERT_TRUE(BuddyList::form().Unload());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(itemTexts(*BuddyList::form().lstSetup), (QStringList{"kim"}));
}

// The room window's exit runs no unload handler of the buddy list, and the
// program ends; the next run still finds every change made before it.
TEST_F(BuddyListTest, TheStoredListSurvivesTheExit) {
    add({"kim", "lee"});
    BuddyList::form().lstSetup->item(0)->setSelected(true);
    BuddyList::form().cmdRem_Click();
    add({"max"});
    EXPECT_EQ(runEventLoop([] { Channel::form().mnu_terminate_Click(); }), 0);
    ASSERT_NE(BuddyList::loaded(), nullptr); // the exit left it loaded
    destroyWindow();                         // as the end of the program takes it
    forgetProgramEnd();                      // the next run
    EXPECT_EQ(loadBuddies(), (QStringList{"lee", "max"}));
    EXPECT_EQ(itemTexts(*BuddyList::form().lstSetup), (QStringList{"lee", "max"}));
}

// A stored count that does not say how long the stored list is.
struct StoredCount {
    const char* name;
    const char* count; // nullptr: none stored
    QStringList loaded;
};

const StoredCount kStoredCounts[] = {
    {"Missing", nullptr, {}},
    {"NotANumber", "x", {}},
    {"Negative", "-2", {}},
    {"ShorterThanTheList", "2", {"a", "b"}},
    {"Huge", "999999999", {"a", "b", "c"}},
};

class StoredCountTest : public BuddyListTest, public testing::WithParamInterface<StoredCount> {};

TEST_P(StoredCountTest, LoadsNoMoreThanIsStored) {
    const StoredCount& c = GetParam();
    saveSetting("Listsetup", "Sect", "boty10", "a");
    saveSetting("Listsetup", "Sect", "boty11", "b");
    saveSetting("Listsetup", "Sect", "boty12", "c");
    if (c.count)
        saveSetting("Listsetup", "Sect", "boty1", c.count);
    EXPECT_EQ(loadBuddies(), c.loaded) << (c.count ? c.count : "missing");
}

INSTANTIATE_TEST_SUITE_P(, StoredCountTest, testing::ValuesIn(kStoredCounts), RowName());

// The server's answer to ISON, and the online list it leaves in place of the
// one shown before.
struct OnlineAnswer {
    const char* name;
    const char* line;
    QStringList online;
};

const OnlineAnswer kOnlineAnswers[] = {
    {"TwoNicks", ":s 303 me :alice bob", {"alice", "bob"}},
    {"ExtraBlanks", ":s 303 me :carol  dave ", {"carol", "dave"}},
    {"Nobody", ":s 303 me :", {}},
    {"CarriageReturn", ":s 303 me :erin\r", {"erin"}},
    {"NoTrailingParameter", ":s 303 me", {}},
    {"Markup", ":s 303 me :<b>x</b>", {"<b>x</b>"}},
};

class OnlineAnswerTest : public BuddyListTest, public testing::WithParamInterface<OnlineAnswer> {};

TEST_P(OnlineAnswerTest, ReplacesTheOnlineList) {
    feed(":s 303 me :zed");
    ASSERT_EQ(itemTexts(*BuddyList::form().lstNicks), QStringList{"zed"});
    feed(GetParam().line);
    EXPECT_EQ(itemTexts(*BuddyList::form().lstNicks), GetParam().online) << GetParam().line;
    EXPECT_FALSE(BuddyList::form().isVisible());
}

INSTANTIATE_TEST_SUITE_P(, OnlineAnswerTest, testing::ValuesIn(kOnlineAnswers), RowName());

TEST_F(BuddyListTest, DoubleClickOpensAConversation) {
    BuddyList& buddies = BuddyList::form();
    buddies.AddUsers("alice bob");
    buddies.lstNicks_DblClick(); // nothing selected
    EXPECT_EQ(G().QueryCount, 0);
    buddies.lstNicks->item(1)->setSelected(true);
    buddies.lstNicks_DblClick();
    ASSERT_NE(FindQueryIndex("bob"), -1);
    EXPECT_EQ(FindQueryIndex("alice"), -1);
}

// The window is loaded (hidden) by a user's notice and by the server closing
// the connection, which empties its online list; "bl" loads or unloads it.
TEST_F(BuddyListTest, PlacesThatLoadTheWindow) {
    feed("NOTICE AUTH :*** Looking up your hostname");
    EXPECT_EQ(BuddyList::loaded(), nullptr);
    feed(":bob!b@h NOTICE me :psst");
    ASSERT_NE(BuddyList::loaded(), nullptr);
    EXPECT_FALSE(BuddyList::loaded()->isVisible());

    BuddyList::form().AddUsers("alice bob");
    room().sock_Close();
    EXPECT_EQ(BuddyList::form().lstNicks->count(), 0);
    destroyWindow();
    room().sock_Close();
    EXPECT_NE(BuddyList::loaded(), nullptr);

    EXPECT_EQ(ParseCommand("", "bl"), ""); // loaded, not shown: loaded again
    ASSERT_NE(BuddyList::loaded(), nullptr);
    EXPECT_FALSE(BuddyList::loaded()->isVisible());
    BuddyList::form().show();
    QPointer<BuddyList> shown(BuddyList::loaded());
    ParseCommand("", "bl");
    EXPECT_EQ(BuddyList::loaded(), nullptr);
    ParseCommand("", "bl");
    EXPECT_NE(BuddyList::loaded(), nullptr);
    EXPECT_NE(BuddyList::loaded(), shown.data());
}

class BuddyListServerTest : public BuddyListTest {
protected:
    IrcTestServer& server = IrcTestServer::shared();

    static qsizetype isonLines() { return traffic().count("<< ISON "); }
};

// One ISON line for the whole stored list (ending in a blank); the answer
// lists those online. The cycle asks on every second tick.
TEST_F(BuddyListServerTest, OnlineAndOfflineBuddies) {
    const QString friendNick = IrcTestServer::uniqueNick("friend");
    const QString ghost = IrcTestServer::uniqueNick("ghost");
    IrcPeer buddy;
    ASSERT_TRUE(buddy.connectAndRegister(server, friendNick));
    connectTo(server, IrcTestServer::uniqueNick("watcher"));
    ASSERT_TRUE(waitForWelcome());
    DebugWin::form().show();
    BuddyList& buddies = BuddyList::form();

    buddies.Reload(); // an empty stored list asks nothing
    buddies.tmrRefresh_Timer();
    buddies.tmrRefresh_Timer();
    EXPECT_EQ(isonLines(), 0);

    add({ghost});
    add({friendNick});
    EXPECT_TRUE(traffic().contains("<< ISON " + ghost + " " + friendNick + " \n")) << traffic().toStdString();
    ASSERT_TRUE(waitUntil([&] { return itemTexts(*buddies.lstNicks) == QStringList{friendNick}; }));

    const qsizetype asked = isonLines();
    buddies.tmrRefresh_Timer();
    EXPECT_EQ(isonLines(), asked);
    ASSERT_TRUE(buddy.quit());
    buddies.tmrRefresh_Timer();
    EXPECT_EQ(isonLines(), asked + 1);
    EXPECT_TRUE(waitUntil([&] { return buddies.lstNicks->count() == 0; }));
}

} // namespace
