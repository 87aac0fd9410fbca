// The room window's buttons and items that open pickers and side windows, what
// the pickers give back to the room's input line, and blocking from the nick list.
#include "chatroom/BuddyList.h"
#include "chatroom/Channel.h"
#include "chatroom/IgnoreList.h"
#include "conversation/Query.h"
#include "fixtures/ClientFixture.h"
#include "fixtures/NamedRows.h"
#include "support/Globals.h"
#include "support/WindowTables.h"
#include "widgets/About.h"
#include "widgets/Author.h"
#include "widgets/FontOption.h"
#include "widgets/frmSmileys.h"
#include "widgets/frmcolor.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {

class RoomOpenersTest : public ClientTest {
protected:
    void SetUp() override {
        ClientTest::SetUp();
        loadRoomAs("me");
    }
    // Selects the list row that shows text, as a left click does.
    void select(const QString& text) {
        QListView* list = room().lstNicks;
        for (int row = 0; row < list->model()->rowCount(); ++row)
            if (list->model()->index(row, 0).data().toString() == text) {
                list->setCurrentIndex(list->model()->index(row, 0));
                return;
            }
        FAIL() << "no row " << text.toStdString();
    }
};

struct Opener {
    const char* name;
    std::function<void(Channel&)> click;
    std::function<QWidget*()> window;
};

template <typename T> std::function<QWidget*()> loadedWindow() {
    return [] { return static_cast<QWidget*>(T::loaded()); };
}

const Opener kOpeners[] = {
    {"SmileyButton", [](Channel& c) { c.check1->click(); }, loadedWindow<frmSmileys>()},
    {"ColourButton", [](Channel& c) { c.check2->click(); }, loadedWindow<frmcolor>()},
    {"FontButton", [](Channel& c) { c.Command3->click(); }, loadedWindow<FontOption>()},
    {"FontItem", [](Channel& c) { c.mnu_view_fontsize->trigger(); }, loadedWindow<FontOption>()},
    {"BlockListButton", [](Channel& c) { c.command1->click(); }, loadedWindow<IgnoreList>()},
    {"BlockListItem", [](Channel& c) { c.mnu_ingorelist->trigger(); }, loadedWindow<IgnoreList>()},
    {"BuddyListItem", [](Channel& c) { c.mnu_View_Buddylist->trigger(); }, loadedWindow<BuddyList>()},
    {"AboutItem", [](Channel& c) { c.mnu_About->trigger(); }, loadedWindow<About>()},
    {"AuthorItem", [](Channel& c) { c.mnu_author->trigger(); }, loadedWindow<Author>()},
    {"AboutLabel", [](Channel& c) { QTest::mouseClick(c.Label4, Qt::LeftButton); }, loadedWindow<Author>()},
    {"AuthorLabel", [](Channel& c) { QTest::mouseClick(c.Label5, Qt::LeftButton); }, loadedWindow<Author>()},
};

class OpenerTest : public RoomOpenersTest, public testing::WithParamInterface<Opener> {};

TEST_P(OpenerTest, ShowsItsWindow) {
    const Opener& opener = GetParam();
    opener.click(room());
    QWidget* window = opener.window();
    ASSERT_NE(window, nullptr) << opener.name;
    EXPECT_TRUE(window->isVisible()) << opener.name;
    EXPECT_FALSE(window->isModal()) << opener.name;
    window->hide();
}

INSTANTIATE_TEST_SUITE_P(, OpenerTest, testing::ValuesIn(kOpeners), RowName());

TEST_F(RoomOpenersTest, PickersWriteIntoTheRoomsInputLine) {
    room().check1->click();
    frmSmileys::form().imgicon_Click(86);
    frmSmileys::form().imgicon_Click(87);
    EXPECT_EQ(room().DataOut->text(), ":):(");
    EXPECT_TRUE(frmSmileys::form().isVisible());

    room().check2->click();
    frmcolor::form().lblcin_Click(4);
    EXPECT_EQ(room().ColourCode, "4");
    EXPECT_FALSE(frmcolor::form().isVisible()); // choosing a colour puts the picker away
}

