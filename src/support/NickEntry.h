#pragma once

#include <QString>
#include <QStringView>

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

// The form under which spellings of one nick meet: two nicks are equal without
// regard to case exactly when their folded forms are equal.
QString foldedNick(const QString& nick);
// The same as a view of nick when folding changes nothing, else built in spare.
QStringView foldedNick(QStringView nick, QString& spare);

// text with every one of characters deleted: a view of text while they only lead
// it (a rank prefix), else built in spare.
QStringView textWithout(const QString& text, QStringView characters, QString& spare);
