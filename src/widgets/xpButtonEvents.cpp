// xpButton's events: painting and hover, focus, and the mouse and keys raised
// as the desktop's events (positions in twips, keys as its codes).
#include "widgets/xpButton.h"

#include "platform/KeyCodes.h"
#include "platform/Twips.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

void xpButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, facePicture());
    EnableHoverTimer();
}

void xpButton::resizeEvent(QResizeEvent*) {
    RefreshButton();
}

// Nothing to follow while hidden; the next paint starts the timer again.
void xpButton::hideEvent(QHideEvent*) {
    Timer1.stop();
}

void xpButton::focusInEvent(QFocusEvent*) {
    m_focused = true;
    showBox(Box::Focus);
}

void xpButton::focusOutEvent(QFocusEvent*) {
    m_focused = false;
    if (m_enabled) // disabling takes the focus; the disabled face stays
        showBox(Box::Empty);
}

void xpButton::mousePressEvent(QMouseEvent* event) {
    m_look = Pressed;
    emitMouse(&xpButton::MouseDown, *event, buttonMask(event->button()));
}

void xpButton::mouseMoveEvent(QMouseEvent* event) {
    emitMouse(&xpButton::MouseMove, *event, buttonMask(event->buttons()));
}

void xpButton::mouseReleaseEvent(QMouseEvent* event) {
    m_look = Normal;
    emitMouse(&xpButton::MouseUp, *event, buttonMask(event->button()));
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
}

void xpButton::keyPressEvent(QKeyEvent* event) {
    emit KeyDown(virtualKeyCode(*event), shiftMask(event->modifiers()));
    if (const int keyAscii = KeyAscii(*event); keyAscii != 0)
        emit KeyPress(keyAscii);
    event->accept();
}

void xpButton::keyReleaseEvent(QKeyEvent* event) {
    emit KeyUp(virtualKeyCode(*event), shiftMask(event->modifiers()));
    event->accept();
}

void xpButton::emitMouse(void (xpButton::*signal)(int, int, int, int), const QMouseEvent& event,
                         int buttons) {
    const QPoint at = event.position().toPoint();
    emit(this->*signal)(buttons, shiftMask(event.modifiers()), pixelsToTwips(at.x()), pixelsToTwipsY(at.y()));
}
