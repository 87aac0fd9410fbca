#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// A date and time in the desktop's general date form of locale: the short date,
// a blank, then the time with its seconds. The value's own fields are shown, with
// no change of time zone.
QString generalDateText(const QDateTime& when, const QLocale& locale = QLocale());
