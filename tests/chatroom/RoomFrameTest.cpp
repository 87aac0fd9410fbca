// The room window's frame without a connection: the menu tree as the user sees
// it, the tab strip, the browser toolbars, the private-chat options with their
// warning, the items that need a connection, and the exit.
#include "account/Login.h"
#include "account/frmPassword.h"
#include "account/frmchange.h"
#include "account/frmregister.h"
#include "account/usenick.h"
#include "chatroom/Channel.h"
#include "chatroom/DebugWin.h"
#include "fixtures/ClientFixture.h"
#include "fixtures/NamedRows.h"
#include "fixtures/OpenedUrls.h"
#include "fixtures/Wait.h"
#include "platform/RichTextBox.h"
#include "platform/WebBrowser.h"
#include "support/Globals.h"
#include "support/QueryWindow.h"
#include "support/WebAddresses.h"
#include "support/WindowTables.h"
#include "widgets/About.h"
#include "widgets/Author.h"
#include "widgets/clsSysTray.h"
#include "widgets/frmSmileys.h"

#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QToolBar>
#include <QUrl>
#include <memory>

namespace {

// One line per item: indented by level, with its design state.
void describe(const QList<QAction*>& actions, int level, QStringList& lines) {
    for (QAction* action : actions) {
        QString line = QString(level * 2, ' ') + (action->isSeparator() ? "-" : action->text());
        if (action->isChecked())
            line += " [checked]";
        if (!action->isEnabled())
            line += " [disabled]";
        lines << line;
        if (action->menu())
            describe(action->menu()->actions(), level + 1, lines);
    }
}

class RoomFrameTest : public ClientTest {
protected:
    void SetUp() override {
        ClientTest::SetUp();
        room().show();
    }
    static int openConversations() {
        int open = 0;
        for (int k = 1; k <= G().QueryCount; ++k)
            if (QueryWindow* window = queryAt(k); window && !window->QueryNick().isEmpty())
                ++open;
        return open;
    }
};

TEST_F(RoomFrameTest, MenuTreeAsDesigned) {
    QStringList bar;
    describe(room().menuBar()->actions(), 0, bar);
    const QStringList expected{
        "&File",
        "  &Connect",
        "  &Disconnect [disabled]",
        "  &Register",
        "    Your Chat Name",
        "  &Get Clear Screen",
        "  -",
        "  &Exit Application",
        "&Option",
        "  &Change",
        "    &Your NickName",
        "    &Your Password",
        "    &Font Settings",
        "    &Present Status",
        "      &..:Be Right Back:..",
        "      &..:On The Dinner:..",
        "      &..:On The Lunch:..",
        "      &..:On The Phone:..",
        "      &..:Busy:..",
        "      &..:Away From Keyboard:..",
        "      &..:Away [Own Reason]:..",
        "  &Recieve/Send Private Chat",
        "    &Yes [checked]",
        "    &No",
        "  &Get Private Chat Sound",
        "    &Yes [checked]",
        "    &No",
        "&View",
        "  &View Channel Ban List",
        "  &View Buddy List Users",
        "  &View Ignore List Users",
        "&Help",
        "  &About Application",
        "  &About Author/Creator",
        "  -",
        "  &Application Homepage",
    };
    EXPECT_EQ(bar, expected);

    QStringList nicks;
    describe(room().mnu_nicks->actions(), 0, nicks);
    const QStringList expectedNicks{"Conversation",
                                    "Block Conversation",
                                    "&Slap",
                                    "-",
                                    "&Action",
                                    "  &Hi",
                                    "  &Welome",
                                    "  &Hugs",
                                    "  &Handshakes",
                                    "Own Action",
                                    "-",
                                    "Whois",
                                    "&Op",
                                    "&Halfop",
                                    "&Voice",
                                    "-",
                                    "Kick this user",
                                    "Ban this user"};
    EXPECT_EQ(nicks, expectedNicks);
    EXPECT_FALSE(room().menuBar()->actions().contains(room().mnu_nicks->menuAction()));
    EXPECT_FALSE(room().mnu_blocked->isCheckable()); // never shown checked, so private chat stays open
}

// The tabs, each with the panes it shows: the home page, the other page, or the room.
struct Tab {
    const char* name;
    int index;
    bool home, misc, room;
};

const Tab kTabs[] = {
    {"Home", 0, true, false, false}, {"Misc", 2, false, true, false}, {"ChatRoom", 1, false, false, true}};

class TabTest : public RoomFrameTest, public testing::WithParamInterface<Tab> {};

TEST_P(TabTest, SwapsTheRoomForTheWebPanes) {
    const Tab& tab = GetParam();
    Channel& c = room();
    c.TBar->setCurrentIndex((tab.index + 1) % c.TBar->count()); // from another tab
    c.TBar->setCurrentIndex(tab.index);
    const QString caption = c.TBar->tabText(tab.index);
    EXPECT_EQ(c.Home->isVisible(), tab.home) << qPrintable(caption);
    EXPECT_EQ(c.ToolBar1->isVisible(), tab.home) << qPrintable(caption);
    EXPECT_EQ(c.Misc->isVisible(), tab.misc) << qPrintable(caption);
    EXPECT_EQ(c.Toolbar2->isVisible(), tab.misc) << qPrintable(caption);
    for (QWidget* control : {static_cast<QWidget*>(c.DataIn), static_cast<QWidget*>(c.rtbTopic),
                             static_cast<QWidget*>(c.lstNicks), static_cast<QWidget*>(c.Label5)})
        EXPECT_EQ(control->isVisible(), tab.room) << qPrintable(caption);
    EXPECT_TRUE(c.cmdCount->isVisible()) << qPrintable(caption); // on every tab
    EXPECT_FALSE(c.Label1->isHidden()) << qPrintable(caption);
}

INSTANTIATE_TEST_SUITE_P(, TabTest, testing::ValuesIn(kTabs), RowName());

TEST_F(RoomFrameTest, TheRoomTabShowsFirstAndATabOfAnotherCaptionChangesNothing) {
    Channel& c = room();
    EXPECT_EQ(c.TBar->tabText(c.TBar->currentIndex()), "ChatRoom");
    c.TBar->setTabText(0, "Other");
    c.TBar->setCurrentIndex(0);
    EXPECT_TRUE(c.DataIn->isVisible());
    EXPECT_FALSE(c.Home->isVisible());
}

TEST_F(RoomFrameTest, ToolbarsCarryTheSixKeysAndIgnoreOthers) {
    for (QToolBar* bar : {room().ToolBar1, room().Toolbar2}) {
        QStringList keys;
        for (QAction* button : bar->actions())
            keys << button->data().toString();
        EXPECT_EQ(keys, QStringList({"Back", "Forward", "Stop", "Refresh", "Home", "Search"}));
    }
    room().Home->Navigate("qrc:/web/one.html");
    room().Misc->Navigate("qrc:/web/two.html");
    room().ToolBar1_ButtonClick("Print");
    room().Toolbar2_ButtonClick("back"); // keys compare exactly
    EXPECT_EQ(room().Home->locationUrl(), "qrc:/web/one.html");
    EXPECT_EQ(room().Misc->locationUrl(), "qrc:/web/two.html");
}

TEST_F(RoomFrameTest, HomeAndSearchButtonsGoToTheProgramsAddresses) {
    room().ToolBar1_ButtonClick("Home");
    room().Toolbar2_ButtonClick("Search");
    EXPECT_EQ(room().Home->locationUrl(), WebAddresses::Home);
    EXPECT_EQ(room().Misc->locationUrl(), WebAddresses::Search);
}

// The answer to the warning, and the conversations it leaves open of two.
struct WarningAnswer {
    const char* name;
    Dialogs::Answer answer;
    int left;
};

const WarningAnswer kWarningAnswers[] = {{"No", Dialogs::Answer::No, 2}, {"Yes", Dialogs::Answer::Yes, 0}};

class PrivateWindowsWarningTest : public RoomFrameTest, public testing::WithParamInterface<WarningAnswer> {};

TEST_P(PrivateWindowsWarningTest, ClosesTheConversationsOnYesOnly) {
    OpenQuery("bob", "bob!b@h");
    OpenQuery("carol", "carol!c@h");
    OpenQuery("dave", "dave!d@h");
    queryAt(FindQueryIndex("dave"))->unloadWindow(); // a free slot stays free
    answers = {{GetParam().answer, QString()}};
    room().closequery();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].buttons, Dialogs::Buttons::YesNo);
    EXPECT_EQ(boxes[0].icon, Dialogs::Icon::Question);
    EXPECT_TRUE(boxes[0].prompt.startsWith("You cannot recieve/send any message with chatters."));
    EXPECT_EQ(openConversations(), GetParam().left);
}

