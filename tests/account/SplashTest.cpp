// The start-up: the splash for two seconds, then the sign-in window; and a
// second start while the program runs, which shows nothing and ends.
#include "account/Login.h"
#include "account/frmSplash.h"
#include "fixtures/ClientFixture.h"
#include "fixtures/Wait.h"
#include "platform/InstanceLock.h"
#include "platform/TwipsGeometry.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

class SplashTest : public ClientTest {};

TEST_F(SplashTest, ShowsCentredThenHandsOverToTheSignInWindow) {
    frmSplash& splash = frmSplash::form();
    splash.show();
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    const TwipsRect size = pixelsToTwips(QRect(QPoint(), splash.size()));
    EXPECT_EQ(size.width, 7095);
    EXPECT_EQ(size.height, 3255);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_LE((splash.frameGeometry().center() - screen.center()).manhattanLength(), 2);
    EXPECT_TRUE(splash.Timer1.isActive());
    EXPECT_EQ(splash.Timer1.interval(), 2000);
    EXPECT_EQ(Login::loaded(), nullptr);

    splash.Timer1_Timer();
    EXPECT_EQ(frmSplash::loaded(), nullptr);
    ASSERT_NE(Login::loaded(), nullptr);
    EXPECT_TRUE(Login::loaded()->isVisible());
}

TEST_F(SplashTest, ASecondStartShowsNothingAndEnds) {
    InstanceLock running(QStringLiteral("tazmir-korvu"));
    ASSERT_TRUE(running.tryLock());
    frmSplash::form().show();
    EXPECT_EQ(runEventLoop([] { frmSplash::form().Timer1_Timer(); }), 0);
    EXPECT_EQ(frmSplash::loaded(), nullptr);
    const Login* login = Login::loaded(); // closed, and on its way out
    EXPECT_TRUE(!login || (login->closedWhileLoading() && !login->isVisible()));
}

} // namespace
