#include "support/GeneralDate.h"

namespace {

// The locale's long time form names the time zone ("t"); the general date form
// shows the time without it. Quoted literals are kept as they are.
QString timeWithSeconds(const QLocale& locale) {
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString kept;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'')
            quoted = !quoted;
        if (quoted || c != u't')
            kept += c;
    }
    kept.remove(QStringLiteral("()"));
    return kept.simplified();
}

} // namespace

QString generalDateText(const QDateTime& when, const QLocale& locale) {
    return locale.toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(when.time(), timeWithSeconds(locale));
}
