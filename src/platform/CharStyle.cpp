#include "platform/CharStyle.h"

#include <QColor>
#include <QHash>
#include <QHashFunctions>

namespace {

QColor colourFromRgb(quint32 rgb) {
    return QColor(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF));
}

QTextCharFormat formatFor(const CharStyle& style) {
    QTextCharFormat format;
    // Chat text rarely needs the shaper, and shaping is most of what laying out a
    // line costs; fonts and scripts that need it still get it.
    format.setFontStyleStrategy(QFont::PreferNoShaping);
    for (const StyleAspect aspect : {applyColours, applyWeight, applyUnderline, applyFontName, applyFontSize})
        aspect(format, style);
    return format;
}

} // namespace

size_t qHash(const CharStyle& style, size_t seed) {
    return qHashMulti(seed, style.colour, style.bold, style.underline, style.reverse, style.fontName,
                      style.fontSize);
}

void applyColours(QTextCharFormat& format, const CharStyle& style) {
    const QColor colour = colourFromRgb(style.colour);
    if (!style.reverse) {
        format.setForeground(colour);
        format.setBackground(QBrush()); // clears a reverse merged earlier
        return;
    }
    const bool light = 0.299 * colour.redF() + 0.587 * colour.greenF() + 0.114 * colour.blueF() > 0.6;
    format.setForeground(QColor(light ? Qt::black : Qt::white));
    format.setBackground(colour);
}

void applyWeight(QTextCharFormat& format, const CharStyle& style) {
    format.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
}

void applyUnderline(QTextCharFormat& format, const CharStyle& style) {
    format.setFontUnderline(style.underline);
}

void applyFontName(QTextCharFormat& format, const CharStyle& style) {
    format.setFontFamilies(QStringList{style.fontName});
}

void applyFontSize(QTextCharFormat& format, const CharStyle& style) {
    if (style.fontSize > 0)
        format.setFontPointSize(style.fontSize);
}

// Styles in use are few (16 colours, three switches, one font), so the set is
// simply dropped when it grows past the limit.
QTextCharFormat formatOf(const CharStyle& style) {
    constexpr qsizetype kMaxStyles = 1024;
    static QHash<CharStyle, QTextCharFormat> formats;
    const auto found = formats.constFind(style);
    if (found != formats.constEnd())
        return *found;
    if (formats.size() >= kMaxStyles)
        formats.clear();
    return *formats.insert(style, formatFor(style));
}