TEST_F(RoomOpenersTest, ConversationLabelsOpenThePickersAndTheCredits) {
    Query& q = *dynamic_cast<Query*>(queryAt(OpenQuery("bob", "bob!b@h")));
    QTest::mouseClick(q.Label7, Qt::LeftButton);
    ASSERT_NE(FontOption::loaded(), nullptr);
    EXPECT_TRUE(FontOption::loaded()->isVisible());
    QTest::mouseClick(q.Label5, Qt::LeftButton);
    ASSERT_NE(Author::loaded(), nullptr);
    EXPECT_TRUE(Author::loaded()->isVisible());
    QTest::mouseClick(q.Label8, Qt::LeftButton);
    ASSERT_NE(frmcolor::loaded(), nullptr);
    EXPECT_TRUE(frmcolor::loaded()->isVisible());
    // A swatch chosen from there still styles the room's lines.
    frmcolor::form().lblcin_Click(12);
    EXPECT_EQ(room().ColourCode, "12");
}

// Members of every rank, and alice blocked from the list.
class BlockingFromTheListTest : public RoomOpenersTest {
protected:
    void SetUp() override {
        RoomOpenersTest::SetUp();
        for (const char* name : {"alice", "@oscar", "%hal", "me"})
            room().AddNick(name);
        // Operators sort first and are refused below; a plain member is blocked.
        ASSERT_EQ(room().lstNicks->model()->index(0, 0).data().toString(), "@oscar");
        select("alice");
        room().mnu_blocked->trigger();
    }
};

TEST_F(BlockingFromTheListTest, APlainMemberIsBlockedAndNothingSelectedDoesNothing) {
    EXPECT_TRUE(IgnoreList::form().holds("ALICE"));
    EXPECT_FALSE(IgnoreList::form().isVisible()); // loaded hidden
    EXPECT_EQ(IgnoreList::form().List1->count(), 1);

    boxes.clear();
    room().lstNicks->clearSelection();
    room().mnu_blocked->trigger();
    EXPECT_TRUE(boxes.empty());
}

// A row the list refuses to block, and what the refusal says.
struct Refusal {
    const char* name;
    const char* row;
    const char* message;
};

const Refusal kRefusals[] = {
    {"Self", "me", "You can't block yourself?"},
    {"Operator", "@oscar", "You can't block a Operator"},
    {"HalfOperator", "hal", "You can't block a Operator"},
    {"BlockedAlready", "alice",
     "Are you trying to add same nick?"}, // the duplicate test runs with no row selected there
};

class RefusalTest : public BlockingFromTheListTest, public testing::WithParamInterface<Refusal> {};

TEST_P(RefusalTest, SaysWhyAndBlocksNobody) {
    const Refusal& refusal = GetParam();
    boxes.clear();
    select(refusal.row);
    room().mnu_blocked->trigger();
    ASSERT_EQ(boxes.size(), 1u) << refusal.row;
    EXPECT_EQ(boxes[0].prompt, refusal.message);
    EXPECT_EQ(boxes[0].title, "Block");
    EXPECT_EQ(IgnoreList::form().List1->count(), 1);
}

INSTANTIATE_TEST_SUITE_P(, RefusalTest, testing::ValuesIn(kRefusals), RowName());

// With no operator in the room a plain member sorts first, and that first
// entry is blocked from the pop-up like any other.
TEST_F(RoomOpenersTest, TheFirstEntryIsBlockedFromThePopUp) {
    for (const char* name : {"zoe", "aaron", "me"})
        room().AddNick(name);
    room().show();
    QListView* list = room().lstNicks;
    const QModelIndex first = list->model()->index(0, 0);
    ASSERT_EQ(first.data().toString(), "aaron");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(first).center());
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, list->visualRect(first).center());
    ASSERT_TRUE(room().mnu_nicks->isVisible());
    room().mnu_blocked->trigger();
    room().mnu_nicks->hide();
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(IgnoreList::form().holds("aaron"));
    EXPECT_EQ(IgnoreList::form().List1->count(), 1);
}

} // namespace
