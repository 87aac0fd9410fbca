// Unseen text: the window flashes until the user touches it.
#include "conversation/Query.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>

void Query::markRead() {
    UnreadFlag = 0;
}

void Query::Form_Activate() {
    markRead();
    DataOut->setFocus();
}

void Query::changeEvent(QEvent* event) {
    Form::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

void Query::focusInEvent(QFocusEvent* event) {
    Form::focusInEvent(event);
    Form_Activate();
}

void Query::flsh_Timer() {
    if (UnreadFlag != 1)
        return;
    QApplication::alert(this);
    emit Flashed();
}
