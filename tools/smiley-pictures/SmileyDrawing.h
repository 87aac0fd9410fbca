#pragma once

#include <QImage>
#include <vector>

// The picture of the smiley with this index, drawn at the size of its cell in
// the picker (18x18 pixels for most; a few are wider), transparent around the
// drawing. Drawing text needs a QGuiApplication. An index without a smiley
// gives an empty 18x18 picture.
QImage drawSmileyPicture(int index);

// The indices that have a drawing, in order.
std::vector<int> drawnSmileyIndices();
