#pragma once

#include <QString>
#include <QStringList>

// One parsed server line.
struct IrcMessage {
    QStringList Params{QString()}; // Params[k - 1] is parameter k; never empty
    int ParamCount = 0;
    QString Prefix;
    QString Command;
    QString Nick;
    QString User;
    QString Host;
    QString Raw; // everything after the command word and its blank

    // Parameter k (1-based), "" when out of range.
    QString param(int k) const { return k >= 1 && k <= Params.size() ? Params[k - 1] : QString(); }
};

// Fills msg from one line (its LF already removed; a CR at the end is kept).
void ParseIrcLine(const QString& line, IrcMessage& msg);
// Parameters first..last (1-based; last = -1: to the end) joined by blanks, CR removed;
// "" when the range leaves the parameters.
QString JoinWordsOf(const IrcMessage& msg, int first, int last);
// The same over a zero-based list of words with 1-based word numbers.
QString JoinWords(const QStringList& words, int first, int last);
// Splits at the first occurrence of a one-character separator; without one both
// sides are the whole text.
void SplitAt(const QString& text, const QString& separator, QString& before, QString& after);
QString TextBefore(const QString& text, const QString& separator);
QString TextAfter(const QString& text, const QString& separator);
QString DropLeft(const QString& text, int n);
QString DropRight(const QString& text, int n);
// Without leading and trailing blanks (only blanks: tabs and other white space stay).
QString trimBlanks(const QString& text);
// Removes every "@" and then every "+" from nick (in place) and returns it.
QString StripNickModes(QString& nick);
