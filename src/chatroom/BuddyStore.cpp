#include "chatroom/BuddyStore.h"

#include "support/Settings.h"

namespace {

const QString kApp = QStringLiteral("Listsetup");
const QString kSection = QStringLiteral("Sect");
const QString kCountKey = QStringLiteral("boty1");

QString entryKey(int index) {
    return kCountKey + QString::number(index);
}

} // namespace

// A missing or non-numeric count is an empty list. A count larger than the
// entries stored (a hand-edited file) loads the entries there are.
QStringList loadBuddies() {
    qint32 count = 0;
    convertSetting(getSetting(kApp, kSection, kCountKey), count);
    QStringList nicks;
    for (int i = 0; i < count; ++i) {
        const QString nick = getSetting(kApp, kSection, entryKey(i));
        if (nick.isNull())
            break;
        nicks << nick;
    }
    return nicks;
}

void saveBuddies(const QStringList& nicks) {
    for (int i = 0; i < nicks.size(); ++i)
        saveSetting(kApp, kSection, entryKey(i), nicks[i]);
    saveSetting(kApp, kSection, kCountKey, QString::number(nicks.size()));
}
