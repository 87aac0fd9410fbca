#include "platform/EventPump.h"

#include "platform/ProgramEnd.h"

#include <QApplication>
#include <QElapsedTimer>

namespace {
// A frame of a 60 Hz display: events run as often as the screen can show their
// effect, and a flood of lines is not slowed by drawing that nobody could see.
constexpr qint64 kThrottleNs = 16'000'000;

QElapsedTimer& sinceLastEvents() {
    static QElapsedTimer sinceLast;
    return sinceLast;
}
} // namespace

void DoEvents() {
    if (programEnding())
        return;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool throttledEventsDue() {
    return !sinceLastEvents().isValid() || sinceLastEvents().nsecsElapsed() >= kThrottleNs;
}

void doEventsThrottled() {
    if (!throttledEventsDue())
        return;
    DoEvents();
    sinceLastEvents().start();
}

namespace {
std::function<void()>& beepSound() {
    static std::function<void()> sound;
    return sound;
}
} // namespace

void beep() {
    if (beepSound())
        beepSound()();
    else
        QApplication::beep();
}

void setBeepSound(std::function<void()> sound) {
    beepSound() = std::move(sound);
}
