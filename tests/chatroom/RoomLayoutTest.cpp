// The room window's layout: where every placed control stands for a window
// size, the smallest size, and a minimised window.
#include "chatroom/Channel.h"
#include "fixtures/ClientFixture.h"
#include "fixtures/NamedRows.h"
#include "fixtures/Wait.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"
#include "platform/WebBrowser.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTabBar>
#include <QToolBar>
#include <functional>

namespace {

struct Expected {
    const char* name;
    std::function<QWidget*(Channel&)> control;
    std::function<TwipsRect(int W, int H)> place;
};

template <typename T> std::function<QWidget*(Channel&)> member(T* Channel::*m) {
    return [m](Channel& c) { return c.*m; };
}

// Every placed control, as the rows leave it for an outer size of W by H.
// clang-format off
const Expected kPlaces[] = {
    {"Image4", member(&Channel::Image4), [](int W, int) { return TwipsRect{7080, 0, W - 7180, 315}; }},
    {"Image7", member(&Channel::Image7), [](int W, int) { return TwipsRect{W - 290, 0, 180, 315}; }},
    {"Label6", member(&Channel::Label6), [](int W, int) { return TwipsRect{W - 2060, 45, 1710, 195}; }},
    {"Label2", member(&Channel::Label2), [](int W, int) { return TwipsRect{480, 1080, W - 2780, 255}; }},
    {"rtbTopic", member(&Channel::rtbTopic), [](int W, int) { return TwipsRect{1080, 1060, W - 4205, 255}; }},
    {"DataIn", member(&Channel::DataIn), [](int W, int H) { return TwipsRect{240, 1440, W - 3205, H - 4500}; }},
    {"Image10", member(&Channel::Image10), [](int W, int) { return TwipsRect{360, 960, W - 3605, 450}; }},
    {"Image11", member(&Channel::Image11), [](int W, int) { return TwipsRect{W - 3245, 975, 300, 435}; }},
    {"lstNick1", member(&Channel::lstNick1), [](int W, int) { return TwipsRect{W - 2745, 960, 345, 450}; }},
    {"lstNick2", member(&Channel::lstNick2), [](int W, int) { return TwipsRect{W - 2615, 960, 1965, 450}; }},
    {"LstNick3", member(&Channel::LstNick3), [](int W, int) { return TwipsRect{W - 680, 975, 300, 435}; }},
    {"Shape1", member(&Channel::Shape1), [](int W, int H) { return TwipsRect{150, 1395, W - 3095, H - 4400}; }},
    {"lstnicksShape", member(&Channel::lstnicksShape), [](int W, int H) { return TwipsRect{W - 2715, 1395, 2340, H - 4400}; }},
    {"lstNicks", member(&Channel::lstNicks), [](int W, int H) { return TwipsRect{W - 2715, 1395, 2340, H - 4500}; }},
    {"ToolBar1", member(&Channel::ToolBar1), [](int W, int) { return TwipsRect{W - 4235, 460, 2805, 510}; }},
    {"Toolbar2", member(&Channel::Toolbar2), [](int W, int) { return TwipsRect{W - 4235, 460, 2805, 510}; }},
    {"txt1", member(&Channel::txt1), [](int W, int H) { return TwipsRect{240, H - 2820, W - 670, 1530}; }},
    {"snd1", member(&Channel::snd1), [](int, int H) { return TwipsRect{120, H - 2815, 195, 1545}; }},
    {"Image1", member(&Channel::Image1), [](int W, int H) { return TwipsRect{W - 430, H - 2815, 195, 1545}; }},
    {"Image5", member(&Channel::Image5), [](int W, int H) { return TwipsRect{W - 750, H - 2760, 285, 270}; }},
    {"Image2", member(&Channel::Image2), [](int W, int H) { return TwipsRect{W - 1135, H - 2400, 735, 660}; }},
    {"DataOut", member(&Channel::DataOut), [](int W, int H) { return TwipsRect{240, H - 2400, W - 1575, 700}; }},
    {"Command3", member(&Channel::Command3), [](int, int H) { return TwipsRect{480, H - 2750, 375, 255}; }},
    {"check1", member(&Channel::check1), [](int, int H) { return TwipsRect{960, H - 2750, 375, 255}; }},
    {"check2", member(&Channel::check2), [](int, int H) { return TwipsRect{1440, H - 2750, 375, 255}; }},
    {"command1", member(&Channel::command1), [](int, int H) { return TwipsRect{1920, H - 2750, 375, 255}; }},
    {"Check3", member(&Channel::Check3), [](int, int H) { return TwipsRect{2440, H - 2700, 855, 195}; }},
    {"Check4", member(&Channel::Check4), [](int, int H) { return TwipsRect{3240, H - 2700, 1215, 195}; }},
    {"Label1", member(&Channel::Label1), [](int, int H) { return TwipsRect{4540, H - 2700, 975, 255}; }},
    {"Label3", member(&Channel::Label3), [](int W, int H) { return TwipsRect{240, H - 1600, W - 2170, 255}; }},
    {"Label4", member(&Channel::Label4), [](int W, int H) { return TwipsRect{W - 900, H - 1600, 495, 255}; }},
    {"Label5", member(&Channel::Label5), [](int W, int H) { return TwipsRect{W - 1800, H - 1600, 465, 195}; }},
    {"Home", member(&Channel::Home), [](int W, int H) { return TwipsRect{150, 1140, W - 500, H - 2500}; }},
    {"Misc", member(&Channel::Misc), [](int W, int H) { return TwipsRect{150, 1140, W - 500, H - 2500}; }},
    {"TBar", member(&Channel::TBar), [](int W, int H) { return TwipsRect{0, H - 1200, W - 100, 495}; }},
};
// clang-format on

class RoomLayoutTest : public ClientTest {
protected:
    void SetUp() override {
        ClientTest::SetUp();
        room().show();
        ASSERT_TRUE(waitUntil([this] { return room().isVisible(); }));
    }
    // Asks for an outer size and waits until the window has taken one.
    bool sizeTo(int width, int height, int expectedWidth, int expectedHeight) {
        room().setOuterSize(width, height);
        return waitUntil(
            [&] { return room().OuterWidth() == expectedWidth && room().OuterHeight() == expectedHeight; });
    }
    void expectPlaces(int W, int H) {
        for (const Expected& e : kPlaces)
            EXPECT_EQ(e.control(room())->geometry(), twipsToPixels(e.place(W, H)))
                << e.name << " at " << W << " x " << H;
    }
    static QRect px(const TwipsRect& r) { return twipsToPixels(r); }
};

// Outer sizes of the window: the smallest, a wide one and one between.
struct OuterSize {
    const char* name;
    int width, height;
};

const OuterSize kOuterSizes[] = {{"Smallest", 11500, 7650}, {"Wide", 15100, 9705}, {"Between", 12700, 8205}};

class WindowSizeTest : public RoomLayoutTest, public testing::WithParamInterface<OuterSize> {};

TEST_P(WindowSizeTest, EveryControlFollowsTheWindowSize) {
    const auto [name, W, H] = GetParam();
    ASSERT_TRUE(sizeTo(W, H, W, H)) << W << " x " << H;
    expectPlaces(W, H);
}

INSTANTIATE_TEST_SUITE_P(, WindowSizeTest, testing::ValuesIn(kOuterSizes), RowName());

TEST_F(RoomLayoutTest, SmallestSizeAndItsPlaces) {
    ASSERT_TRUE(sizeTo(9000, 6000, 11500, 7650)) << room().OuterWidth() << " x " << room().OuterHeight();
    EXPECT_EQ(room().DataIn->geometry(), px({240, 1440, 8295, 3150}));
    EXPECT_EQ(room().DataOut->geometry(), px({240, 5250, 9925, 700}));
    EXPECT_EQ(room().lstNicks->geometry().left(), px({8785, 0, 0, 0}).left());
    EXPECT_EQ(room().Home->geometry().size(), px({0, 0, 11000, 5150}).size());
    EXPECT_EQ(room().Misc->geometry().size(), px({0, 0, 11000, 5150}).size());
}

// Where the window system ignores the window's smallest size, the layout makes
// the window that size itself, and the resize this causes ends.
TEST_F(RoomLayoutTest, LayoutEnforcesTheSmallestSizeItself) {
    room().setMinimumSize(0, 0);
    room().centralWidget()->setMinimumSize(0, 0);
    ASSERT_TRUE(sizeTo(9000, 6000, 11500, 7650)) << room().OuterWidth() << " x " << room().OuterHeight();
    expectPlaces(11500, 7650);
}

TEST_F(RoomLayoutTest, MinimisedWindowMovesNothing) {
    ASSERT_TRUE(sizeTo(12700, 8205, 12700, 8205));
    std::vector<QRect> before;
    for (const Expected& e : kPlaces)
        before.push_back(e.control(room())->geometry());
    room().showMinimized();
    ASSERT_TRUE(waitUntil([this] { return room().isMinimized(); }));
    room().setOuterSize(15100, 9705);
    ASSERT_TRUE(waitUntil([this] { return room().OuterWidth() == 15100; }));
    for (std::size_t k = 0; k < before.size(); ++k)
        EXPECT_EQ(kPlaces[k].control(room())->geometry(), before[k]) << kPlaces[k].name;
}

// The pane's text wraps at the pane's width once the window stops changing size.
TEST_F(RoomLayoutTest, PaneTextFollowsThePaneWidth) {
    for (const int W : {15100, 11500}) {
        ASSERT_TRUE(sizeTo(W, 9705, W, 9705));
        RichTextBox* pane = room().DataIn;
        EXPECT_TRUE(waitUntil([pane] { return pane->lineWrapColumnOrWidth() == pane->viewport()->width(); }))
            << pane->lineWrapColumnOrWidth() << " for " << pane->viewport()->width();
        EXPECT_EQ(pane->document()->pageSize().width(), pane->viewport()->width());
    }
}

} // namespace
