#include "chatroom/BuddyStore.h"

#include "support/Settings.h"

namespace {

const QString App = QStringLiteral("Listsetup");
const QString Section = QStringLiteral("Sect");
const QString CountKey = QStringLiteral("boty1");

QString entryKey(int index) {
    return CountKey + QString::number(index);
}

} // namespace

// A missing or non-numeric count is an empty list. A count larger than the
// entries stored (a hand-edited file) loads the entries there are.
QStringList LoadBuddies() {
    qint32 count = 0;
    ConvertSetting(GetSetting(App, Section, CountKey), count);
    QStringList nicks;
    for (int i = 0; i < count; ++i) {
        const QString nick = GetSetting(App, Section, entryKey(i));
        if (nick.isNull())
            break;
        nicks << nick;
    }
    return nicks;
}

void SaveBuddies(const QStringList& nicks) {
    for (int i = 0; i < nicks.size(); ++i)
        SaveSetting(App, Section, entryKey(i), nicks[i]);
    SaveSetting(App, Section, CountKey, QString::number(nicks.size()));
}
