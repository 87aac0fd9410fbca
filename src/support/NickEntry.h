#pragma once

#include <QString>

// One member of the room: the nick without prefixes and its rank flags.
struct NickEntry {
    QString Nick;
    bool Owner = false;  // "~"
    bool SOp = false;    // "&"
    bool Op = false;     // "@"
    bool Voice = false;  // "+"
    bool Helper = false; // half-operator, shown without a prefix
};

// The text the nick list shows for an entry: the prefix of the last set flag
// among Owner, SOp, Voice, Op (so "@" wins over "+"), then the nick.
QString NickWithPrefix(const NickEntry& entry);
