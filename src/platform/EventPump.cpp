#include "platform/EventPump.h"

#include "platform/ProgramEnd.h"

#include <QApplication>
#include <QElapsedTimer>

namespace {
constexpr qint64 ThrottleNs = 4'000'000;
}

void DoEvents() {
    if (ProgramEnding())
        return;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void DoEventsThrottled() {
    static QElapsedTimer sinceLast;
    if (sinceLast.isValid() && sinceLast.nsecsElapsed() < ThrottleNs)
        return;
    DoEvents();
    sinceLast.start();
}

namespace {
std::function<void()>& beepSound() {
    static std::function<void()> sound;
    return sound;
}
} // namespace

void Beep() {
    if (beepSound())
        beepSound()();
    else
        QApplication::beep();
}

void SetBeepSound(std::function<void()> sound) {
    beepSound() = std::move(sound);
}
