// Incoming lines: actions, the version request and ordinary text, and the
// smileys they bring.
#include "conversation/Query.h"

#include "chatroom/Channel.h"
#include "platform/RichTextBox.h"
#include "support/ColouredText.h"
#include "support/IrcText.h"
#include "support/PrivateText.h"
#include "support/Shell.h"
#include "support/Smileys.h"

namespace {
const QString ActionLead = Chr1 + QStringLiteral("ACTION ");
const QString VersionRequest = Chr1 + QStringLiteral("VERSION") + Chr1;
const QString VersionReply = QStringLiteral("VERSION Zendrin Messenger for Windows9x");
} // namespace

void Query::PutText(const QString& nick, const QString& text) {
    if (text.left(8) == ActionLead) {
        const QString action = DropRight(DropLeft(text, 8), 1); // the closing Chr(1), or the last character
        PutColouredText(*DataIn, Chr3 + QStringLiteral("06") + nick + QStringLiteral(" ") + action);
    } else if (text.left(9) == VersionRequest) {
        Channel::form().CTCPReply(nick, VersionReply);
    } else {
        PutColouredText(*DataIn, PrivateTextLine(nick, text));
    }
    PlaySoundFile(QStringLiteral("send.wav"));
    UnreadFlag = 1;
}

void Query::CheckRTF(RichTextBox& rtb, int position, int added) {
    ReplaceSmileyCodes(rtb, position, added);
}
