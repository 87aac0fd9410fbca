#include "support/Timing.h"

#include "platform/EventPump.h"
#include "platform/ProgramEnd.h"
#include "platform/Waits.h"

#include <QElapsedTimer>
#include <QThread>

namespace {
bool& pausesTakeNoTime() {
    static bool on = false;
    return on;
}
} // namespace

void Pause(double seconds) {
    const qint64 wanted = static_cast<qint64>(seconds * 1000.0);
    if (wanted <= 0)
        return;
    WaitScope wait;
    QElapsedTimer clock; // monotonic: does not jump back at midnight
    clock.start();
    qint64 advanced = 0;
    while (clock.elapsed() + advanced < wanted && !programEnding()) {
        DoEvents();
        if (pausesTakeNoTime())
            advanced = wanted;
        else
            QThread::usleep(500); // wait without spinning a core
    }
}

void setPausesTakeNoTime(bool on) {
    pausesTakeNoTime() = on;
}

QDateTime UnixTimeToDate(qint64 seconds) {
    return QDateTime(QDate(1970, 1, 1), QTime(0, 0), Qt::UTC).addSecs(seconds);
}
