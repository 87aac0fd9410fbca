#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtMath>

namespace {
constexpr double kTwipsPerInch = 1440.0;
constexpr double kHimetricPerPicturePixel = 2540.0 / 96.0;

double twipsPerPixel(double dpi) {
    return dpi > 0 ? kTwipsPerInch / dpi : kDesignTwipsPerPixel; // a 96-DPI screen, when there is none
}

const QScreen* screen() {
    return qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
}

// The one rounding rule.
int nearest(double value) {
    return qRound(value);
}

qint64 nearest64(double value) {
    return qRound64(value);
}
} // namespace

double TwipsPerPixelX() {
    const QScreen* s = screen();
    return s ? twipsPerPixel(s->logicalDotsPerInchX()) : kDesignTwipsPerPixel;
}

double TwipsPerPixelY() {
    const QScreen* s = screen();
    return s ? twipsPerPixel(s->logicalDotsPerInchY()) : kDesignTwipsPerPixel;
}

int TwipsToPixels(int twips) {
    return nearest(twips / TwipsPerPixelX());
}

int TwipsToPixelsY(int twips) {
    return nearest(twips / TwipsPerPixelY());
}

int PixelsToTwips(int pixels) {
    return nearest(pixels * TwipsPerPixelX());
}

int PixelsToTwipsY(int pixels) {
    return nearest(pixels * TwipsPerPixelY());
}

QRect TwipsToPixels(const TwipsRect& r) {
    return QRect(TwipsToPixels(r.left), TwipsToPixelsY(r.top), TwipsToPixels(r.width),
                 TwipsToPixelsY(r.height));
}

TwipsRect PixelsToTwips(const QRect& r) {
    return TwipsRect{PixelsToTwips(r.left()), PixelsToTwipsY(r.top()), PixelsToTwips(r.width()),
                     PixelsToTwipsY(r.height())};
}

int TwipsToPixelsAtLeast(int twips) {
    return qCeil(twips / TwipsPerPixelX());
}

int TwipsToPixelsAtLeastY(int twips) {
    return qCeil(twips / TwipsPerPixelY());
}

qint64 PicturePixelsToTwips(qint64 pixels) {
    return pixels * kDesignTwipsPerPixel;
}

qint64 TwipsToPicturePixels(qint64 twips) {
    return nearest64(double(twips) / kDesignTwipsPerPixel);
}

qint64 PicturePixelsToHimetric(qint64 pixels) {
    return nearest64(double(pixels) * kHimetricPerPicturePixel);
}

qint64 HimetricToPicturePixels(qint64 himetric) {
    return nearest64(double(himetric) / kHimetricPerPicturePixel);
}