INSTANTIATE_TEST_SUITE_P(, PrivateWindowsWarningTest, testing::ValuesIn(kWarningAnswers), RowName());

TEST_F(RoomFrameTest, PrivateChatOffAsksAndRefusesNewConversations) {
    Channel& c = room();
    OpenQuery("bob", "bob!b@h");
    for (int click = 0; click < 2; ++click) { // asked on every click
        answers = {{Dialogs::Answer::Yes, QString()}};
        c.mnu_pm_yes->trigger();
        EXPECT_TRUE(c.mnu_pm_yes->isChecked());
        EXPECT_FALSE(c.mnu_pm_no->isChecked());
        EXPECT_EQ(boxes.size(), std::size_t(click + 1));
    }
    EXPECT_EQ(openConversations(), 0);
    EXPECT_EQ(OpenQuery("carol", "carol!c@h"), 0);
    c.mnu_pm_no->trigger();
    EXPECT_TRUE(c.mnu_pm_no->isChecked());
    EXPECT_FALSE(c.mnu_pm_yes->isChecked());
    EXPECT_NE(OpenQuery("carol", "carol!c@h"), 0);

    c.mnu_sound_yes->trigger();
    EXPECT_FALSE(c.PrivateChatSoundOn());
    c.mnu_sound_yes->trigger(); // already ticked: stays so
    EXPECT_TRUE(c.mnu_sound_yes->isChecked());
    c.mnu_sound_no->trigger();
    EXPECT_TRUE(c.PrivateChatSoundOn());
    EXPECT_EQ(boxes.size(), 2u); // the sound pair asks nothing
}

