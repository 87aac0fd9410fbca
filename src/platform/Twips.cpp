#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtMath>

namespace {
constexpr double TwipsPerInch = 1440.0;
constexpr double HimetricPerPicturePixel = 2540.0 / 96.0;

double twipsPerPixel(double dpi) {
    return dpi > 0 ? TwipsPerInch / dpi : DesignTwipsPerPixel; // a 96-DPI screen, when there is none
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
    return s ? twipsPerPixel(s->logicalDotsPerInchX()) : DesignTwipsPerPixel;
}

double TwipsPerPixelY() {
    const QScreen* s = screen();
    return s ? twipsPerPixel(s->logicalDotsPerInchY()) : DesignTwipsPerPixel;
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
    return pixels * DesignTwipsPerPixel;
}

qint64 TwipsToPicturePixels(qint64 twips) {
    return nearest64(double(twips) / DesignTwipsPerPixel);
}

qint64 PicturePixelsToHimetric(qint64 pixels) {
    return nearest64(double(pixels) * HimetricPerPicturePixel);
}

qint64 HimetricToPicturePixels(qint64 himetric) {
    return nearest64(double(himetric) / HimetricPerPicturePixel);
}
