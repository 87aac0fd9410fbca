#include "widgets/DialogLook.h"

#include <QFont>
#include <QMainWindow>
#include <QWidget>

void ApplyDialogLook(QWidget* client) {
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, kDialogBackground);
    client->setPalette(palette);
}

QFont DesignFace() {
    QFont face(QStringLiteral("Arial"));
    face.setStyleHint(QFont::SansSerif);
    face.setPointSizeF(8.25);
    return face;
}

QWidget* NewDesignClient(QMainWindow* window) {
    auto* client = new QWidget(window);
    ApplyDialogLook(client);
    client->setFont(DesignFace());
    window->setCentralWidget(client);
    return client;
}
