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
double twipsPerPixelX();
double twipsPerPixelY();

int twipsToPixels(int twips);   // horizontal measures
int twipsToPixelsY(int twips);  // vertical measures
int pixelsToTwips(int pixels);  // horizontal measures
int pixelsToTwipsY(int pixels); // vertical measures
QRect twipsToPixels(const TwipsRect& r);
TwipsRect pixelsToTwips(const QRect& r);
// The fewest pixels that make at least so many twips: for minimum sizes, which
// rounding to the nearest pixel could leave short.
int twipsToPixelsAtLeast(int twips);
int twipsToPixelsAtLeastY(int twips);

// Pictures in the panes' RTF are measured in pixels of a 96-DPI screen whatever
// the screen (the pane scales them to it): 15 twips or 2540/96 HIMETRIC units
// (hundredths of a millimetre) a picture pixel. The same rounding rule.
inline constexpr int kDesignTwipsPerPixel = 15;
qint64 picturePixelsToTwips(qint64 pixels);
qint64 twipsToPicturePixels(qint64 twips);
qint64 picturePixelsToHimetric(qint64 pixels);
qint64 himetricToPicturePixels(qint64 himetric);
