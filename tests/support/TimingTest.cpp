#include "support/Timing.h"

#include "fixtures/Wait.h"
#include "platform/EventPump.h"
#include "platform/ProgramEnd.h"
#include "platform/Waits.h"

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

// A pause is a wait: work that must not wait with it hears when it begins.
TEST(Timing, APauseMarksAWait) {
    int began = 0;
    int depthInside = -1;
    const auto connection = QObject::connect(&Waits::instance(), &Waits::began, [&] { ++began; });
    QTimer::singleShot(0, [&] { depthInside = Waits::depth(); });
    Pause(0.02);
    QObject::disconnect(connection);
    EXPECT_EQ(began, 1);
    EXPECT_EQ(depthInside, 1);
    EXPECT_EQ(Waits::depth(), 0);
}

TEST(Timing, PausesThatTakeNoTimeStillLetEventsRunOnce) {
    setPausesTakeNoTime(true);
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    QElapsedTimer clock;
    clock.start();
    Pause(30);
    setPausesTakeNoTime(false);
    EXPECT_TRUE(ran);
    EXPECT_LT(clock.elapsed(), 1000);
}

// The end of the program cuts a pause short: the handler that waited goes on
// at once, and the events queued behind the end no longer run.
TEST(Timing, AnEndedProgramsPausesReturnAtOnce) {
    bool ranAfterTheEnd = false;
    bool pumpedAfterTheEnd = false;
    qint64 firstPause = -1;
    qint64 bothPauses = -1;
    const int code = runEventLoop(
        [&] {
            QTimer::singleShot(0, [&] {
                endProgramAtOnce();
                QTimer::singleShot(0, [&] { ranAfterTheEnd = true; });
            });
            QElapsedTimer clock;
            clock.start();
            Pause(8);
            firstPause = clock.elapsed();
            Pause(8); // one that begins after the end
            DoEvents();
            bothPauses = clock.elapsed();
            pumpedAfterTheEnd = ranAfterTheEnd;
        },
        20000);
    forgetProgramEnd();
    EXPECT_EQ(code, 0);
    EXPECT_GE(firstPause, 0);
    EXPECT_LT(firstPause, 4000);
    EXPECT_LT(bothPauses, 4000);
    EXPECT_FALSE(pumpedAfterTheEnd);
    DoEvents();
    EXPECT_TRUE(ranAfterTheEnd);
}

} // namespace
