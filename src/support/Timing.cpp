#include "support/Timing.h"

#include "platform/EventPump.h"

#include <QElapsedTimer>
#include <QThread>

void Pause(double seconds) {
    QElapsedTimer clock; // monotonic: does not jump back at midnight
    clock.start();
    const qint64 wanted = static_cast<qint64>(seconds * 1000.0);
    while (clock.elapsed() < wanted) {
        DoEvents();
        QThread::usleep(500); // wait without spinning a core
    }
}

QDateTime UnixTimeToDate(qint64 seconds) {
    return QDateTime(QDate(1970, 1, 1), QTime(0, 0), Qt::UTC).addSecs(seconds);
}
