#pragma once

#include <QDateTime>

// Returns after seconds have passed, letting pending events run meanwhile;
// Pause(0) returns at once without running any, and so does every pause once
// the program is ending.
void Pause(double seconds);
// Where pauses must cost no real time (the fuzz target), the pause clock is
// moved on by the whole pause once the pending events have run, instead of
// being waited for.
void setPausesTakeNoTime(bool on);
// The date and time seconds after 1970-01-01 00:00:00, without time-zone change.
QDateTime UnixTimeToDate(qint64 seconds);
