#pragma once

#include <QImage>

// The picture of the smiley with this index, at the size of its cell in the
// picker (18x18 pixels for most; a few are wider), transparent around the
// drawing. The pictures are drawn by scripts/make-smiley-pictures into
// resources/smileys/ and compiled in. An index without a smiley gives an empty
// 18x18 picture.
QImage smileyPicture(int index);
