#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

// The little RTF our panes exchange: text, \par and \line, and \pict groups.

struct RtfPicture {
    QStringView hex; // the picture data as written, whitespace included
    bool isMetafile = false;
    bool damaged = false; // data interrupted or escaped: not decodable
    qint64 widthHimetric = 0;
    qint64 heightHimetric = 0;
    qint64 goalWidthTwips = 0;
    qint64 goalHeightTwips = 0;
};

// A fragment's content in order: a run of text, or a picture.
struct RtfPiece {
    QString text;
    std::optional<RtfPicture> picture;
};

// The content of a fragment in order. Font and colour tables, \* destinations
// and unknown control words are skipped; nothing else is read as markup. The
// pictures' data are views into rtf.
std::vector<RtfPiece> readRtf(QStringView rtf);

// Picture data written as hex digits, whitespace allowed between them. Strict:
// an odd number of digits or any other character gives no bytes.
QByteArray bytesFromHex(QStringView hex);
