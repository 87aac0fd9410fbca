#include "conversation/LinkWords.h"

bool isLinkWord(const QString& word) {
    const QString lower = word.toLower();
    return lower.startsWith(QLatin1String("http://")) || lower.startsWith(QLatin1String("mailto:")) ||
           lower.startsWith(QLatin1String("ftp://")) || lower.startsWith(QLatin1String("www.")) ||
           lower.endsWith(QLatin1String(".html")) || lower.endsWith(QLatin1String(".htm"));
}

bool isPointerWord(const QString& word) {
    return isLinkWord(word) || word.startsWith(QLatin1Char('#')) ||
           word.toLower().startsWith(QLatin1String("irc."));
}
