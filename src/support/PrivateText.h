#pragma once

#include "support/ColouredText.h"
#include "support/IrcText.h"

// A private line as the conversation window shows it: the sender's nick in
// colour 12 between angle brackets, then the text.
inline QString privateTextLine(const QString& nick, const QString& text) {
    return trimBlanks(Colour("12") + QStringLiteral("<") + nick + QStringLiteral(">") + Chr3 + Chr3 +
                      QStringLiteral(" ") + text);
}
