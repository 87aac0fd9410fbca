#include "chatroom/DebugWin.h"

#include "support/ColouredText.h"
#include "widgets/ProgramPictures.h"

#include <QPlainTextEdit>
#include <QScrollBar>

DebugWin::DebugWin() {
    setWindowTitle(QStringLiteral("Traffic"));
    setWindowIcon(programIcon()); // the program's icon, which the tray icon shows
    txtDataIn = new QPlainTextEdit(this);
    txtDataIn->setReadOnly(true);
    txtDataIn->setUndoRedoEnabled(false);
    setCentralWidget(txtDataIn);
    resize(640, 400);
}

void DebugWin::append(const QString& text) {
    if (txtDataIn->document()->characterCount() + text.size() > kMaxLogLength)
        txtDataIn->clear();
    QTextCursor end(txtDataIn->document());
    end.movePosition(QTextCursor::End);
    end.insertText(text);
    txtDataIn->verticalScrollBar()->setValue(txtDataIn->verticalScrollBar()->maximum());
}

void DebugWin::logReceived(const QString& data) {
    append(QStringLiteral(">> ") + data + CrLf);
}
