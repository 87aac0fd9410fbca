#include "platform/TwipsGeometry.h"

#include <QVariant>
#include <QWidget>

namespace {
constexpr char kProperty[] = "twipsGeometry";
}

void SetTwipsGeometry(QWidget& control, const TwipsRect& r) {
    control.setGeometry(TwipsToPixels(r));
    control.setProperty(kProperty, QRect(r.left, r.top, r.width, r.height));
}

TwipsRect TwipsGeometry(const QWidget& control) {
    const QVariant kept = control.property(kProperty);
    if (kept.isValid()) {
        const QRect r = kept.toRect();
        const TwipsRect twips{r.x(), r.y(), r.width(), r.height()};
        if (TwipsToPixels(twips) == control.geometry())
            return twips;
    }
    return PixelsToTwips(control.geometry());
}
