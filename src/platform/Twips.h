#pragma once

#include <QRect>

// The windows' design geometry is in twips (1440 to the inch); the screen is in
// pixels. One conversion for every window, through the screen's logical DPI
// (15 twips a pixel at 96 DPI), with one rounding rule: to the nearest pixel or
// twip, halves away from zero.

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

// Twips per pixel of the primary screen, across and down.
double TwipsPerPixelX();
double TwipsPerPixelY();

int TwipsToPixels(int twips);   // horizontal measures
int TwipsToPixelsY(int twips);  // vertical measures
int PixelsToTwips(int pixels);  // horizontal measures
int PixelsToTwipsY(int pixels); // vertical measures
QRect TwipsToPixels(const TwipsRect& r);
TwipsRect PixelsToTwips(const QRect& r);
// The fewest pixels that make at least so many twips: for minimum sizes, which
// rounding to the nearest pixel could leave short.
int TwipsToPixelsAtLeast(int twips);
int TwipsToPixelsAtLeastY(int twips);

// Pictures in the panes' RTF are measured in pixels of a 96-DPI screen whatever
// the screen (the pane scales them to it): 15 twips or 2540/96 HIMETRIC units
// (hundredths of a millimetre) a picture pixel. The same rounding rule.
inline constexpr int kDesignTwipsPerPixel = 15;
qint64 PicturePixelsToTwips(qint64 pixels);
qint64 TwipsToPicturePixels(qint64 twips);
qint64 PicturePixelsToHimetric(qint64 pixels);
qint64 HimetricToPicturePixels(qint64 himetric);
