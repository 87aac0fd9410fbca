#include "chatroom/RoomPictures.h"

#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <functional>

namespace {

const QColor kDeep(40, 80, 160);
const QColor kLight(230, 238, 250);
const QColor kGreen(40, 140, 70);
const QColor kRed(200, 40, 40);

using Drawing = std::function<void(QPainter&, const QRectF&)>;

// An icon painted afresh for each size and state asked of it.
class DrawnIcon : public QIconEngine {
public:
    explicit DrawnIcon(Drawing draw) : m_draw(std::move(draw)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.4);
        m_draw(*painter, QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5));
        painter->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        paint(&painter, picture.rect(), mode, state);
        return picture;
    }
    QIconEngine* clone() const override { return new DrawnIcon(m_draw); }

private:
    Drawing m_draw;
};

QIcon drawn(Drawing draw) {
    return QIcon(new DrawnIcon(std::move(draw)));
}

// A round face shaded from its upper left, as the send button's.
void roundFace(QPainter& p, const QRectF& r, const QColor& colour) {
    QRadialGradient fill(r.center() - QPointF(r.width() / 5, r.height() / 5), r.width() * 0.7);
    fill.setColorAt(0, colour.lighter(170));
    fill.setColorAt(1, colour);
    p.setPen(QPen(colour.darker(140), qMax(1.0, r.width() / 16)));
    p.setBrush(fill);
    p.drawEllipse(r);
}

// A white arrow across a round face; direction 1 points right, -1 left.
void arrowFace(QPainter& p, const QRectF& r, int direction) {
    roundFace(p, r, kDeep);
    const QPointF c = r.center();
    const qreal w = r.width() * 0.3 * direction;
    const qreal h = r.height() * 0.28;
    QPolygonF arrow;
    arrow << QPointF(c.x() - w, c.y() - h * 0.4) << QPointF(c.x(), c.y() - h * 0.4)
          << QPointF(c.x(), c.y() - h) << QPointF(c.x() + w, c.y()) << QPointF(c.x(), c.y() + h)
          << QPointF(c.x(), c.y() + h * 0.4) << QPointF(c.x() - w, c.y() + h * 0.4);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(arrow);
}

