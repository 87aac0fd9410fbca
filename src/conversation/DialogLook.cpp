#include "conversation/DialogLook.h"

#include "conversation/QueryDesign.h"

#include <QWidget>

void ApplyDialogLook(QWidget* client) {
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, QueryDesign::Background);
    client->setPalette(palette);
}
