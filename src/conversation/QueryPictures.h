#pragma once

#include <QPixmap>
#include <QSize>

// The conversation window's own pictures, drawn at their design sizes in pixels;
// the stretched ones are scaled by the controls that show them.
namespace QueryPictures {

QPixmap Badge(QSize size);      // a speech bubble: the window's badge
QPixmap HeaderStrip(QSize size); // the band behind the correspondent's name
QPixmap HeaderEnd(QSize size);  // the rounded right end of the band
QPixmap SendButton(QSize size); // an arrow on a round face
QPixmap EdgeStrip(QSize size);  // the left and right borders of the input area
QPixmap InputArea(QSize size);  // the panel behind the input line and the labels

} // namespace QueryPictures
