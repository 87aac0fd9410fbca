// The input line: sending with Enter or the send picture, the echo, and the
// history of sent lines under the Up and Down keys.
#include "conversation/Query.h"

#include "chatroom/Channel.h"
#include "platform/KeyCodes.h"
#include "platform/RichTextBox.h"
#include "support/ColouredText.h"
#include "support/Globals.h"
#include "support/IrcText.h"

#include <QLineEdit>

void Query::DataOut_KeyPress(int& keyAscii) {
    markRead();
    setWindowTitle(m_queryNick);
    if (keyAscii == kKeyEnter) {
        const QString text = DataOut->text();
        if (trimBlanks(text).isEmpty())
            return;
        keyAscii = 0;
        sendTypedLine(text);
    }
    QPalette palette = DataOut->palette();
    palette.setColor(QPalette::Text, Channel::form().DataOut->palette().color(QPalette::Text));
    DataOut->setPalette(palette);
}

void Query::sendTypedLine(const QString& text) {
    Channel& room = Channel::form();
    const QString styled = room.outgoingStyle() + text;
    PutColouredText(*DataIn, Colour("4") + QStringLiteral("<") + G().MyNick + QStringLiteral("> ") + styled);
    room.SendData(QStringLiteral("PRIVMSG ") + windowTitle() + QStringLiteral(" :") + styled);
    DoHistory(text);
    DataOut->clear();
}

void Query::Image2_Click() {
    int keyAscii = kKeyEnter;
    DataOut_KeyPress(keyAscii);
}

void Query::DoHistory(const QString& text) {
    m_inputHistory.add(text, G().MaxTextHistory);
}

void Query::DataOut_KeyDown(int& keyCode, int) {
    m_inputHistory.keyDown(keyCode, *DataOut);
}
