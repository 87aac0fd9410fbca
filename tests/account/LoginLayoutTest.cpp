// The sign-in window's layout table at the smallest and a larger size, the
// smallest size itself, the banner that keeps the window still, and the
// banner's and the clock's ticks.
#include "account/Login.h"
#include "fixtures/ClientFixture.h"
#include "fixtures/Wait.h"
#include "platform/TwipsGeometry.h"
#include "widgets/xpButton.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <array>

namespace {

class LoginLayoutTest : public ClientTest {
protected:
    void SetUp() override {
        ClientTest::SetUp();
        login = &Login::form();
        login->show();
    }
    TwipsRect at(QWidget* control) const { return twipsGeometry(*control); }

    Login* login = nullptr;
};

// The rows of the table at the smallest size, 5415 x 8790: W/2 is 2707 and T
// is the band's top, 2450.
TEST_F(LoginLayoutTest, TheRowsAtTheSmallestSize) {
    EXPECT_EQ(login->widthTwips(), 5415);
    EXPECT_EQ(login->heightTwips(), 8790);
    const TwipsRect topd = at(login->TopD);
    EXPECT_EQ((std::array{topd.left, topd.top, topd.width, topd.height}), (std::array{0, 0, 5415, 750}));
    const TwipsRect frame2 = at(login->Frame2);
    EXPECT_EQ((std::array{frame2.left, frame2.top, frame2.width}), (std::array{0, 2450, 2657}));
    const TwipsRect frame1 = at(login->Frame1);
    EXPECT_EQ((std::array{frame1.left, frame1.top, frame1.width}), (std::array{3207, 2450, 7207}));
    const TwipsRect image2 = at(login->Image2);
    EXPECT_EQ((std::array{image2.left, image2.top, image2.width}), (std::array{2657, 2425, 3208}));
    const struct {
        QWidget* control;
        int left;
        int top;
    } rows[] = {
        {login->Label6, 1907, -1},   {login->Picture1, -8968, 2450},  {login->Picture2, 14040, 2450},
        {login->Label3, 307, 3550},  {login->Label4, 307, 4150},      {login->Text1, 1307, 3850},
        {login->Text2, 1307, 4450},  {login->check2, 1707, 4950},     {login->Check3, 1707, 5225},
        {login->check1, 1707, 5500}, {login->ChkStartUp, 1707, 5775}, {login->cmdSignIn, 2007, 6525},
        {login->Label5, 2007, 7050}, {login->Label7, 1207, 7250},     {login->Label8, 1807, 7450},
        {login->Label2, 150, -1},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(at(row.control).left, row.left)
            << row.control->metaObject()->className() << " " << row.left;
        if (row.top >= 0) {
            EXPECT_EQ(at(row.control).top, row.top)
                << row.control->metaObject()->className() << " " << row.top;
        }
    }
}

// 3600 twips wider: the title, the top picture, the band's left frame and the
// banner keep their Left; every other row moves right by half the growth.
TEST_F(LoginLayoutTest, ALargerWidthMovesTheRowsByHalfTheGrowth) {
    QList<QWidget*> still = {login->TopD, login->Label2, login->Frame2, login->Picture1, login->Picture2};
    QList<QWidget*> moving = {login->Label6, login->Frame1, login->Image2,     login->Label3,
                              login->Label4, login->Text1,  login->Text2,      login->check2,
                              login->Check3, login->check1, login->ChkStartUp, login->cmdSignIn,
                              login->Label5, login->Label7, login->Label8};
    QList<TwipsRect> before;
    for (QWidget* control : still + moving)
        before << at(control);
    login->setWidthTwips(9015);
    login->setHeightTwips(9990);
    ASSERT_EQ(login->widthTwips(), 9015);
    for (qsizetype k = 0; k < still.size(); ++k)
        EXPECT_EQ(at(still[k]).left, before[k].left) << k;
    for (qsizetype k = 0; k < moving.size(); ++k) {
        EXPECT_EQ(at(moving[k]).left, before[still.size() + k].left + 1800) << k;
        EXPECT_EQ(at(moving[k]).top, before[still.size() + k].top) << k;
    }
    EXPECT_EQ(at(login->TopD).width, 9015);
    EXPECT_EQ(at(login->Frame2).width, 4457);
    EXPECT_EQ(at(login->Image2).width, 5008); // the left of the band's right frame, plus one
}

TEST_F(LoginLayoutTest, SmallerSizesComeBackToTheSmallest) {
    login->setWidthTwips(5000);
    login->setHeightTwips(6000);
    EXPECT_EQ(login->widthTwips(), 5415);
    EXPECT_EQ(login->heightTwips(), 8790);
}

TEST_F(LoginLayoutTest, MinimisedNothingMoves) {
    const int left = at(login->Text1).left;
    login->showMinimized();
    login->setWidthTwips(9015);
    EXPECT_EQ(at(login->Text1).left, left);
}

// While the banner runs the window keeps its design size; the smallest height
// wins over the banner's wish for 8550, so one resize is handled and done.
TEST_F(LoginLayoutTest, TheBannerKeepsTheDesignSizeAndSettles) {
    int handled = 0;
    struct Counter : QObject {
        int* count;
        bool eventFilter(QObject*, QEvent* event) override {
            *count += event->type() == QEvent::Resize;
            return false;
        }
    } counter;
    counter.count = &handled;
    login->installEventFilter(&counter);
    login->Timer1.start();
    login->setWidthTwips(9015);
    login->setHeightTwips(9990);
    EXPECT_TRUE(waitUntil([&] { return login->widthTwips() == 5415 && login->heightTwips() == 8790; }));
    QCoreApplication::processEvents(); // any resize still on its way
    EXPECT_EQ(login->widthTwips(), 5415);
    EXPECT_EQ(login->heightTwips(), 8790);
    EXPECT_LE(handled, 6);
    login->removeEventFilter(&counter);
}

TEST_F(LoginLayoutTest, TheTwentiethBannerTickPutsTheFirstPictureBehindTheSecond) {
    for (int tick = 1; tick <= 19; ++tick)
        login->Timer1_Timer();
    EXPECT_EQ(at(login->Picture1).left, -8968 - 19 * 720);
    EXPECT_EQ(at(login->Picture2).left, 14040 - 19 * 720);
    login->Timer1_Timer();
    EXPECT_EQ(at(login->Picture2).left, -360);
    EXPECT_EQ(at(login->Picture1).left, 22680);
}

TEST_F(LoginLayoutTest, TheClockTicksEveryHalfSecond) {
    EXPECT_TRUE(login->Timer2.isActive());
    EXPECT_EQ(login->Timer2.interval(), 500);
    EXPECT_EQ(login->Timer1.interval(), 32);
    login->Timer2_Timer();
    EXPECT_TRUE(login->Label5->text().startsWith("Time: "));
    EXPECT_GT(login->Label5->text().size(), 10);
}

} // namespace
