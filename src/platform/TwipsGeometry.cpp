#include "platform/TwipsGeometry.h"

#include <QVariant>
#include <QWidget>

namespace {
constexpr char Property[] = "twipsGeometry";
}

void SetTwipsGeometry(QWidget& control, const TwipsRect& r) {
    control.setGeometry(TwipsToPixels(r));
    control.setProperty(Property, QRect(r.left, r.top, r.width, r.height));
}

TwipsRect TwipsGeometry(const QWidget& control) {
    const QVariant kept = control.property(Property);
    if (kept.isValid()) {
        const QRect r = kept.toRect();
        const TwipsRect twips{r.x(), r.y(), r.width(), r.height()};
        if (TwipsToPixels(twips) == control.geometry())
            return twips;
    }
    return PixelsToTwips(control.geometry());
}
