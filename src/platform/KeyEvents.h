#pragma once

#include "platform/KeyCodes.h"

#include <QObject>

class QWidget;

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
