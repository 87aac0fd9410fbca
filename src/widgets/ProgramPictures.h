#pragma once

#include <QIcon>
#include <QPixmap>

// The program's own pictures, compiled into it from resources/pictures.qrc.

// The program's icon: the traffic window's and the notification area's.
QIcon programIcon();
// A picture of resources/pictures by its name without ".png" ("splash", "banner").
QPixmap programPicture(const QString& name);
