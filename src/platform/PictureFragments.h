#pragma once

#include "platform/RtfReader.h"

#include <QImage>
#include <QString>
#include <QTextImageFormat>
#include <QUrl>
#include <vector>

// A picture of a fragment, decoded, and the format that shows it at its size.
struct PreparedPicture {
    quint64 serial = 0; // one per distinct picture
    QUrl name;          // the document resource that holds it, made of the serial
    QImage image;       // null when the data do not decode
    QTextImageFormat format;
};

// A fragment read and its pictures decoded: one picture per piece, a null one
// for each run of text.
struct PreparedRtf {
    QString rtf; // keeps the storage the pieces look into
    std::vector<RtfPiece> pieces;
    std::vector<PreparedPicture> pictures;
};

// Our own picture fragments are the same strings every time (a smiley's RTF is
// made once): while a copy is kept here their storage cannot change, so the
// address of the text identifies a fragment already read, and showing it again
// costs neither reading nor decoding nor making its format. Other fragments are
// read afresh. GUI thread only.
const PreparedRtf& prepareRtf(const QString& rtf);
