#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

// The desktop's key codes: virtual-key codes for key-down events (Up 38,
// Down 40, Delete 46, ...), character codes for typed keys (Enter 13,
// Backspace 8), and the shift mask (1 Shift, 2 Ctrl, 4 Alt).
int VirtualKeyCode(const QKeyEvent& event);
int KeyAscii(const QKeyEvent& event);
int ShiftMask(Qt::KeyboardModifiers modifiers);
// The mouse buttons as the desktop codes them: 1 left, 2 right, 4 middle.
int ButtonMask(Qt::MouseButtons buttons);

// Reports the keys of a widget the way the desktop's controls did: KeyDown with
// the virtual-key code, then KeyPress with the character code for keys that
// type one. A handler that sets the code to 0 cancels the key.
class KeyEvents : public QObject {
    Q_OBJECT
public:
    explicit KeyEvents(QWidget* widget);

signals:
    void KeyDown(int& keyCode, int shift);
    void KeyPress(int& keyAscii);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
