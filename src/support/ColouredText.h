#pragma once

#include "support/TextCodes.h"

#include <QString>

class RichTextBox;

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
