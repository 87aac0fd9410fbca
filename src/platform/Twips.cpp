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

double twipsPerPixelX() {
    const QScreen* s = screen();
    return s ? twipsPerPixel(s->logicalDotsPerInchX()) : kDesignTwipsPerPixel;
}

double twipsPerPixelY() {
    const QScreen* s = screen();
    return s ? twipsPerPixel(s->logicalDotsPerInchY()) : kDesignTwipsPerPixel;
}

int twipsToPixels(int twips) {
    return nearest(twips / twipsPerPixelX());
}

int twipsToPixelsY(int twips) {
    return nearest(twips / twipsPerPixelY());
}

int pixelsToTwips(int pixels) {
    return nearest(pixels * twipsPerPixelX());
}

int pixelsToTwipsY(int pixels) {
    return nearest(pixels * twipsPerPixelY());
}

QRect twipsToPixels(const TwipsRect& r) {
    return QRect(twipsToPixels(r.left), twipsToPixelsY(r.top), twipsToPixels(r.width),
                 twipsToPixelsY(r.height));
}

TwipsRect pixelsToTwips(const QRect& r) {
    return TwipsRect{pixelsToTwips(r.left()), pixelsToTwipsY(r.top()), pixelsToTwips(r.width()),
                     pixelsToTwipsY(r.height())};
}

int twipsToPixelsAtLeast(int twips) {
    return qCeil(twips / twipsPerPixelX());
}

int twipsToPixelsAtLeastY(int twips) {
    return qCeil(twips / twipsPerPixelY());
}

qint64 picturePixelsToTwips(qint64 pixels) {
    return pixels * kDesignTwipsPerPixel;
}

qint64 twipsToPicturePixels(qint64 twips) {
    return nearest64(double(twips) / kDesignTwipsPerPixel);
}

qint64 picturePixelsToHimetric(qint64 pixels) {
    return nearest64(double(pixels) * kHimetricPerPicturePixel);
}

qint64 himetricToPicturePixels(qint64 himetric) {
    return nearest64(double(himetric) / kHimetricPerPicturePixel);
}
