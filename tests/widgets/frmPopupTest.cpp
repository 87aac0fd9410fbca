// The sliding notice, tick by tick (the test drives the ticks itself).
#include "widgets/frmPopup.h"
#include "chatroom/Channel.h"
#include "fixtures/ClientFixture.h"

#include <QLabel>
#include <QPointer>
#include <QTest>

namespace {

class frmPopupTest : public ClientTest {};

TEST_F(frmPopupTest, RisesHoldsSinksAndCloses) {
    const int screen = frmPopup::screenHeightTwips();
    frmPopup& popup = frmPopup::form();
    popup.Timer1.stop();
    QPointer<frmPopup> alive(&popup);
    popup.show();
    EXPECT_EQ(popup.topTwips(), screen - 450);
    EXPECT_EQ(popup.heightTwips(), 0);
    EXPECT_EQ(popup.leftTwips(), frmPopup::screenWidthTwips() - (2715 + 200));
    for (int tick = 1; tick <= 31; ++tick)
        popup.Timer1_Timer();
    EXPECT_EQ(popup.topTwips(), screen - 450 - 31 * 55);
    EXPECT_EQ(popup.heightTwips(), 31 * 55);
    popup.Timer1_Timer(); // the 32nd would pass the top: fully up
    EXPECT_EQ(popup.topTwips(), screen - 2190);
    EXPECT_EQ(popup.heightTwips(), 1740);
    EXPECT_FALSE(popup.rising());
    EXPECT_EQ(popup.Timer1.interval(), 4000);
    for (int tick = 1; tick <= 31; ++tick)
        popup.Timer1_Timer();
    EXPECT_EQ(popup.heightTwips(), 35);
    EXPECT_EQ(popup.topTwips(), screen - 2190 + 31 * 55);
    ASSERT_TRUE(alive);
    popup.Timer1_Timer(); // the 32nd falling tick closes it
    EXPECT_EQ(frmPopup::loaded(), nullptr);
}

TEST_F(frmPopupTest, ClickingTheMessageShowsTheRoomAndTheSlideGoesOn) {
    frmPopup& popup = frmPopup::form();
    popup.Timer1.stop();
    popup.show();
    popup.Timer1_Timer();
    QTest::mouseClick(popup.Label2, Qt::LeftButton);
    EXPECT_TRUE(Channel::form().isVisible());
    EXPECT_EQ(frmPopup::loaded(), &popup);
    // A second show only shows: the slide goes on where it was.
    frmPopup::form().show();
    EXPECT_EQ(popup.heightTwips(), 55);
}

} // namespace
