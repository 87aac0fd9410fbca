#pragma once

#include <QByteArray>
#include <QImage>

// Windows metafiles holding one bitmap: the form pictures take inside the RTF
// our panes exchange (\wmetafile8).

// The largest picture either side handles, in pixels per side; larger ones are
// refused rather than allocated.
constexpr int kMetafileMaxPictureSide = 4096;

// A standard metafile (no placeable header) that draws the picture 1:1 in pixels
// as a 24-bit device-independent bitmap. Transparent pixels become white, the
// panes' background, since such a bitmap has no alpha. Empty for a null picture
// or one larger than kMetafileMaxPictureSide.
QByteArray writeBitmapMetafile(const QImage& picture);

// The first bitmap a metafile draws (DIBBITBLT, STRETCHDIB or DIBSTRETCHBLT;
// 1/4/8-bit palette or 24/32-bit BI_RGB), or a null image when the bytes are not
// such a metafile. Safe on arbitrary bytes: every read is bounds-checked and the
// image is never larger than kMetafileMaxPictureSide per side.
QImage readBitmapMetafile(const QByteArray& bytes);
