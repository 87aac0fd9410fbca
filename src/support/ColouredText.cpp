#include "support/ColouredText.h"

#include "platform/RichTextBox.h"
#include "platform/Twips.h"
#include "support/Globals.h"
#include "support/IrcText.h"
#include "support/Windows.h"

#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <array>

namespace {

constexpr quint32 rgb(quint32 r, quint32 g, quint32 b) {
    return r + 256 * g + 65536 * b;
}

constexpr std::array<quint32, 16> IrcColourTable{
    rgb(255, 255, 255), rgb(0, 0, 0),     rgb(0, 0, 127),   rgb(0, 127, 0),
    rgb(255, 0, 0),     rgb(127, 0, 0),   rgb(127, 0, 127), rgb(255, 127, 0),
    rgb(255, 255, 0),   rgb(0, 255, 0),   rgb(0, 148, 144), rgb(0, 255, 255),
    rgb(0, 0, 255),     rgb(255, 0, 255), rgb(92, 92, 92),  rgb(184, 184, 184),
};

const std::array<QLatin1String, 10> ColourSpecPatterns{
    QLatin1String("#"),    QLatin1String("##"),  QLatin1String("#,#"), QLatin1String("##,#"),
    QLatin1String("#,##"), QLatin1String("#,"),  QLatin1String("##,"), QLatin1String("##,##"),
    QLatin1String(",#"),   QLatin1String(",##"),
};

bool matches(QStringView text, QLatin1String pattern) {
    if (text.size() != pattern.size())
        return false;
    for (qsizetype k = 0; k < text.size(); ++k) {
        const QChar c = text[k];
        if (pattern[k] == QLatin1Char('#') ? !(c >= u'0' && c <= u'9') : c != pattern[k])
            return false;
    }
    return true;
}

bool isColourSpec(QStringView text) {
    if (text.isEmpty())
        return true;
    return std::any_of(ColourSpecPatterns.begin(), ColourSpecPatterns.end(),
                       [text](QLatin1String pattern) { return matches(text, pattern); });
}

struct WriterStyle {
    bool setsFont;    // the room writer sets the configured font on every line
    bool plainIsBold; // Chr(15) toggles bold like Chr(2)
};

void setFont(RichTextBox& rtb) {
    rtb.setSelFontSize(G().FontSize);
    rtb.setSelFontName(G().FontName);
}

void resetStyle(RichTextBox& rtb) {
    rtb.setSelBold(false);
    rtb.setSelUnderline(false);
    rtb.setSelReverse(false);
}

void appendRun(RichTextBox& rtb, QStringView run) {
    if (run.isEmpty())
        return;
    rtb.setSelStart(rtb.textLength());
    rtb.setSelText(run.toString());
}

// Consumes the colour specification after a Chr(3) starting at pos; returns the
// colour it names.
quint32 readColour(QStringView text, qsizetype& pos) {
    constexpr qsizetype kLongestSpec = 5;
    const qsizetype start = pos;
    const auto takesNext = [&] { return isColourSpec(text.sliced(start, pos - start + 1)); };
    while (pos < text.size() && pos - start < kLongestSpec && takesNext())
        ++pos;
    const QStringView taken = text.sliced(start, pos - start);
    if (taken.isEmpty())
        return DefaultColour;
    const qsizetype comma = taken.indexOf(QLatin1Char(','));
    return ColourIndexToRGB((comma < 0 ? taken : taken.first(comma)).toInt());
}

// Runs between codes are written whole, each as one piece.
void writeCoded(RichTextBox& rtb, QStringView line, WriterStyle style) {
    rtb.setSelStart(rtb.textLength());
    rtb.setSelColor(DefaultColour);
    resetStyle(rtb);
    if (style.setsFont)
        setFont(rtb);
    qsizetype runStart = 0;
    for (qsizetype pos = 0; pos < line.size();) {
        const char16_t c = line[pos].unicode();
        const bool bold = c == 2 || (c == 15 && style.plainIsBold);
        if (!bold && c != 31 && c != 22 && c != 3) {
            ++pos;
            continue;
        }
        appendRun(rtb, line.sliced(runStart, pos - runStart));
        ++pos;
        if (bold)
            rtb.setSelBold(!rtb.SelBold());
        else if (c == 31)
            rtb.setSelUnderline(!rtb.SelUnderline());
        else if (c == 22)
            rtb.setSelReverse(!rtb.selReverse());
        else
            rtb.setSelColor(readColour(line, pos));
        runStart = pos;
    }
    appendRun(rtb, line.sliced(runStart));
    resetStyle(rtb);
    rtb.setSelStart(rtb.textLength());
    rtb.setSelText(CrLf);
}

bool hasCodes(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == 2 || u == 3 || u == 22 || u == 31)
            return true;
    }
    return false;
}

bool isWordSeparator(QChar c) {
    switch (c.unicode()) {
    case u' ':
    case u',':
    case u'(':
    case u')':
    case u'[':
    case u']':
    case u'{':
    case u'}':
    case u'"':
    case u'\'':
    case u'\t':
        return true;
    default:
        return false;
    }
}

} // namespace

// A line is laid out once, when it is whole, rather than after each of its runs.
void PutColouredText(RichTextBox& rtb, const QString& text) {
    RichTextBox::Batch batch;
    setFont(rtb);
    if (!hasCodes(text)) {
        rtb.setSelStart(rtb.textLength());
        rtb.setSelColor(DefaultColour);
        resetStyle(rtb);
        setFont(rtb);
        rtb.setSelText(QLatin1Char(' ') + text + CrLf);
        return;
    }
    writeCoded(rtb, QLatin1Char(' ') + text, {true, true});
}

void AppendFormattedText(RichTextBox& rtb, const QString& text) {
    RichTextBox::Batch batch;
    writeCoded(rtb, QLatin1Char(' ') + text, {false, false});
}

quint32 ColourIndexToRGB(int number) {
    return number >= 0 && number < static_cast<int>(IrcColourTable.size()) ? IrcColourTable[number] : 0;
}

int RGBToColourIndex(quint32 value) {
    for (std::size_t k = 0; k < IrcColourTable.size(); ++k)
        if (IrcColourTable[k] == value)
            return static_cast<int>(k);
    return 0;
}

bool IsColourSpec(const QString& text) {
    return isColourSpec(text);
}

// Looks within the line under the point: every pane line starts with a blank,
// so a word never reaches into the line before it.
QString WordAtPoint(const RichTextBox& rtb, double xTwips, double yTwips) {
    const QPoint pixels(twipsToPixels(qRound(xTwips)), twipsToPixelsY(qRound(yTwips)));
    const int p = rtb.charFromPos(pixels);
    if (p < 1 || p >= rtb.textLength())
        return QString();
    const QTextBlock block = rtb.document()->findBlock(p - 1);
    const QString line = block.text();
    const int at = p - 1 - block.position(); // the character just before the one under the point
    if (at < 0 || at >= line.size())
        return QString();
    int start = -1;
    for (int k = at; k >= 0; --k)
        if (isWordSeparator(line[k])) {
            start = k;
            break;
        }
    if (start < 0)
        return QString();
    int end = static_cast<int>(line.size());
    for (int k = at; k < line.size(); ++k)
        if (isWordSeparator(line[k])) {
            end = k;
            break;
        }
    QString word = line.mid(start, end - start);
    word.remove(QChar(13));
    return DropLeft(word, 1);
}

void ShowInfoLine(const QString& text, int colour) {
    PutColouredText(Windows::roomPane(), Colour(colour) + text);
}
