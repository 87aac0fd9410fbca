#include "support/IncomingText.h"

#include "support/ColouredText.h"
#include "support/IrcText.h"

namespace {
const QString kActionLead = Chr1 + QStringLiteral("ACTION ");
const QString kVersionRequest = Chr1 + QStringLiteral("VERSION") + Chr1;
} // namespace

void putIncomingText(RichTextBox& pane, const QString& nick, const QString& text,
                     QString (*ordinaryLine)(const QString& nick, const QString& text),
                     const std::function<void()>& answerVersion) {
    if (text.left(8) == kActionLead) {
        const QString action = DropRight(DropLeft(text, 8), 1); // the closing Chr(1), or the last character
        PutColouredText(pane, Colour("06") + nick + QStringLiteral(" ") + action);
    } else if (text.left(9) == kVersionRequest) {
        answerVersion();
    } else {
        PutColouredText(pane, ordinaryLine(nick, text));
    }
}
