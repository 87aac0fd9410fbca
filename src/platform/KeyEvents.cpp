#include "platform/KeyEvents.h"

#include <QKeyEvent>
#include <QWidget>

KeyEvents::KeyEvents(QWidget* widget) : QObject(widget) {
    widget->installEventFilter(this);
}

bool KeyEvents::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto& key = static_cast<const QKeyEvent&>(*event);
    int keyCode = virtualKeyCode(key);
    if (keyCode != 0) {
        emit KeyDown(keyCode, shiftMask(key.modifiers()));
        if (keyCode == 0)
            return true;
    }
    int keyAscii = KeyAscii(key);
    if (keyAscii != 0) {
        emit KeyPress(keyAscii);
        if (keyAscii == 0)
            return true;
    }
    return false;
}
