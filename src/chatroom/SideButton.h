#pragma once

#include "widgets/xpButton.h"

// A small skinned button of a side window, named and captioned as designed,
// whose click runs the window's handler.
template <typename Window>
xpButton* sideButton(Window* window, QWidget* client, const QString& name, const QString& caption,
                     void (Window::*click)()) {
    auto* button = new xpButton(name, client);
    button->setButtonSize(xpButton::Small);
    button->setCaption(caption);
    QObject::connect(button, &xpButton::Click, window, click);
    return button;
}