void stopFace(QPainter& p, const QRectF& r) {
    roundFace(p, r, kRed);
    const QRectF cross =
        r.adjusted(r.width() * 0.32, r.height() * 0.32, -r.width() * 0.32, -r.height() * 0.32);
    p.setPen(QPen(Qt::white, r.width() / 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(cross.topLeft(), cross.bottomRight());
    p.drawLine(cross.topRight(), cross.bottomLeft());
}

void refreshFace(QPainter& p, const QRectF& r) {
    roundFace(p, r, kGreen);
    const QRectF ring =
        r.adjusted(r.width() * 0.27, r.height() * 0.27, -r.width() * 0.27, -r.height() * 0.27);
    p.setPen(QPen(Qt::white, r.width() / 9, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(ring, 100 * 16, 290 * 16);
    const qreal s = r.width() * 0.13;
    const QPointF tip(ring.center().x() + s * 0.3, ring.top());
    QPolygonF head;
    head << tip + QPointF(-s, -s) << tip + QPointF(s * 0.9, 0) << tip + QPointF(-s, s);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(head);
}

void homeFace(QPainter& p, const QRectF& r) {
    const qreal w = r.width();
    const qreal h = r.height();
    QPolygonF roof;
    roof << QPointF(r.left() + w * 0.02, r.top() + h * 0.5) << QPointF(r.center().x(), r.top() + h * 0.06)
         << QPointF(r.right() - w * 0.02, r.top() + h * 0.5);
    const QRectF body(r.left() + w * 0.18, r.top() + h * 0.44, w * 0.64, h * 0.52);
    p.setPen(QPen(kDeep.darker(130), qMax(1.0, w / 16)));
    p.setBrush(kLight);
    p.drawRect(body);
    p.setBrush(QColor(210, 80, 50));
    p.drawPolygon(roof);
    p.setPen(Qt::NoPen);
    p.setBrush(kDeep);
    p.drawRect(
        QRectF(r.center().x() - w * 0.09, body.top() + body.height() * 0.4, w * 0.18, body.height() * 0.6));
}

void searchFace(QPainter& p, const QRectF& r) {
    const qreal w = r.width();
    const QRectF lens(r.left() + w * 0.08, r.top() + w * 0.08, w * 0.56, w * 0.56);
    p.setPen(QPen(kDeep.darker(120), w / 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(lens.center() + QPointF(w * 0.2, w * 0.2), r.bottomRight() - QPointF(w * 0.1, w * 0.1));
    p.setPen(QPen(kDeep, w / 10));
    QRadialGradient glass(lens.center() - QPointF(w * 0.08, w * 0.08), w * 0.3);
    glass.setColorAt(0, Qt::white);
    glass.setColorAt(1, QColor(170, 200, 240));
    p.setBrush(glass);
    p.drawEllipse(lens);
}

void fontFace(QPainter& p, const QRectF& r) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setBold(true);
    font.setPixelSize(qMax(6, qRound(r.height() * 0.95)));
    p.setFont(font);
    p.setPen(kDeep);
    p.drawText(r, Qt::AlignCenter, QStringLiteral("A"));
}

void smileyFace(QPainter& p, const QRectF& r) {
    const qreal w = r.width();
    QRadialGradient fill(r.center() - QPointF(w / 5, w / 5), w * 0.7);
    fill.setColorAt(0, QColor(255, 245, 150));
    fill.setColorAt(1, QColor(240, 190, 20));
    p.setPen(QPen(QColor(150, 100, 0), qMax(1.0, w / 16)));
    p.setBrush(fill);
    p.drawEllipse(r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 40, 0));
    const qreal eye = w * 0.08;
    p.drawEllipse(QPointF(r.left() + w * 0.35, r.top() + w * 0.38), eye, eye * 1.3);
    p.drawEllipse(QPointF(r.left() + w * 0.65, r.top() + w * 0.38), eye, eye * 1.3);
    p.setPen(QPen(QColor(70, 40, 0), qMax(1.0, w / 12), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(r.adjusted(w * 0.25, w * 0.25, -w * 0.25, -w * 0.22), 200 * 16, 140 * 16);
}

void blockFace(QPainter& p, const QRectF& r) {
    roundFace(p, r, kRed);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(r.left() + r.width() * 0.2, r.center().y() - r.height() * 0.09, r.width() * 0.6,
                      r.height() * 0.18));
}

// A square inside r, centred: the faces are round.
QRectF square(const QRectF& r) {
    const qreal side = qMin(r.width(), r.height());
    return QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
}

QIcon squareIcon(void (*face)(QPainter&, const QRectF&)) {
    return drawn([face](QPainter& p, const QRectF& r) { face(p, square(r)); });
}

} // namespace

QIcon RoomPictures::toolbarIcon(const QString& key) {
    static const QHash<QString, Drawing> faces{
        {QStringLiteral("Back"), [](QPainter& p, const QRectF& r) { arrowFace(p, r, -1); }},
        {QStringLiteral("Forward"), [](QPainter& p, const QRectF& r) { arrowFace(p, r, 1); }},
        {QStringLiteral("Stop"), stopFace},
        {QStringLiteral("Refresh"), refreshFace},
        {QStringLiteral("Home"), homeFace},
        {QStringLiteral("Search"), searchFace},
    };
    const auto face = faces.constFind(key);
    if (face == faces.constEnd())
        return QIcon();
    return drawn([draw = *face](QPainter& p, const QRectF& r) { draw(p, square(r)); });
}

QIcon RoomPictures::fontIcon() {
    return squareIcon(fontFace);
}

QIcon RoomPictures::smileyIcon() {
    return squareIcon(smileyFace);
}

QIcon RoomPictures::blockListIcon() {
    return squareIcon(blockFace);
}

QPixmap RoomPictures::people(QSize size) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    // The one behind, then the one in front.
    const std::pair<QPointF, QColor> figures[] = {{{w * 0.62, h * 0.3}, QColor(120, 160, 230)},
                                                  {{w * 0.4, h * 0.38}, kDeep}};
    for (const auto& [head, colour] : figures) {
        const qreal r = qMin(w, h) * 0.16;
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(colour);
        QPainterPath body;
        body.addRoundedRect(QRectF(head.x() - r * 1.7, head.y() + r * 1.1, r * 3.4, r * 2.6), r, r);
        p.drawPath(body);
        p.drawEllipse(head, r, r);
    }
    return picture;
}
