#include "platform/TwipsGeometry.h"

#include <QVariant>
#include <QWidget>

namespace {
constexpr char kProperty[] = "twipsGeometry";
}

void setTwipsGeometry(QWidget& control, const TwipsRect& r) {
    control.setGeometry(twipsToPixels(r));
    control.setProperty(kProperty, QRect(r.left, r.top, r.width, r.height));
}

TwipsRect twipsGeometry(const QWidget& control) {
    const QVariant kept = control.property(kProperty);
    if (kept.isValid()) {
        const QRect r = kept.toRect();
        const TwipsRect twips{r.x(), r.y(), r.width(), r.height()};
        if (twipsToPixels(twips) == control.geometry())
            return twips;
    }
    return pixelsToTwips(control.geometry());
}
