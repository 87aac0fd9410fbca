#include "widgets/DialogLook.h"

#include <QFont>
#include <QMainWindow>
#include <QWidget>

void applyDialogLook(QWidget* client) {
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, kDialogBackground);
    client->setPalette(palette);
}

QFont designFace() {
    QFont face(QStringLiteral("Arial"));
    face.setStyleHint(QFont::SansSerif);
    face.setPointSizeF(8.25);
    return face;
}

QWidget* newDesignClient(QMainWindow* window) {
    auto* client = new QWidget(window);
    applyDialogLook(client);
    client->setFont(designFace());
    window->setCentralWidget(client);
    return client;
}
