#include "conversation/QueryPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QColor kDeep(40, 80, 160);
const QColor kMid(120, 160, 230);
const QColor kLight(230, 238, 250);

QPixmap blank(QSize size) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    return picture;
}

// The header band is light, so the dark blue nick and host read on it.
QLinearGradient band(const QRectF& r) {
    QLinearGradient gradient(r.topLeft(), r.bottomLeft());
    gradient.setColorAt(0, kLight);
    gradient.setColorAt(1, kMid);
    return gradient;
}

} // namespace

QPixmap QueryPictures::badge(QSize size) {
    QPixmap picture = blank(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // Small and high: the nick's label starts over the badge's lower right.
    const QRectF bubble(1, 1, size.width() * 0.55, size.height() * 0.4);
    QPainterPath path;
    path.addRoundedRect(bubble, 5, 5);
    QPolygonF tail;
    tail << QPointF(bubble.left() + bubble.width() * 0.25, bubble.bottom() - 1)
         << QPointF(bubble.left() + bubble.width() * 0.2, size.height() - 3)
         << QPointF(bubble.left() + bubble.width() * 0.5, bubble.bottom() - 1);
    path.addPolygon(tail);
    path.setFillRule(Qt::WindingFill);
    QLinearGradient fill(bubble.topLeft(), bubble.bottomLeft());
    fill.setColorAt(0, Qt::white);
    fill.setColorAt(1, kMid);
    painter.setPen(QPen(kDeep, 1.2));
    painter.setBrush(fill);
    painter.drawPath(path.simplified());
    painter.setPen(Qt::NoPen);
    painter.setBrush(kDeep);
    const qreal dot = bubble.height() * 0.14;
    for (int k = 1; k <= 3; ++k)
        painter.drawEllipse(QPointF(bubble.left() + bubble.width() * k / 4.0, bubble.center().y()), dot, dot);
    return picture;
}

QPixmap QueryPictures::headerStrip(QSize size) {
    QPixmap picture = blank(size);
    QPainter painter(&picture);
    painter.fillRect(picture.rect(), band(picture.rect()));
    painter.setPen(QColor(255, 255, 255, 90));
    painter.drawLine(0, 1, size.width(), 1);
    return picture;
}

QPixmap QueryPictures::headerEnd(QSize size) {
    QPixmap picture = blank(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(picture.rect()).adjusted(-size.width(), 0, 0, 0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(band(r));
    painter.drawRoundedRect(r, size.width() * 0.8, size.height() * 0.5);
    return picture;
}

QPixmap QueryPictures::sendButton(QSize size) {
    QPixmap picture = blank(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(picture.rect()).adjusted(2, 2, -2, -2);
    QRadialGradient fill(face.center() - QPointF(face.width() / 5, face.height() / 5), face.width() * 0.7);
    fill.setColorAt(0, kLight);
    fill.setColorAt(1, kDeep);
    painter.setPen(QPen(kDeep.darker(130), 1.5));
    painter.setBrush(fill);
    painter.drawEllipse(face);
    const qreal w = face.width();
    const qreal h = face.height();
    QPolygonF arrow;
    arrow << QPointF(face.left() + w * 0.25, face.top() + h * 0.4)
          << QPointF(face.left() + w * 0.5, face.top() + h * 0.4)
          << QPointF(face.left() + w * 0.5, face.top() + h * 0.22)
          << QPointF(face.left() + w * 0.8, face.center().y())
          << QPointF(face.left() + w * 0.5, face.top() + h * 0.78)
          << QPointF(face.left() + w * 0.5, face.top() + h * 0.6)
          << QPointF(face.left() + w * 0.25, face.top() + h * 0.6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPolygon(arrow);
    return picture;
}

QPixmap QueryPictures::edgeStrip(QSize size) {
    QPixmap picture = blank(size);
    QPainter painter(&picture);
    QLinearGradient fill(0, 0, size.width(), 0);
    fill.setColorAt(0, kMid);
    fill.setColorAt(0.5, kLight);
    fill.setColorAt(1, kMid);
    painter.fillRect(picture.rect(), fill);
    return picture;
}

QPixmap QueryPictures::inputArea(QSize size) {
    QPixmap picture = blank(size);
    QPainter painter(&picture);
    QLinearGradient fill(0, 0, 0, size.height());
    fill.setColorAt(0, kLight);
    fill.setColorAt(1, QColor(190, 208, 240));
    painter.fillRect(picture.rect(), fill);
    painter.setPen(kMid);
    painter.drawLine(0, 0, size.width(), 0);
    return picture;
}
