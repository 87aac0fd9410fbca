#include "support/NickEntry.h"

#include <algorithm>

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
    return prefix.isEmpty() ? entry.Nick : prefix + entry.Nick;
}

// Simple case folding, code point by code point: the same rule by which QString
// compares without regard to case. Nicks are mostly ASCII, whose folding is
// A to Z made small, so they are folded without asking the Unicode tables.
namespace {

bool isAsciiCapital(char16_t c) {
    return c >= u'A' && c <= u'Z';
}

bool foldsToItself(QStringView nick) {
    for (qsizetype k = 0; k < nick.size(); ++k) {
        char32_t c = nick[k].unicode();
        if (c < 0x80) {
            if (isAsciiCapital(static_cast<char16_t>(c)))
                return false;
            continue;
        }
        if (QChar::isHighSurrogate(c) && k + 1 < nick.size() && nick[k + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(nick[k], nick[k + 1]);
            ++k;
        }
        if (QChar::toCaseFolded(c) != c)
            return false;
    }
    return true;
}

QString foldedCopy(QStringView nick) {
    if (std::any_of(nick.begin(), nick.end(), [](QChar c) { return c.unicode() >= 0x80; }))
        return nick.toString().toCaseFolded();
    QString folded = nick.toString();
    for (QChar& c : folded)
        if (isAsciiCapital(c.unicode()))
            c = QChar(static_cast<char16_t>(c.unicode() - u'A' + u'a'));
    return folded;
}

} // namespace

QString foldedNick(const QString& nick) {
    return foldsToItself(nick) ? nick : foldedCopy(nick);
}

QStringView foldedNick(QStringView nick, QString& spare) {
    if (foldsToItself(nick))
        return nick;
    spare = foldedCopy(nick);
    return spare;
}

QStringView textWithout(const QString& text, QStringView characters, QString& spare) {
    // The characters to delete as a mask of the ASCII code units, when they are
    // all ASCII (the rank characters are): one test per character of text.
    quint64 mask[2] = {0, 0};
    const bool ascii =
        std::all_of(characters.begin(), characters.end(), [](QChar c) { return c.unicode() < 0x80; });
    for (const QChar c : characters)
        if (c.unicode() < 0x80)
            mask[c.unicode() >> 6] |= quint64(1) << (c.unicode() & 63);
    const auto deleted = [&](QChar c) {
        if (c.unicode() < 0x80)
            return ((mask[c.unicode() >> 6] >> (c.unicode() & 63)) & 1) != 0;
        return !ascii && characters.contains(c);
    };
    qsizetype start = 0;
    while (start < text.size() && deleted(text[start]))
        ++start;
    const QStringView rest = QStringView(text).sliced(start);
    if (std::none_of(rest.begin(), rest.end(), deleted))
        return rest;
    spare.clear();
    spare.reserve(rest.size());
    for (const QChar c : rest)
        if (!deleted(c))
            spare.append(c);
    return spare;
}
