#include "platform/ScreenCentre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void centreOnScreen(QWidget& window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize outer = window.frameGeometry().size();
    window.move(area.left() + area.width() / 2 - outer.width() / 2,
                area.top() + area.height() / 2 - outer.height() / 2);
}
