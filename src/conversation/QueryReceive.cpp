// Incoming lines: actions, the version request and ordinary text, and the
// smileys they bring.
#include "conversation/Query.h"

#include "chatroom/Channel.h"
#include "platform/RichTextBox.h"
#include "support/IncomingText.h"
#include "support/PrivateText.h"
#include "support/Shell.h"
#include "support/Smileys.h"

namespace {
const QString kVersionReply = QStringLiteral("VERSION Zendrin Messenger for Windows9x");
} // namespace

void Query::PutText(const QString& nick, const QString& text) {
    putIncomingText(*DataIn, nick, text, privateTextLine,
                    [&] { Channel::form().CTCPReply(nick, kVersionReply); });
    PlaySoundFile(QStringLiteral("send.wav"));
    UnreadFlag = 1;
}

void Query::CheckRTF(RichTextBox& rtb, int position, int added) {
    replaceSmileyCodes(rtb, position, added);
}
