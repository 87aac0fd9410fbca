// The pane's words: links open, rooms are joined, and the pointer shows which
// words can be clicked.
#include "conversation/Query.h"

#include "chatroom/Channel.h"
#include "conversation/LinkWords.h"
#include "platform/EventPump.h"
#include "platform/RichTextBox.h"
#include "support/ColouredText.h"
#include "support/Shell.h"
#include "support/WindowTables.h"

#include <QLineEdit>

namespace {
constexpr int kArrowPointer = 1;
constexpr int kLinkPointer = 99;
} // namespace

// The pane finishes its own handling of the release (the selection) first.
void Query::DataIn_MouseUp(int, int, int x, int y) {
    DoEvents();
    ClickedWord = WordAtPoint(*DataIn, x, y);
}

void Query::DataIn_DblClick() {
    const QString word = ClickedWord;
    if (isLinkWord(word)) {
        OpenURL(word);
        return;
    }
    if (word.startsWith(QLatin1Char('#')) && FindChannelIndex(word) == -1)
        Channel::form().SendData(QStringLiteral("JOIN ") + word);
}

void Query::DataIn_MouseMove(int, int, int x, int y) {
    UnreadFlag = 0;
    const int pointer = isPointerWord(WordAtPoint(*DataIn, x, y)) ? kLinkPointer : kArrowPointer;
    if (DataIn->MousePointer() != pointer)
        DataIn->setMousePointer(pointer);
}

void Query::DataIn_Click() {
    DataOut->setFocus();
}
