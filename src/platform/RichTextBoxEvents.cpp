// The box's events under the names the windows handle: keys as the desktop
// codes them, clicks that are not drags, mouse positions in twips.
#include "platform/RichTextBox.h"

#include "platform/KeyCodes.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {
constexpr int kLinkHandPointer = 99;
} // namespace

void RichTextBox::setMousePointer(int pointer) {
    m_mousePointer = pointer;
    viewport()->setCursor(pointer == kLinkHandPointer ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void RichTextBox::keyPressEvent(QKeyEvent* event) {
    int keyCode = virtualKeyCode(*event);
    if (keyCode != 0) {
        emit KeyDown(keyCode, shiftMask(event->modifiers()));
        if (keyCode == 0) {
            event->accept();
            return;
        }
    }
    const int typed = KeyAscii(*event);
    int code = typed;
    if (code != 0) {
        emit KeyPress(code);
        if (code == 0) {
            event->accept();
            return;
        }
    }
    if (code == typed) {
        QTextEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent replaced(event->type(), event->key(), event->modifiers(), QString(QChar(char16_t(code))),
                       event->isAutoRepeat(), quint16(event->count()));
    QTextEdit::keyPressEvent(&replaced);
    event->setAccepted(replaced.isAccepted());
}

void RichTextBox::mousePressEvent(QMouseEvent* event) {
    m_pressPosition = event->position().toPoint();
    m_dragged = false;
    QTextEdit::mousePressEvent(event);
}

void RichTextBox::mouseMoveEvent(QMouseEvent* event) {
    QTextEdit::mouseMoveEvent(event);
    const QPoint at = event->position().toPoint();
    if ((event->buttons() & Qt::LeftButton) &&
        (at - m_pressPosition).manhattanLength() >= QApplication::startDragDistance())
        m_dragged = true;
    emit MouseMove(buttonMask(event->buttons()), shiftMask(event->modifiers()), pixelsToTwips(at.x()),
                   pixelsToTwipsY(at.y()));
}

void RichTextBox::mouseReleaseEvent(QMouseEvent* event) {
    QTextEdit::mouseReleaseEvent(event);
    const QPoint at = event->position().toPoint();
    const bool click = event->button() == Qt::LeftButton && !m_dragged && !m_doubleClicked;
    m_doubleClicked = false;
    emit MouseUp(buttonMask(event->button()), shiftMask(event->modifiers()), pixelsToTwips(at.x()),
                 pixelsToTwipsY(at.y()));
    if (click)
        emit Click();
}

void RichTextBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QTextEdit::mouseDoubleClickEvent(event);
    m_doubleClicked = true; // its release is not a click
    emit DblClick();
}
