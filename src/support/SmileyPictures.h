#pragma once

#include <QImage>

// The picture of the smiley with this index, at the size of its cell in the
// picker (18x18 pixels for most; a few are wider). Transparent around the
// drawing. The same picture every time; drawing text needs a QGuiApplication.
// An index without a smiley gives an empty 18x18 picture.
QImage DrawSmileyPicture(int index);
