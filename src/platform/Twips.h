#pragma once

#include <QRect>

// The windows' design geometry is in twips (1440 to the inch); the screen is in
// pixels. One conversion for every window, through the screen's logical DPI
// (15 twips a pixel at 96 DPI), with one rounding rule: to the nearest pixel.

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

// Twips per pixel of the primary screen, across and down.
double TwipsPerPixelX();
double TwipsPerPixelY();

int TwipsToPixels(int twips);    // horizontal measures
int TwipsToPixelsY(int twips);   // vertical measures
int PixelsToTwips(int pixels);   // horizontal measures
int PixelsToTwipsY(int pixels);  // vertical measures
QRect TwipsToPixels(const TwipsRect& r);
TwipsRect PixelsToTwips(const QRect& r);
