// The conversation window as the table sees it, its labels and its layout.
#include "QueryFixture.h"

#include "chatroom/BuddyList.h"
#include "chatroom/Channel.h"
#include "chatroom/IgnoreList.h"
#include "platform/Twips.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QTest>

TEST_F(QueryTest, OpenedWindowShowsItsCorrespondent) {
    Query& q = open("bob");
    EXPECT_EQ(q.QueryNick(), "bob");
    EXPECT_EQ(q.QueryHost(), "user@example.net");
    EXPECT_EQ(q.windowTitle(), "bob");
    EXPECT_EQ(q.lblNick->text(), "bob");
    EXPECT_EQ(q.lblHost->text(), "user@example.net");
    EXPECT_EQ(q.Tag(), "1");
    EXPECT_TRUE(q.isVisible());
    for (QLabel* label : {q.lblNick, q.lblHost})
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
}

TEST_F(QueryTest, ClosingFreesTheSlotAndTheLowestFreeSlotIsReused) {
    open("bob");
    Query& carol = open("carol");
    open("dave");
    ASSERT_EQ(FindQueryIndex("carol"), 2);
    QPointer<Query> closed(&carol);
    carol.PutText("carol", "bye");

    QTest::mouseClick(carol.Label4, Qt::LeftButton);
    EXPECT_EQ(FindQueryIndex("carol"), -1);
    EXPECT_EQ(carol.windowTitle(), "");
    EXPECT_EQ(carol.lblNick->text(), "");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed.isNull());
    EXPECT_EQ(queryAt(2), nullptr);

    Query& erin = open("erin");
    EXPECT_EQ(FindQueryIndex("erin"), 2);
    EXPECT_EQ(erin.Tag(), "2");
    ASSERT_EQ(shownLines(*erin.DataIn).size(), 1); // a new window: only its own header line
    EXPECT_TRUE(shownLines(*erin.DataIn).first().startsWith(" Chat Started On "));
    EXPECT_EQ(FindQueryIndex("dave"), 3);
}

// A slot freed by a window that has not been destroyed yet gets a window of its own.
TEST_F(QueryTest, ASlotIsReusedBeforeTheClosedWindowIsGone) {
    Query& bob = open("bob");
    QPointer<Query> closed(&bob);
    bob.Unload();
    Query& carol = open("carol");
    EXPECT_NE(&carol, closed.data());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed.isNull());
    EXPECT_EQ(queryAt(1), &carol);
    EXPECT_EQ(FindQueryIndex("carol"), 1);
}

TEST_F(QueryTest, OwnActionGoesToTheSelectedNickOrTheCorrespondent) {
    Query& bob = open("bob");
    Query& carol = open("carol");
    answers = {{Dialogs::Answer::Ok, "waves"}, {Dialogs::Answer::Ok, "nods"}};

    QTest::mouseClick(bob.LabelAction, Qt::LeftButton); // nothing selected in the room
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].input);
    EXPECT_EQ(boxes[0].prompt, "Type Your Own Action Message");
    EXPECT_EQ(boxes[0].title, "Action Message");
    EXPECT_EQ(lastShownLine(*bob.DataIn), " me waves");

    room().AddNick("@carol");
    const QModelIndex item = room().lstNicks->model()->index(0, 0);
    room().lstNicks->setCurrentIndex(item);
    room().lstNicks->selectionModel()->select(item, QItemSelectionModel::ClearAndSelect);
    ASSERT_EQ(room().lstNicksText(), "@carol");
    bob.LabelAction_Click();
    EXPECT_EQ(lastShownLine(*carol.DataIn), " me nods");
    EXPECT_EQ(lastShownLine(*bob.DataIn), " me waves");
}

TEST_F(QueryTest, OwnActionRefusesTheOwnNick) {
    Query& q = open("me");
    q.LabelAction_Click();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_FALSE(boxes[0].input);
    EXPECT_EQ(boxes[0].prompt, "Error");
    EXPECT_EQ(boxes[0].title, "You cannot do that to yourself!");
    EXPECT_EQ(boxes[0].buttons, Dialogs::Buttons::Ok);
    EXPECT_EQ(shownLines(*q.DataIn).size(), 1);
}

TEST_F(QueryTest, LabelsShowTheBuddyAndBlockLists) {
    Query& q = open("bob");
    QTest::mouseClick(q.cmdOptions, Qt::LeftButton);
    ASSERT_NE(BuddyList::loaded(), nullptr);
    EXPECT_TRUE(BuddyList::loaded()->isVisible());
    EXPECT_EQ(IgnoreList::loaded(), nullptr);
    QTest::mouseClick(q.Label6, Qt::LeftButton);
    ASSERT_NE(IgnoreList::loaded(), nullptr);
    EXPECT_TRUE(IgnoreList::loaded()->isVisible());
}

TEST_F(QueryTest, WindowNeverGetsSmallerThanItsDesign) {
    Query& q = open("bob");
    q.resize(100, 100);
    EXPECT_EQ(q.size(), QSize(514, 439)); // 7710 x 6585 twips
    EXPECT_EQ(q.DataIn->geometry(), twipsToPixels(TwipsRect{150, 525, 7830 - 450, 7065 - 3200}));
}

// At 800 x 600 pixels the outer size is 12120 x 9480 twips.
TEST_F(QueryTest, LayoutFollowsTheWindowSize) {
    Query& q = open("bob");
    q.resize(800, 600);
    const int W = 12120, H = 9480;
    const std::pair<QWidget*, TwipsRect> cases[] = {
        {q.Image11, {W - 600, 140, 300, 435}},
        {q.Image10, {360, 120, W - 600 - 360, 450}},
        {q.DataIn, {150, 525, W - 450, H - 3200}},
        {q.Label6, {1560, H - 1530 - 860, 975, 255}},
        {q.LabelAction, {5760, H - 1530 - 860, 1215, 255}},
        {q.cmdOptions, {305, H - 1530 - 850, 975, 255}},
        {q.Image1, {W - 430, H - 1545 - 970, 195, 1545}},
        {q.txt1, {240, H - 1530 - 990, W - 430 - 240, 1530}},
        {q.snd1, {120, H - 1545 - 970, 195, 1545}},
        {q.Image2, {W - 735 - 400, H - 660 - 1440, 735, 660}},
        {q.DataOut, {240, H - 2100, W - 735 - 400 - 240 - 200, 495}},
        {q.Label4, {W - 900, H - 1300, 495, 255}},
        {q.Label5, {W - 1800, H - 1300, 465, 195}},
        {q.lblHost, {1920, 240, 3600, 195}},
    };
    for (const auto& [control, twips] : cases)
        EXPECT_EQ(control->geometry(), twipsToPixels(twips))
            << control->objectName().toStdString() << " at " << twips.left;
}
