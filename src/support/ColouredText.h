#pragma once

#include <QString>

class RichTextBox;

// IRC control characters.
inline const QString Chr1 = QString(QChar(1));   // CTCP delimiter
inline const QString Chr2 = QString(QChar(2));   // bold
inline const QString Chr3 = QString(QChar(3));   // colour, followed by its number
inline const QString Chr15 = QString(QChar(15)); // plain, read like bold
inline const QString Chr22 = QString(QChar(22)); // reverse
inline const QString Chr31 = QString(QChar(31)); // underline
inline const QString CrLf = QStringLiteral("\r\n");

// Appends text as one line (a blank before it, a line end after it) in the
// configured font, turning the IRC codes into character formats.
void PutColouredText(RichTextBox& rtb, const QString& text);
// The same without setting the font and without the Chr(15) code.
void AppendFormattedText(RichTextBox& rtb, const QString& text);

quint32 ColourIndexToRGB(int number);
int RGBToColourIndex(quint32 rgb);
bool IsColourSpec(const QString& text);
// The word of rtb under a point given in twips relative to the control, or "".
QString WordAtPoint(const RichTextBox& rtb, double xTwips, double yTwips);
// One status line in the room window's pane, in colour number colour.
void ShowInfoLine(const QString& text, int colour);

inline constexpr quint32 DefaultColour = 0; // black
