#include "support/NickEntry.h"

QString NickWithPrefix(const NickEntry& entry) {
    QString prefix;
    if (entry.Owner)
        prefix = QStringLiteral("~");
    if (entry.SOp)
        prefix = QStringLiteral("&");
    if (entry.Voice)
        prefix = QStringLiteral("+");
    if (entry.Op)
        prefix = QStringLiteral("@");
    return prefix + entry.Nick;
}
