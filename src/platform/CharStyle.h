#pragma once

#include <QString>
#include <QTextCharFormat>

// The character style of what a box inserts next.
struct CharStyle {
    quint32 colour = 0; // red + 256 * green + 65536 * blue
    bool bold = false;
    bool underline = false;
    bool reverse = false;
    QString fontName;
    int fontSize = 0; // points; 0 leaves the size unset

    bool operator==(const CharStyle&) const = default;
};

size_t qHash(const CharStyle& style, size_t seed = 0);

// Each aspect of a style sets its part of a format: the pending format is made of
// them all, and a change of one aspect is merged into a selection alone.
using StyleAspect = void (*)(QTextCharFormat&, const CharStyle&);
void applyColours(QTextCharFormat& format, const CharStyle& style);
void applyWeight(QTextCharFormat& format, const CharStyle& style);
void applyUnderline(QTextCharFormat& format, const CharStyle& style);
void applyFontName(QTextCharFormat& format, const CharStyle& style);
void applyFontSize(QTextCharFormat& format, const CharStyle& style);

// The format of a style. The formats of the styles in use are made once and
// shared by all boxes, so inserting text in one costs no making or hashing of a
// format, and a document finds the format it knows by the very object. GUI
// thread only.
QTextCharFormat formatOf(const CharStyle& style);
