#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtMath>

namespace {
constexpr double TwipsPerInch = 1440.0;
constexpr double DesignTwipsPerPixel = 15.0; // a 96-DPI screen, when there is none

double twipsPerPixel(double dpi) {
    return dpi > 0 ? TwipsPerInch / dpi : DesignTwipsPerPixel;
}

const QScreen* screen() {
    return qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
}
} // namespace

double TwipsPerPixelX() {
    const QScreen* s = screen();
    return s ? twipsPerPixel(s->logicalDotsPerInchX()) : DesignTwipsPerPixel;
}

double TwipsPerPixelY() {
    const QScreen* s = screen();
    return s ? twipsPerPixel(s->logicalDotsPerInchY()) : DesignTwipsPerPixel;
}

int TwipsToPixels(int twips) {
    return qRound(twips / TwipsPerPixelX());
}

int TwipsToPixelsY(int twips) {
    return qRound(twips / TwipsPerPixelY());
}

int PixelsToTwips(int pixels) {
    return qRound(pixels * TwipsPerPixelX());
}

int PixelsToTwipsY(int pixels) {
    return qRound(pixels * TwipsPerPixelY());
}

QRect TwipsToPixels(const TwipsRect& r) {
    return QRect(TwipsToPixels(r.left), TwipsToPixelsY(r.top), TwipsToPixels(r.width), TwipsToPixelsY(r.height));
}

TwipsRect PixelsToTwips(const QRect& r) {
    return TwipsRect{PixelsToTwips(r.left()), PixelsToTwipsY(r.top()), PixelsToTwips(r.width()),
                     PixelsToTwipsY(r.height())};
}
