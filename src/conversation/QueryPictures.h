#pragma once

#include <QPixmap>
#include <QSize>

// The conversation window's own pictures, drawn at their design sizes in pixels;
// the stretched ones are scaled by the controls that show them.
namespace QueryPictures {

QPixmap badge(QSize size);       // a speech bubble: the window's badge
QPixmap headerStrip(QSize size); // the band behind the correspondent's name
QPixmap headerEnd(QSize size);   // the rounded right end of the band
QPixmap sendButton(QSize size);  // an arrow on a round face
QPixmap edgeStrip(QSize size);   // the left and right borders of the input area
QPixmap inputArea(QSize size);   // the panel behind the input line and the labels

} // namespace QueryPictures
