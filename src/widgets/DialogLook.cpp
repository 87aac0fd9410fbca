#include "widgets/DialogLook.h"

#include <QWidget>

void ApplyDialogLook(QWidget* client) {
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, DialogBackground);
    client->setPalette(palette);
}
