#pragma once

#include <QImage>
#include <QString>

class RichTextBox;

// The RTF picture fragment that shows a picture in a rich text box: a
// {\pict ...\wmetafile8 HEX} group sized 1:1 in pixels.
QString PictureToRTF(const QImage& picture);
// Shows the picture at the box's selection, replacing it.
void InsertPicture(const QImage& picture, RichTextBox& rtb);
// A fresh name in the temporary folder: "T", random letters and digits, "." and
// the extension, 12 characters in all (8.3 style), e.g. ".../Tq7dk2a0.WMF".
QString MakeTempFileName(const QString& extension);