// The exit: the side windows go in their order, then every conversation with
// someone (a window whose slot is free stays), the icon leaves the
// notification area, and the program ends without asking any window left.
TEST_F(RoomFrameTest, ExitUnloadsInOrderAndEnds) {
    auto unloaded = std::make_shared<QStringList>();
    const auto watch = [unloaded](Form& window, const QString& name) {
        window.onUnloaded = [unloaded, name, before = window.onUnloaded] {
            *unloaded << name;
            if (before)
                before();
        };
    };
    // Loaded in another order than the exit's, so the order is the exit's own.
    watch(About::form(), "About");
    watch(usenick::form(), "usenick");
    watch(Author::form(), "Author");
    watch(frmSmileys::form(), "frmSmileys");
    watch(frmchange::form(), "frmchange");
    watch(frmregister::form(), "frmregister");
    watch(DebugWin::form(), "DebugWin");
    for (const char* nick : {"bob", "carol", "dave"}) {
        QueryWindow* conversation = queryAt(OpenQuery(nick, QString(nick) + "!u@h"));
        watch(*dynamic_cast<Form*>(conversation->object()), nick);
    }
    queryAt(FindQueryIndex("carol"))->setQueryNick(QString()); // its slot is free, its window still there
    Login& login = Login::form();
    ASSERT_TRUE(login.gSysTray->NotifyIcon().isVisible());

    EXPECT_EQ(runEventLoop([&] { room().mnu_terminate_Click(); }), 0);
    EXPECT_EQ(*unloaded, (QStringList{"DebugWin", "frmregister", "frmSmileys", "frmchange", "usenick",
                                      "Author", "About", "bob", "dave"}));
    EXPECT_FALSE(login.gSysTray->NotifyIcon().isVisible());
    EXPECT_TRUE(boxes.empty()); // the room window's close question never came
    EXPECT_NE(Channel::loaded(), nullptr);
    EXPECT_EQ(Login::loaded(), &login);
}

TEST_F(RoomFrameTest, ItemsThatNeedAConnection) {
    room().mnu_File_changepass->trigger();
    EXPECT_EQ(frmPassword::loaded(), nullptr);

    room().mnu_register_nickname->trigger();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].prompt,
              "Check Your Internet Connection. You are not connected to register your nickname.");
    EXPECT_EQ(boxes[0].title, "Not Connected");
    EXPECT_EQ(boxes[0].buttons, Dialogs::Buttons::Ok);

    // Status and social items send nothing and leave the away state alone.
    room().mnu_status_busy->trigger();
    room().mnu_status_away->trigger();
    EXPECT_EQ(room().mnu_status_away->text(), "&..:Away [Own Reason]:..");
    EXPECT_EQ(boxes.size(), 1u);

    room().mnu_File_changenick->trigger();
    ASSERT_NE(frmchange::loaded(), nullptr);
    EXPECT_TRUE(frmchange::loaded()->isVisible());
}

TEST_F(RoomFrameTest, HomepageOpensInTheBrowser) {
    OpenedUrls browser;
    room().mnu_Homepage->trigger();
    EXPECT_EQ(browser.urls, QList<QUrl>{QUrl(WebAddresses::Homepage)});
}

} // namespace
