// The faces of xpButton: a gradient with a rounded rim, and a ring for the
// hovered and focused looks.
#include "widgets/xpButtonFaces.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <array>

namespace {

// Picture sizes in pixels of small, big and long buttons.
constexpr std::array<QSize, 3> kFaceSizes{QSize(73, 21), QSize(78, 28), QSize(138, 28)};

// One look: the face's gradient from top to bottom, its rim and an inner ring.
struct Look {
    QColor top;
    QColor bottom;
    QColor rim;
    QColor ring; // invalid: none
};

const Look kNormalLook{QColor(255, 255, 255), QColor(200, 216, 244), QColor(40, 80, 160), QColor()};
const Look kHoverLook{QColor(255, 255, 255), QColor(226, 236, 252), QColor(40, 80, 160),
                      QColor(248, 179, 48)};
const Look kDownLook{QColor(176, 198, 236), QColor(236, 242, 252), QColor(20, 50, 120), QColor()};
const Look kDisabledLook{QColor(238, 238, 234), QColor(238, 238, 234), QColor(190, 190, 184), QColor()};
const Look kFocusLook{QColor(255, 255, 255), QColor(200, 216, 244), QColor(40, 80, 160),
                      QColor(105, 130, 238)};

QPixmap drawFace(QSize size, const Look& look) {
    constexpr qreal kCorner = 3.0;
    QPixmap face(size);
    face.fill(Qt::transparent);
    QPainter painter(&face);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = QRectF(face.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(outer.topLeft(), outer.bottomLeft());
    fill.setColorAt(0, look.top);
    fill.setColorAt(1, look.bottom);
    painter.setPen(QPen(look.rim, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(outer, kCorner, kCorner);
    if (look.ring.isValid()) {
        painter.setPen(QPen(look.ring, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(outer.adjusted(1.5, 1.5, -1.5, -1.5), kCorner - 1, kCorner - 1);
    }
    return face;
}

ButtonFaces drawFaces(QSize size) {
    return {drawFace(size, kNormalLook), drawFace(size, kHoverLook), drawFace(size, kDownLook),
            drawFace(size, kDisabledLook), drawFace(size, kFocusLook)};
}

} // namespace

QSize buttonFaceSize(int size) {
    return kFaceSizes[static_cast<std::size_t>(size)];
}

// Drawn once and shared: every button of a size shows the same pictures.
const ButtonFaces& buttonFacesOf(int size) {
    static const std::array<ButtonFaces, 3> faces{drawFaces(kFaceSizes[0]), drawFaces(kFaceSizes[1]),
                                                  drawFaces(kFaceSizes[2])};
    return faces[static_cast<std::size_t>(size)];
}
