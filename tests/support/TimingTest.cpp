#include "support/Timing.h"

#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(Timing, UnixTimeHasNoZone) {
    EXPECT_EQ(UnixTimeToDate(0), QDateTime(QDate(1970, 1, 1), QTime(0, 0), Qt::UTC));
    EXPECT_EQ(UnixTimeToDate(86400), QDateTime(QDate(1970, 1, 2), QTime(0, 0), Qt::UTC));
    EXPECT_EQ(UnixTimeToDate(2147483647).date(), QDate(2038, 1, 19));
}

TEST(Timing, PauseLetsEventsRunButPauseZeroDoesNot) {
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    Pause(0);
    EXPECT_FALSE(ran);
    QElapsedTimer clock;
    clock.start();
    Pause(0.05);
    EXPECT_TRUE(ran);
    EXPECT_GE(clock.elapsed(), 50);
}

} // namespace
