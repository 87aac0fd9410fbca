#pragma once

#include <QRect>
#include <QtMath>

// The windows' design geometry is in twips; the screen is in pixels.
inline constexpr int TwipsPerPixel = 15;

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

inline int TwipsToPixels(int twips) {
    return qRound(twips / double(TwipsPerPixel));
}

inline int PixelsToTwips(int pixels) {
    return pixels * TwipsPerPixel;
}

inline QRect TwipsToPixels(const TwipsRect& r) {
    return QRect(TwipsToPixels(r.left), TwipsToPixels(r.top), TwipsToPixels(r.width), TwipsToPixels(r.height));
}
