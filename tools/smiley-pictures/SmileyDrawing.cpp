#include "SmileyDrawing.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>

namespace {

// ---- palette and pens ------------------------------------------------------------

const QColor kOutline(0x5A, 0x3C, 0x00);
const QColor kInk(0x33, 0x22, 0x00);
const QColor kMouthRed(0xB3, 0x26, 0x2E);
const QColor kTonguePink(0xFF, 0x7A, 0xA2);
const QColor kTearBlue(0x4A, 0xA8, 0xFF);
const QColor kHeartRed(0xE0, 0x1E, 0x37);
const QColor kLeafGreen(0x3C, 0x9A, 0x2E);
const QColor kGold(0xFF, 0xC8, 0x00);
const QColor kHandSkin(0xFF, 0xD0, 0x9A);

QPen pen(const QColor& colour, qreal width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void stroke(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width) {
    p.strokePath(path, pen(colour, width));
}

void fillOutlined(QPainter& p, const QPainterPath& path, const QColor& fill, const QColor& outline,
                  qreal width = 0.8) {
    p.fillPath(path, fill);
    p.strokePath(path, pen(outline, width));
}

QPainterPath ellipse(QPointF centre, qreal rx, qreal ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath line(QPointF from, QPointF to) {
    QPainterPath path(from);
    path.lineTo(to);
    return path;
}

QPainterPath curve(QPointF from, QPointF control, QPointF to) {
    QPainterPath path(from);
    path.quadTo(control, to);
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath heart(QPointF centre, qreal size) {
    const qreal s = size / 2;
    QPainterPath path(centre + QPointF(0, s));
    path.cubicTo(centre + QPointF(-2.2 * s, -0.2 * s), centre + QPointF(-0.9 * s, -1.6 * s),
                 centre + QPointF(0, -0.6 * s));
    path.cubicTo(centre + QPointF(0.9 * s, -1.6 * s), centre + QPointF(2.2 * s, -0.2 * s),
                 centre + QPointF(0, s));
    return path;
}

QPainterPath drop(QPointF tip, qreal size) {
    QPainterPath path(tip);
    path.quadTo(tip + QPointF(size * 0.8, size * 1.1), tip + QPointF(0, size * 1.5));
    path.quadTo(tip + QPointF(-size * 0.8, size * 1.1), tip);
    return path;
}

QFont letteringFont(int pixels) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(std::max(pixels, 1));
    return font;
}

void letters(QPainter& p, const QRectF& box, const QString& text, const QColor& colour, int pixels) {
    p.setFont(letteringFont(pixels));
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
}

// ---- faces -------------------------------------------------------------------------

enum class Skin { Yellow, Red, Purple, Green, Alien, Pink, Brown, White };

enum class Eyes {
    Dots,
    Wink,
    Happy,
    Lashes,
    Hearts,
    Shut,
    RollingUp,
    Wide,
    Crazy,
    Spirals,
    Dollars,
    Shades,
    Glasses,
    Angry,
    Worried,
    RaisedBrow,
    Tired,
    Side,
    Alien,
};

enum class Mouth {
    Smile,
    Grin,
    Laugh,
    Sad,
    Crying,
    Flat,
    Slant,
    Wavy,
    Open,
    SmallO,
    Tongue,
    Kiss,
    Smirk,
    Teeth,
    Zip,
    Yawn,
    Beak,
};

// Additions to a face; a few need room above it or beside it.
enum Extra : quint64 {
    Plain = 0,
    Tears = 1ull << 0,
    Blush = 1ull << 1,
    Horns = 1ull << 2,
    CowHorns = 1ull << 3,
    Halo = 1ull << 4,
    Sweat = 1ull << 5,
    Zzz = 1ull << 6,
    RedNose = 1ull << 7,
    LongNose = 1ull << 8,
    CowboyHat = 1ull << 9,
    PartyHat = 1ull << 10,
    Drool = 1ull << 11,
    Notes = 1ull << 12,
    Hand = 1ull << 13,
    Question = 1ull << 14,
    ForeheadHand = 1ull << 15,
    Clap = 1ull << 16,
    Prayer = 1ull << 17,
    Peace = 1ull << 18,
    Finger = 1ull << 19,
    Sigh = 1ull << 20,
    Watch = 1ull << 21,
    LoserL = 1ull << 22,
    Comb = 1ull << 23,
    Snout = 1ull << 24,
    Muzzle = 1ull << 25,
    Ears = 1ull << 26,
    Spots = 1ull << 27,
    Hair = 1ull << 28,
    Antennae = 1ull << 29,
    OpenArms = 1ull << 30,
    RaisedArms = 1ull << 31,
    SpeechBubble = 1ull << 32,
    Rolling = 1ull << 33,
};

constexpr quint64 kNeedsHeadroom =
    Horns | CowHorns | Halo | Zzz | CowboyHat | PartyHat | Question | Comb | Hair | Antennae | RaisedArms;

struct Face {
    int index;
    Skin skin;
    Eyes eyes;
    Mouth mouth;
    quint64 extras;
};

// The face's design grid is 16x16 with the centre at (8, 8), whatever size the
// face is drawn at.
constexpr qreal kGrid = 16;
constexpr QPointF kLeftEye(5.3, 6.2);
constexpr QPointF kRightEye(10.7, 6.2);

struct SkinColours {
    QColor light;
    QColor base;
};

SkinColours skinColours(Skin skin) {
    switch (skin) {
    case Skin::Red:
        return {QColor(0xFF, 0xA0, 0x80), QColor(0xE8, 0x44, 0x2C)};
    case Skin::Purple:
        return {QColor(0xD9, 0x9B, 0xFF), QColor(0x8E, 0x3C, 0xD0)};
    case Skin::Green:
        return {QColor(0xDD, 0xF5, 0x9A), QColor(0x8C, 0xC2, 0x42)};
    case Skin::Alien:
        return {QColor(0xC6, 0xFF, 0xB0), QColor(0x3F, 0xBF, 0x3F)};
    case Skin::Pink:
        return {QColor(0xFF, 0xE0, 0xE8), QColor(0xFF, 0x94, 0xB4)};
    case Skin::Brown:
        return {QColor(0xE3, 0xB0, 0x78), QColor(0x8B, 0x5A, 0x2B)};
    case Skin::White:
        return {QColor(0xFF, 0xFF, 0xFF), QColor(0xD0, 0xD0, 0xD0)};
    case Skin::Yellow:
        break;
    }
    return {QColor(0xFF, 0xF2, 0x7A), QColor(0xFF, 0xC4, 0x10)};
}

// Where a face sits in its picture and how it is turned.
struct Layout {
    QSizeF canvas;
    QRectF face;
    qreal tilt;
    SkinColours skin;
};

Layout layoutFor(const Face& face, QSizeF canvas) {
    const qreal side = face.extras & kNeedsHeadroom ? 13 : 16;
    qreal x = (canvas.width() - side) / 2;
    if (face.extras & SpeechBubble)
        x = 1;
    if (face.extras & Rolling)
        x = canvas.width() - side - 1;
    const qreal y =
        face.extras & kNeedsHeadroom ? canvas.height() - side - 0.5 : (canvas.height() - side) / 2;
    return {canvas, QRectF(x, y, side, side), face.extras & Rolling ? -30.0 : 0.0, skinColours(face.skin)};
}

// Draws in the face's design grid for as long as it lives.
class FaceGrid {
public:
    FaceGrid(QPainter& p, const Layout& layout) : m_p(p) {
        p.save();
        p.translate(layout.face.center());
        p.rotate(layout.tilt);
        p.scale(layout.face.width() / kGrid, layout.face.height() / kGrid);
        p.translate(-kGrid / 2, -kGrid / 2);
    }
    ~FaceGrid() { m_p.restore(); }
    FaceGrid(const FaceGrid&) = delete;
    FaceGrid& operator=(const FaceGrid&) = delete;

private:
    QPainter& m_p;
};

void drawDisc(QPainter& p, const Layout& layout) {
    QRadialGradient shading(QPointF(6, 5), 11);
    shading.setColorAt(0, layout.skin.light);
    shading.setColorAt(1, layout.skin.base);
    const QPainterPath disc = ellipse(QPointF(8, 8), 7.5, 7.5);
    p.fillPath(disc, shading);
    p.strokePath(disc, pen(kOutline, 0.9));
}

// ---- eyes

void dotEye(QPainter& p, QPointF at) {
    p.fillPath(ellipse(at, 1.0, 1.5), kInk);
}

void whiteEye(QPainter& p, QPointF at, qreal rx, qreal ry, QPointF pupilOffset) {
    fillOutlined(p, ellipse(at, rx, ry), Qt::white, kInk, 0.6);
    p.fillPath(ellipse(at + pupilOffset, 0.9, 0.9), kInk);
}

void arcEye(QPainter& p, QPointF at, qreal bend) {
    stroke(p, curve(at + QPointF(-1.4, 0.4), at + QPointF(0, 0.4 - bend), at + QPointF(1.4, 0.4)), kInk, 1.0);
}

void brows(QPainter& p, qreal innerY, qreal outerY) {
    stroke(p, line(QPointF(3.6, outerY), QPointF(6.6, innerY)), kInk, 0.9);
    stroke(p, line(QPointF(12.4, outerY), QPointF(9.4, innerY)), kInk, 0.9);
}

void lashes(QPainter& p, QPointF at) {
    dotEye(p, at);
    for (const qreal dx : {-1.2, 0.0, 1.2})
        stroke(p, line(at + QPointF(dx * 0.7, -1.6), at + QPointF(dx, -2.8)), kInk, 0.6);
}

void spiral(QPainter& p, QPointF at) {
    QPainterPath path(at);
    for (int step = 1; step <= 12; ++step) {
        const qreal angle = step * 0.9;
        const qreal radius = step * 0.17;
        path.lineTo(at + QPointF(std::cos(angle) * radius, std::sin(angle) * radius));
    }
    stroke(p, path, kInk, 0.6);
}

void shades(QPainter& p) {
    QPainterPath lenses;
    lenses.addRoundedRect(QRectF(2.4, 4.6, 5.0, 3.2), 1.2, 1.2);
    lenses.addRoundedRect(QRectF(8.6, 4.6, 5.0, 3.2), 1.2, 1.2);
    p.fillPath(lenses, QColor(0x10, 0x10, 0x10));
    stroke(p, line(QPointF(7.4, 5.4), QPointF(8.6, 5.4)), kInk, 0.8);
    stroke(p, line(QPointF(3.2, 5.4), QPointF(4.6, 5.4)), Qt::white, 0.5);
}

void glasses(QPainter& p) {
    for (const QPointF at : {kLeftEye, kRightEye}) {
        fillOutlined(p, ellipse(at, 2.3, 2.3), QColor(255, 255, 255, 170), kInk, 0.7);
        p.fillPath(ellipse(at, 0.8, 0.8), kInk);
    }
    stroke(p, line(QPointF(7.6, 6.0), QPointF(8.4, 6.0)), kInk, 0.7);
}

void alienEye(QPainter& p, QPointF at, qreal angle) {
    p.save();
    p.translate(at + QPointF(0, 0.6));
    p.rotate(angle);
    p.fillPath(ellipse(QPointF(0, 0), 1.6, 2.6), QColor(0x10, 0x10, 0x10));
    p.fillPath(ellipse(QPointF(-0.4, -0.9), 0.45, 0.6), Qt::white);
    p.restore();
}

void winkEye(QPainter& p, QPointF at) {
    arcEye(p, at, 1.8);
}
void happyEye(QPainter& p, QPointF at) {
    arcEye(p, at, 2.2);
}
void shutEye(QPainter& p, QPointF at) {
    arcEye(p, at, -1.4);
}
void heartEye(QPainter& p, QPointF at) {
    p.fillPath(heart(at, 3.0), kHeartRed);
}
void rollingEye(QPainter& p, QPointF at) {
    whiteEye(p, at, 1.6, 2.0, QPointF(0, -1.0));
}
void wideEye(QPainter& p, QPointF at) {
    whiteEye(p, at, 1.8, 2.2, {});
}
void bigCrazyEye(QPainter& p, QPointF at) {
    whiteEye(p, at, 2.2, 2.4, QPointF(0.6, 0.4));
}
void smallCrazyEye(QPainter& p, QPointF at) {
    whiteEye(p, at, 1.2, 1.3, {});
}
void sideEye(QPainter& p, QPointF at) {
    whiteEye(p, at, 1.6, 2.0, QPointF(-0.7, 0.2));
}
void leftAlienEye(QPainter& p, QPointF at) {
    alienEye(p, at, 25);
}
void rightAlienEye(QPainter& p, QPointF at) {
    alienEye(p, at, -25);
}

void dollarEye(QPainter& p, QPointF at) {
    letters(p, QRectF(at - QPointF(2.5, 3), QSizeF(5, 6)), QStringLiteral("$"), QColor(0x1E, 0x8C, 0x2E), 6);
}

void tiredEye(QPainter& p, QPointF at) {
    p.fillPath(ellipse(at + QPointF(0, 0.7), 1.0, 0.8), kInk);
    stroke(p, line(at + QPointF(-1.5, 0), at + QPointF(1.5, 0)), kInk, 0.8);
}

void angryBrows(QPainter& p) {
    brows(p, 4.8, 3.4);
}
void worriedBrows(QPainter& p) {
    brows(p, 3.4, 4.6);
}

void raisedBrow(QPainter& p) {
    stroke(p, curve(QPointF(3.6, 3.6), QPointF(5.3, 1.8), QPointF(7.0, 3.4)), kInk, 0.9);
    stroke(p, line(QPointF(9.4, 4.2), QPointF(12.0, 4.2)), kInk, 0.9);
}

// Each eye on its own, and what goes across or above both.
struct EyeDrawing {
    Eyes eyes;
    void (*left)(QPainter&, QPointF);
    void (*right)(QPainter&, QPointF);
    void (*across)(QPainter&);
};

const EyeDrawing kEyeDrawings[] = {
    {Eyes::Dots, dotEye, dotEye, nullptr},
    {Eyes::Wink, dotEye, winkEye, nullptr},
    {Eyes::Happy, happyEye, happyEye, nullptr},
    {Eyes::Lashes, lashes, lashes, nullptr},
    {Eyes::Hearts, heartEye, heartEye, nullptr},
    {Eyes::Shut, shutEye, shutEye, nullptr},
    {Eyes::RollingUp, rollingEye, rollingEye, nullptr},
    {Eyes::Wide, wideEye, wideEye, nullptr},
    {Eyes::Crazy, bigCrazyEye, smallCrazyEye, nullptr},
    {Eyes::Spirals, spiral, spiral, nullptr},
    {Eyes::Dollars, dollarEye, dollarEye, nullptr},
    {Eyes::Shades, nullptr, nullptr, shades},
    {Eyes::Glasses, nullptr, nullptr, glasses},
    {Eyes::Angry, dotEye, dotEye, angryBrows},
    {Eyes::Worried, dotEye, dotEye, worriedBrows},
    {Eyes::RaisedBrow, dotEye, dotEye, raisedBrow},
    {Eyes::Tired, tiredEye, tiredEye, nullptr},
    {Eyes::Side, sideEye, sideEye, nullptr},
    {Eyes::Alien, leftAlienEye, rightAlienEye, nullptr},
};

void drawEyes(QPainter& p, Eyes eyes) {
    for (const EyeDrawing& drawing : kEyeDrawings) {
        if (drawing.eyes != eyes)
            continue;
        if (drawing.left)
            drawing.left(p, kLeftEye);
        if (drawing.right)
            drawing.right(p, kRightEye);
        if (drawing.across)
            drawing.across(p);
    }
}

// ---- mouths

QPainterPath smileLine() {
    return curve(QPointF(4.3, 10.0), QPointF(8, 13.8), QPointF(11.7, 10.0));
}

void openMouth(QPainter& p, const QPainterPath& shape) {
    fillOutlined(p, shape, kMouthRed, kInk, 0.7);
}

void grin(QPainter& p) {
    QPainterPath mouth(QPointF(4, 9.6));
    mouth.lineTo(12, 9.6);
    mouth.quadTo(12, 14, 8, 14);
    mouth.quadTo(4, 14, 4, 9.6);
    openMouth(p, mouth);
    p.fillRect(QRectF(4.8, 9.9, 6.4, 1.2), Qt::white);
}

void laugh(QPainter& p) {
    QPainterPath mouth(QPointF(3.4, 9.0));
    mouth.lineTo(12.6, 9.0);
    mouth.cubicTo(12.6, 15.6, 3.4, 15.6, 3.4, 9.0);
    openMouth(p, mouth);
    p.fillPath(ellipse(QPointF(8, 13.0), 2.4, 1.1), kTonguePink);
    p.fillRect(QRectF(4.2, 9.3, 7.6, 1.1), Qt::white);
}

void tongue(QPainter& p) {
    fillOutlined(p, ellipse(QPointF(9.4, 12.6), 1.5, 1.8), kTonguePink, kMouthRed, 0.6);
    stroke(p, line(QPointF(9.4, 11.6), QPointF(9.4, 13.4)), kMouthRed, 0.5);
    stroke(p, smileLine(), kInk, 1.1);
}

void teeth(QPainter& p) {
    QPainterPath mouth;
    mouth.addRoundedRect(QRectF(4.4, 9.8, 7.2, 3.0), 1.0, 1.0);
    fillOutlined(p, mouth, Qt::white, kInk, 0.7);
    stroke(p, line(QPointF(4.6, 11.3), QPointF(11.4, 11.3)), kInk, 0.4);
    for (const qreal x : {6.2, 8.0, 9.8})
        stroke(p, line(QPointF(x, 9.9), QPointF(x, 12.7)), kInk, 0.4);
}

void zip(QPainter& p) {
    stroke(p, line(QPointF(4.6, 11.4), QPointF(11.4, 11.4)), kInk, 0.9);
    for (qreal x = 5.2; x < 11; x += 1.1)
        stroke(p, line(QPointF(x, 10.7), QPointF(x, 12.1)), kInk, 0.5);
    p.fillRect(QRectF(11.0, 10.6, 1.4, 2.2), QColor(0x90, 0x90, 0x90));
}

void wavy(QPainter& p) {
    QPainterPath path(QPointF(4.4, 11.5));
    qreal bend = -1.6;
    for (qreal x = 4.4; x < 12; x += 2.5, bend = -bend)
        path.quadTo(x + 1.25, 11.5 + bend, x + 2.5, 11.5);
    stroke(p, path, kInk, 1.0);
}

void beak(QPainter& p) {
    fillOutlined(p, polygon({{5.6, 9.8}, {10.4, 9.8}, {8, 13.6}}), QColor(0xFF, 0x8C, 0x00),
                 QColor(0xA0, 0x50, 0x00));
    stroke(p, line(QPointF(5.9, 10.9), QPointF(10.1, 10.9)), QColor(0xA0, 0x50, 0x00), 0.5);
}

void smile(QPainter& p) {
    stroke(p, smileLine(), kInk, 1.1);
}
void sad(QPainter& p) {
    stroke(p, curve(QPointF(4.8, 12.8), QPointF(8, 9.6), QPointF(11.2, 12.8)), kInk, 1.1);
}
void flat(QPainter& p) {
    stroke(p, line(QPointF(5, 11.4), QPointF(11, 11.4)), kInk, 1.1);
}
void slant(QPainter& p) {
    stroke(p, line(QPointF(5, 12.2), QPointF(11, 10.4)), kInk, 1.1);
}
void gape(QPainter& p) {
    openMouth(p, ellipse(QPointF(8, 11.6), 2.0, 2.4));
}
void smallO(QPainter& p) {
    p.fillPath(ellipse(QPointF(8, 11.6), 1.0, 1.2), kInk);
}
void kiss(QPainter& p) {
    p.fillPath(heart(QPointF(8.6, 11.6), 3.0), kHeartRed);
}
void smirk(QPainter& p) {
    stroke(p, curve(QPointF(6, 11.8), QPointF(9.4, 12.6), QPointF(11.6, 9.8)), kInk, 1.1);
}
void yawn(QPainter& p) {
    openMouth(p, ellipse(QPointF(8, 11.8), 2.6, 3.0));
}

void crying(QPainter& p) {
    QPainterPath shape = curve(QPointF(5, 13.2), QPointF(8, 8.4), QPointF(11, 13.2));
    shape.closeSubpath();
    openMouth(p, shape);
}

struct MouthDrawing {
    Mouth mouth;
    void (*draw)(QPainter&);
};

const MouthDrawing kMouthDrawings[] = {
    {Mouth::Smile, smile},   {Mouth::Grin, grin},     {Mouth::Laugh, laugh},   {Mouth::Sad, sad},
    {Mouth::Crying, crying}, {Mouth::Flat, flat},     {Mouth::Slant, slant},   {Mouth::Wavy, wavy},
    {Mouth::Open, gape},     {Mouth::SmallO, smallO}, {Mouth::Tongue, tongue}, {Mouth::Kiss, kiss},
    {Mouth::Smirk, smirk},   {Mouth::Teeth, teeth},   {Mouth::Zip, zip},       {Mouth::Yawn, yawn},
    {Mouth::Beak, beak},
};

void drawMouth(QPainter& p, Mouth mouth) {
    for (const MouthDrawing& drawing : kMouthDrawings)
        if (drawing.mouth == mouth)
            drawing.draw(p);
}

// ---- extras drawn in the face's grid

void hornPair(QPainter& p, const QColor& fill, const QColor& outline) {
    for (const qreal side : {-1.0, 1.0}) {
        const auto at = [side](qreal x, qreal y) { return QPointF(8 + side * x, y); };
        QPainterPath horn(at(5.4, 3.6));
        horn.quadTo(at(7.6, 0.2), at(6.4, -2.6));
        horn.quadTo(at(4.4, 0.2), at(2.2, 1.6));
        horn.closeSubpath();
        fillOutlined(p, horn, fill, outline, 0.6);
    }
}

void devilHorns(QPainter& p, const Layout&) {
    hornPair(p, QColor(0xD6, 0x28, 0x28), QColor(0x70, 0x10, 0x10));
}
void cowHorns(QPainter& p, const Layout&) {
    hornPair(p, QColor(0xF5, 0xEB, 0xD0), kOutline);
}

void ears(QPainter& p, const Layout& layout) {
    for (const QPointF at : {QPointF(1.4, 4.0), QPointF(14.6, 4.0)})
        fillOutlined(p, ellipse(at, 2.4, 2.4), layout.skin.base, kOutline);
}

void antennae(QPainter& p, const Layout&) {
    for (const qreal side : {-1.0, 1.0}) {
        stroke(p, line(QPointF(8 + side * 3, 1.5), QPointF(8 + side * 5, -2.6)), kInk, 0.7);
        p.fillPath(ellipse(QPointF(8 + side * 5, -2.6), 1.1, 1.1), QColor(0x3F, 0xBF, 0x3F));
    }
}

void tears(QPainter& p, const Layout&) {
    p.fillPath(drop(QPointF(4.4, 8.2), 1.4), kTearBlue);
    p.fillPath(drop(QPointF(11.6, 8.2), 1.4), kTearBlue);
}

void blush(QPainter& p, const Layout&) {
    const QColor pink(0xFF, 0x70, 0x8C, 150);
    p.fillPath(ellipse(QPointF(3.4, 9.6), 1.5, 0.9), pink);
    p.fillPath(ellipse(QPointF(12.6, 9.6), 1.5, 0.9), pink);
}

void halo(QPainter& p, const Layout&) {
    const QPainterPath ring = ellipse(QPointF(8, -1.4), 5.2, 1.6);
    stroke(p, ring, QColor(0xB0, 0x80, 0x00), 1.8);
    stroke(p, ring, kGold, 1.0);
}

void sweat(QPainter& p, const Layout&) {
    fillOutlined(p, drop(QPointF(13.2, 1.6), 1.8), kTearBlue, QColor(0x20, 0x60, 0xB0), 0.4);
}

void zee(QPainter& p, QPointF at, qreal size) {
    QPainterPath path(at);
    path.lineTo(at + QPointF(size, 0));
    path.lineTo(at + QPointF(0, size));
    path.lineTo(at + QPointF(size, size));
    stroke(p, path, QColor(0x30, 0x50, 0xC0), 0.8);
}

void sleeping(QPainter& p, const Layout&) {
    zee(p, QPointF(11.0, -1.0), 2.4);
    zee(p, QPointF(14.4, -4.4), 1.8);
}

void redNose(QPainter& p, const Layout&) {
    p.fillPath(ellipse(QPointF(8, 9.0), 1.6, 1.6), QColor(0xE0, 0x10, 0x10));
    p.fillPath(ellipse(QPointF(7.5, 8.5), 0.5, 0.5), Qt::white);
}

void longNose(QPainter& p, const Layout& layout) {
    QPainterPath nose;
    nose.addRoundedRect(QRectF(8, 8.0, 8.6, 1.6), 0.8, 0.8);
    fillOutlined(p, nose, layout.skin.base, kOutline, 0.5);
}

void cowboyHat(QPainter& p, const Layout&) {
    const QColor leather(0x8B, 0x5A, 0x2B);
    QPainterPath crown;
    crown.addRoundedRect(QRectF(4.0, -3.6, 8.0, 5.0), 1.6, 1.6);
    fillOutlined(p, crown, leather, kInk, 0.6);
    fillOutlined(p, ellipse(QPointF(8, 1.4), 8.4, 1.5), leather, kInk, 0.6);
    p.fillRect(QRectF(4.1, -0.4, 7.8, 0.9), kInk);
}

void partyHat(QPainter& p, const Layout&) {
    fillOutlined(p, polygon({{4.6, 1.8}, {11.4, 1.8}, {8, -5.2}}), QColor(0x30, 0x7B, 0xE8), kInk, 0.5);
    stroke(p, line(QPointF(6.0, -1.0), QPointF(10.2, -0.2)), kGold, 0.9);
    p.fillPath(ellipse(QPointF(8, -5.2), 1.1, 1.1), QColor(0xE8, 0x30, 0x30));
}

void drool(QPainter& p, const Layout&) {
    p.fillPath(drop(QPointF(10.6, 13.2), 1.5), kTearBlue);
}

void notes(QPainter& p, const Layout&) {
    stroke(p, line(QPointF(15.2, 2.4), QPointF(15.2, 7.8)), kInk, 0.7);
    stroke(p, curve(QPointF(15.2, 2.4), QPointF(16.6, 3.4), QPointF(16.4, 5.0)), kInk, 0.7);
    p.fillPath(ellipse(QPointF(14.2, 8.0), 1.3, 0.9), kInk);
}

void palm(QPainter& p, QPointF wrist, int fingers) {
    QPainterPath hand;
    hand.addRoundedRect(QRectF(wrist.x() - 2.6, wrist.y() - 4.2, 5.2, 4.6), 1.4, 1.4);
    for (int k = 0; k < fingers; ++k)
        hand.addRoundedRect(QRectF(wrist.x() - 2.6 + k * 1.35, wrist.y() - 7.4, 1.2, 3.8), 0.6, 0.6);
    fillOutlined(p, hand.simplified(), kHandSkin, kOutline, 0.5);
}

void talkToTheHand(QPainter& p, const Layout&) {
    palm(p, QPointF(12.2, 16.0), 4);
}

void question(QPainter& p, const Layout&) {
    letters(p, QRectF(10.0, -6.0, 7.0, 8.0), QStringLiteral("?"), QColor(0x20, 0x50, 0xD0), 8);
}

void foreheadHand(QPainter& p, const Layout&) {
    p.save();
    p.translate(10.0, 2.6);
    p.rotate(-20);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(-4.8, -1.6, 9.6, 3.4), 1.6, 1.6);
    fillOutlined(p, hand, kHandSkin, kOutline, 0.5);
    for (const qreal x : {-2.4, -0.6, 1.2})
        stroke(p, line(QPointF(x, -1.2), QPointF(x + 0.3, 1.4)), kOutline, 0.4);
    p.restore();
}

void handAt(QPainter& p, QPointF at, qreal angle) {
    p.save();
    p.translate(at);
    p.rotate(angle);
    fillOutlined(p, ellipse(QPointF(0, 0), 1.8, 2.8), kHandSkin, kOutline, 0.5);
    p.restore();
}

void clap(QPainter& p, const Layout&) {
    handAt(p, QPointF(6.2, 14.0), 25);
    handAt(p, QPointF(9.8, 14.0), -25);
    for (const qreal dx : {-1.6, 0.0, 1.6})
        stroke(p, line(QPointF(8 + dx * 1.4, 10.4 - std::abs(dx) * 0.3), QPointF(8 + dx * 1.8, 9.6)), kGold,
               0.6);
}

void prayer(QPainter& p, const Layout&) {
    handAt(p, QPointF(7.0, 14.2), 10);
    handAt(p, QPointF(9.0, 14.2), -10);
}

void peace(QPainter& p, const Layout&) {
    for (const QPointF tip : {QPointF(12.4, 9.4), QPointF(15.6, 10.2)}) {
        stroke(p, line(QPointF(13.4, 14.4), tip), kOutline, 1.7);
        stroke(p, line(QPointF(13.4, 14.4), tip), kHandSkin, 1.0);
    }
    fillOutlined(p, ellipse(QPointF(13.4, 14.8), 1.9, 1.6), kHandSkin, kOutline, 0.5);
}

void wagFinger(QPainter& p, const Layout&) {
    stroke(p, line(QPointF(14.0, 14.0), QPointF(14.4, 8.6)), kOutline, 1.7);
    stroke(p, line(QPointF(14.0, 14.0), QPointF(14.4, 8.6)), kHandSkin, 1.0);
    fillOutlined(p, ellipse(QPointF(14.0, 14.6), 1.9, 1.7), kHandSkin, kOutline, 0.5);
    stroke(p, curve(QPointF(12.2, 8.6), QPointF(11.6, 9.8), QPointF(12.0, 11.0)), kInk, 0.5);
}

void sigh(QPainter& p, const Layout&) {
    fillOutlined(p, ellipse(QPointF(13.0, 13.6), 1.3, 1.1), Qt::white, QColor(0x80, 0x80, 0x80), 0.5);
    fillOutlined(p, ellipse(QPointF(15.0, 12.4), 0.9, 0.8), Qt::white, QColor(0x80, 0x80, 0x80), 0.5);
}

void watch(QPainter& p, const Layout&) {
    fillOutlined(p, ellipse(QPointF(13.0, 13.0), 2.8, 2.8), Qt::white, kInk, 0.7);
    stroke(p, line(QPointF(13.0, 13.0), QPointF(13.0, 11.0)), kInk, 0.6);
    stroke(p, line(QPointF(13.0, 13.0), QPointF(14.4, 13.6)), kInk, 0.6);
}

void loserL(QPainter& p, const Layout&) {
    QPainterPath mark(QPointF(6.8, 0.8));
    mark.lineTo(6.8, 4.4);
    mark.lineTo(9.8, 4.4);
    stroke(p, mark, QColor(0x20, 0xA0, 0x30), 1.3);
}

void comb(QPainter& p, const Layout&) {
    QPainterPath crest;
    for (const QPointF at : {QPointF(6.0, 0.6), QPointF(8.0, -0.6), QPointF(10.0, 0.6)})
        crest.addEllipse(at, 1.5, 1.5);
    fillOutlined(p, crest.simplified(), QColor(0xE0, 0x20, 0x20), QColor(0x80, 0x10, 0x10), 0.5);
}

void snout(QPainter& p, const Layout&) {
    fillOutlined(p, ellipse(QPointF(8, 9.6), 2.6, 1.7), QColor(0xFF, 0xB0, 0xC8), QColor(0xC0, 0x50, 0x70),
                 0.5);
    p.fillPath(ellipse(QPointF(7.1, 9.6), 0.45, 0.7), QColor(0x80, 0x20, 0x40));
    p.fillPath(ellipse(QPointF(8.9, 9.6), 0.45, 0.7), QColor(0x80, 0x20, 0x40));
}

void muzzle(QPainter& p, const Layout&) {
    p.fillPath(ellipse(QPointF(8, 10.8), 4.8, 3.8), QColor(0xF1, 0xD2, 0xA8));
}

void spots(QPainter& p, const Layout&) {
    p.fillPath(ellipse(QPointF(4.2, 3.8), 2.2, 1.6), kInk);
    p.fillPath(ellipse(QPointF(12.8, 11.4), 1.6, 1.3), kInk);
}

void hair(QPainter& p, const Layout&) {
    p.fillPath(
        polygon({{4.0, 2.4}, {5.0, -1.8}, {6.8, 1.2}, {8.0, -2.6}, {9.2, 1.2}, {11.0, -1.8}, {12.0, 2.4}}),
        kInk);
}

// ---- extras drawn in the picture around the face

void arm(QPainter& p, QPointF shoulder, QPointF bend, QPointF hand) {
    const QPainterPath path = curve(shoulder, bend, hand);
    stroke(p, path, kOutline, 3.0);
    stroke(p, path, kHandSkin, 1.8);
    fillOutlined(p, ellipse(hand, 1.6, 1.6), kHandSkin, kOutline, 0.5);
}

void openArms(QPainter& p, const Layout& layout) {
    const QRectF& f = layout.face;
    const qreal y = f.center().y() + 2;
    arm(p, QPointF(f.left() + 2, y), QPointF(f.left() - 5, y + 3), QPointF(2.5, f.top() + 3.5));
    arm(p, QPointF(f.right() - 2, y), QPointF(f.right() + 5, y + 3),
        QPointF(layout.canvas.width() - 2.5, f.top() + 3.5));
}

void raisedArms(QPainter& p, const Layout& layout) {
    const QRectF& f = layout.face;
    const qreal y = f.center().y();
    const qreal reach = std::max<qreal>(2.0, f.left() - 4);
    arm(p, QPointF(f.left() + 2, y), QPointF(reach, y), QPointF(reach, 2.2));
    arm(p, QPointF(f.right() - 2, y), QPointF(layout.canvas.width() - reach, y),
        QPointF(layout.canvas.width() - reach, 2.2));
}

void motionLines(QPainter& p, const Layout& layout) {
    const QRectF& f = layout.face;
    for (int k = 0; k < 3; ++k) {
        const qreal x = f.left() - 2.0 - k * 3.0;
        stroke(p,
               curve(QPointF(x, f.top() + 3), QPointF(x - 2.4, f.center().y()), QPointF(x, f.bottom() - 3)),
               QColor(0x80, 0x80, 0x80), 0.8);
    }
}

void speechBubble(QPainter& p, const Layout& layout) {
    const QRectF box(layout.face.right() + 1.5, 1.0, layout.canvas.width() - layout.face.right() - 2.5, 10.0);
    QPainterPath bubble;
    bubble.addRoundedRect(box, 3, 3);
    bubble.addPolygon(QPolygonF({box.bottomLeft() + QPointF(2, -1), box.bottomLeft() + QPointF(-2.5, 4.5),
                                 box.bottomLeft() + QPointF(5, -1)}));
    fillOutlined(p, bubble.simplified(), Qt::white, kInk, 0.7);
    for (int row = 0; row < 3; ++row) {
        const qreal y = box.top() + 2.8 + row * 2.2;
        stroke(p, line(QPointF(box.left() + 2, y), QPointF(box.right() - 2 - row * 2, y)), kInk, 0.8);
    }
}

enum class Layer { Behind, Under, Front };

struct ExtraDrawing {
    quint64 extra;
    Layer layer;
    bool inFaceGrid;
    void (*draw)(QPainter&, const Layout&);
};

const ExtraDrawing kExtraDrawings[] = {
    {Horns, Layer::Behind, true, devilHorns},
    {CowHorns, Layer::Behind, true, cowHorns},
    {Ears, Layer::Behind, true, ears},
    {Antennae, Layer::Behind, true, antennae},
    {OpenArms, Layer::Behind, false, openArms},
    {RaisedArms, Layer::Behind, false, raisedArms},
    {Rolling, Layer::Behind, false, motionLines},
    {SpeechBubble, Layer::Behind, false, speechBubble},
    {Muzzle, Layer::Under, true, muzzle},
    {Spots, Layer::Under, true, spots},
    {Blush, Layer::Under, true, blush},
    {Tears, Layer::Front, true, tears},
    {Halo, Layer::Front, true, halo},
    {Sweat, Layer::Front, true, sweat},
    {Zzz, Layer::Front, true, sleeping},
    {RedNose, Layer::Front, true, redNose},
    {LongNose, Layer::Front, true, longNose},
    {CowboyHat, Layer::Front, true, cowboyHat},
    {PartyHat, Layer::Front, true, partyHat},
    {Drool, Layer::Front, true, drool},
    {Notes, Layer::Front, true, notes},
    {Hand, Layer::Front, true, talkToTheHand},
    {Question, Layer::Front, true, question},
    {ForeheadHand, Layer::Front, true, foreheadHand},
    {Clap, Layer::Front, true, clap},
    {Prayer, Layer::Front, true, prayer},
    {Peace, Layer::Front, true, peace},
    {Finger, Layer::Front, true, wagFinger},
    {Sigh, Layer::Front, true, sigh},
    {Watch, Layer::Front, true, watch},
    {LoserL, Layer::Front, true, loserL},
    {Comb, Layer::Front, true, comb},
    {Snout, Layer::Front, true, snout},
    {Hair, Layer::Front, true, hair},
};

void drawExtras(QPainter& p, const Face& face, const Layout& layout, Layer layer) {
    for (const ExtraDrawing& drawing : kExtraDrawings) {
        if (!(face.extras & drawing.extra) || drawing.layer != layer)
            continue;
        if (!drawing.inFaceGrid) {
            drawing.draw(p, layout);
            continue;
        }
        FaceGrid grid(p, layout);
        drawing.draw(p, layout);
    }
}

void drawFace(QPainter& p, const Face& face, QSizeF canvas) {
    const Layout layout = layoutFor(face, canvas);
    drawExtras(p, face, layout, Layer::Behind);
    {
        FaceGrid grid(p, layout);
        drawDisc(p, layout);
    }
    drawExtras(p, face, layout, Layer::Under);
    {
        FaceGrid grid(p, layout);
        drawEyes(p, face.eyes);
        drawMouth(p, face.mouth);
    }
    drawExtras(p, face, layout, Layer::Front);
}

using S = Skin;
using E = Eyes;
using M = Mouth;

const Face kFaces[] = {
    {0, S::Yellow, E::Happy, M::Laugh, Plain},
    {1, S::Yellow, E::Worried, M::Crying, Tears},
    {2, S::Yellow, E::Wink, M::Smile, Plain},
    {3, S::Yellow, E::Dots, M::Grin, Plain},
    {4, S::Yellow, E::Lashes, M::Smile, Blush},
    {5, S::Yellow, E::Dots, M::Slant, Plain},
    {6, S::Yellow, E::Hearts, M::Smile, Plain},
    {7, S::Yellow, E::Happy, M::Smile, Blush},
    {8, S::Yellow, E::Dots, M::Tongue, Plain},
    {9, S::Yellow, E::Shut, M::Kiss, Plain},
    {10, S::Yellow, E::Wide, M::Open, Plain},
    {11, S::Red, E::Angry, M::Sad, Plain},
    {12, S::Yellow, E::Dots, M::Smirk, Plain},
    {13, S::Yellow, E::Shades, M::Smile, Plain},
    {14, S::Yellow, E::Worried, M::Wavy, Plain},
    {15, S::Purple, E::Angry, M::Grin, Horns},
    {18, S::Yellow, E::Dots, M::Flat, Plain},
    {19, S::Yellow, E::RaisedBrow, M::Smile, Plain},
    {20, S::Yellow, E::Glasses, M::Teeth, Plain},
    {21, S::Yellow, E::Happy, M::Smile, Halo},
    {22, S::Yellow, E::Shut, M::Flat, Hand},
    {23, S::Yellow, E::Shut, M::SmallO, Zzz},
    {24, S::Yellow, E::RollingUp, M::Flat, Plain},
    {25, S::Green, E::Tired, M::Wavy, Sweat},
    {26, S::Yellow, E::Dots, M::Zip, Plain},
    {27, S::Yellow, E::Side, M::Sad, Plain},
    {28, S::Yellow, E::Dots, M::Smile, RedNose},
    {29, S::Yellow, E::Crazy, M::Tongue, Plain},
    {30, S::Yellow, E::Tired, M::Yawn, Plain},
    {31, S::Yellow, E::Dots, M::Tongue, Drool},
    {32, S::Yellow, E::Side, M::Flat, Question},
    {33, S::Yellow, E::Shut, M::Open, ForeheadHand},
    {34, S::Yellow, E::Happy, M::Grin, Clap},
    {35, S::Pink, E::Dots, M::Smile, Snout | Ears},
    {36, S::White, E::Dots, M::Open, Spots | CowHorns},
    {37, S::Brown, E::Dots, M::Smile, Muzzle | Ears},
    {38, S::Yellow, E::Dots, M::Beak, Comb},
    {44, S::Yellow, E::Dots, M::Smile, Hair},
    {46, S::Alien, E::Alien, M::Flat, Antennae},
    {47, S::Yellow, E::Angry, M::Teeth, Plain},
    {48, S::Yellow, E::Dots, M::Smile, CowboyHat},
    {49, S::Yellow, E::Shut, M::SmallO, Prayer},
    {50, S::Yellow, E::Spirals, M::Wavy, Plain},
    {51, S::Yellow, E::Dollars, M::Grin, Plain},
    {52, S::Yellow, E::Side, M::SmallO, Notes},
    {53, S::Yellow, E::Side, M::Smirk, LongNose},
    {54, S::Yellow, E::Shades, M::Sad, Plain},
    {55, S::Yellow, E::Dots, M::Smile, Peace},
    {56, S::Yellow, E::Angry, M::Flat, Finger},
    {57, S::Yellow, E::Happy, M::Grin, RaisedArms},
    {58, S::Yellow, E::Happy, M::Grin, OpenArms},
    {65, S::Yellow, E::Happy, M::Laugh, Rolling | Tears},
    {66, S::Yellow, E::Dots, M::Flat, LoserL},
    {67, S::Yellow, E::Worried, M::Teeth, Sweat},
    {68, S::Yellow, E::Dots, M::Tongue, PartyHat},
    {69, S::Yellow, E::Angry, M::Slant, Plain},
    {70, S::Yellow, E::Wink, M::Laugh, Plain},
    {71, S::Yellow, E::Side, M::Flat, Watch},
    {72, S::Yellow, E::Worried, M::Sad, Sigh},
    {73, S::Yellow, E::Angry, M::Tongue, Plain},
    {75, S::Yellow, E::Shut, M::Wavy, Sweat},
    {76, S::White, E::Dots, M::Beak, Plain},
    {78, S::Yellow, E::Dots, M::Open, SpeechBubble},
    {79, S::Yellow, E::RaisedBrow, M::Smirk, Plain},
    {80, S::Yellow, E::Shut, M::Smile, RaisedArms},
    {86, S::Yellow, E::Dots, M::Smile, Plain},
    {87, S::Yellow, E::Dots, M::Sad, Plain},
};

// ---- things --------------------------------------------------------------------------

void rose(QPainter& p, QSizeF) {
    stroke(p, curve(QPointF(3.0, 17.0), QPointF(6.0, 11.0), QPointF(10.0, 8.0)), kLeafGreen, 1.2);
    fillOutlined(p, ellipse(QPointF(5.2, 11.6), 2.2, 1.1), kLeafGreen, QColor(0x1E, 0x5A, 0x18), 0.4);
    fillOutlined(p, ellipse(QPointF(11.4, 6.0), 4.8, 4.6), QColor(0xD8, 0x10, 0x30), QColor(0x70, 0x00, 0x10),
                 0.6);
    for (const qreal r : {1.2, 2.4, 3.6})
        stroke(p, curve(QPointF(11.4 - r, 6.0), QPointF(11.4, 6.0 - r * 1.4), QPointF(11.4 + r, 6.0)),
               QColor(0x80, 0x00, 0x18), 0.6);
}

void clover(QPainter& p, QSizeF) {
    stroke(p, curve(QPointF(9.0, 9.0), QPointF(10.0, 14.0), QPointF(13.0, 17.0)), kLeafGreen, 1.2);
    for (int k = 0; k < 4; ++k) {
        p.save();
        p.translate(9.0, 8.0);
        p.rotate(45 + 90 * k);
        fillOutlined(p, heart(QPointF(0, -3.6), 6.0), QColor(0x4C, 0xB8, 0x3A), QColor(0x1E, 0x5A, 0x18),
                     0.5);
        p.restore();
    }
}

void pumpkin(QPainter& p, QSizeF) {
    p.fillRect(QRectF(8.2, 1.5, 1.8, 3.5), QColor(0x3A, 0x6B, 0x1E));
    for (const qreal rx : {7.8, 5.0, 2.2})
        fillOutlined(p, ellipse(QPointF(9, 10.5), rx, 6.5), QColor(0xFF, 0x8A, 0x10),
                     QColor(0xA0, 0x48, 0x00), 0.6);
    p.fillPath(polygon({{5.0, 9.8}, {7.4, 9.8}, {6.2, 7.6}}), kInk);
    p.fillPath(polygon({{10.6, 9.8}, {13.0, 9.8}, {11.8, 7.6}}), kInk);
}

void coffee(QPainter& p, QSizeF) {
    fillOutlined(p, ellipse(QPointF(9, 15.6), 7.6, 1.6), Qt::white, kOutline);
    QPainterPath cup(QPointF(3.6, 7.6));
    cup.lineTo(13.4, 7.6);
    cup.cubicTo(13.4, 13.0, 11.6, 15.0, 8.5, 15.0);
    cup.cubicTo(5.4, 15.0, 3.6, 13.0, 3.6, 7.6);
    stroke(p, ellipse(QPointF(14.2, 10.0), 1.8, 1.8), kOutline, 1.6);
    fillOutlined(p, cup, Qt::white, kOutline);
    p.fillPath(ellipse(QPointF(8.5, 7.9), 4.6, 1.0), QColor(0x6B, 0x3A, 0x1A));
    for (const qreal x : {6.4, 9.4})
        stroke(p, curve(QPointF(x, 5.8), QPointF(x + 1.8, 3.6), QPointF(x, 1.2)), QColor(0x90, 0x90, 0x90),
               0.7);
}

void skull(QPainter& p, QSizeF) {
    QPainterPath head;
    head.addEllipse(QPointF(9, 7.6), 6.6, 6.2);
    head.addRoundedRect(QRectF(5.4, 10.6, 7.2, 5.6), 1.4, 1.4);
    fillOutlined(p, head.simplified(), QColor(0xF4, 0xF0, 0xE6), kInk, 0.8);
    p.fillPath(ellipse(QPointF(6.4, 7.6), 1.8, 2.0), kInk);
    p.fillPath(ellipse(QPointF(11.6, 7.6), 1.8, 2.0), kInk);
    p.fillPath(polygon({{9.0, 10.0}, {8.1, 11.8}, {9.9, 11.8}}), kInk);
    for (const qreal x : {7.2, 9.0, 10.8})
        stroke(p, line(QPointF(x, 13.4), QPointF(x, 16.0)), kInk, 0.5);
}

// A person in a shirt of their colour; a dress or a cape tells them apart.
struct Figure {
    QColor clothes;
    bool dress;
    bool cape;
};

void drawFigure(QPainter& p, const Figure& figure) {
    if (figure.cape)
        p.fillPath(polygon({{6.2, 6.6}, {11.8, 6.6}, {14.4, 15.4}, {3.6, 15.4}}), QColor(0xC0, 0x20, 0x20));
    for (const qreal x : {7.6, 10.4})
        stroke(p, line(QPointF(x, 12.0), QPointF(x, 17.0)), kInk, 1.2);
    stroke(p, line(QPointF(5.0, 12.0), QPointF(6.6, 7.6)), kHandSkin, 1.2);
    stroke(p, line(QPointF(13.0, 12.0), QPointF(11.4, 7.6)), kHandSkin, 1.2);
    QPainterPath body;
    if (figure.dress)
        body = polygon({{7.2, 6.8}, {10.8, 6.8}, {13.0, 14.0}, {5.0, 14.0}});
    else
        body.addRoundedRect(QRectF(6.4, 6.8, 5.2, 6.4), 1.2, 1.2);
    fillOutlined(p, body, figure.clothes, kInk, 0.5);
    fillOutlined(p, ellipse(QPointF(9, 4.0), 2.8, 2.8), kHandSkin, kOutline, 0.5);
    p.fillPath(ellipse(QPointF(8.0, 3.8), 0.4, 0.5), kInk);
    p.fillPath(ellipse(QPointF(10.0, 3.8), 0.4, 0.5), kInk);
}

void boy(QPainter& p, QSizeF) {
    drawFigure(p, {QColor(0x28, 0x6C, 0xE0), false, false});
}
void hero(QPainter& p, QSizeF) {
    drawFigure(p, {QColor(0x2E, 0xA0, 0x40), false, true});
}
void girl(QPainter& p, QSizeF) {
    drawFigure(p, {QColor(0xF0, 0x60, 0xA8), true, false});
}

void yinYang(QPainter& p, QSizeF) {
    const QPointF c(9, 9);
    const qreal r = 7.8;
    QPainterPath dark(c + QPointF(0, -r));
    dark.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 90, 180);
    dark.arcTo(QRectF(c.x() - r / 2, c.y(), r, r), 270, -180);
    dark.arcTo(QRectF(c.x() - r / 2, c.y() - r, r, r), 270, 180);
    fillOutlined(p, ellipse(c, r, r), Qt::white, kInk, 0.7);
    p.fillPath(dark, kInk);
    p.fillPath(ellipse(c + QPointF(0, -r / 2), 1.1, 1.1), Qt::white);
    p.fillPath(ellipse(c + QPointF(0, r / 2), 1.1, 1.1), kInk);
}

void star(QPainter& p, QSizeF) {
    QPolygonF points;
    for (int k = 0; k < 10; ++k) {
        const qreal angle = -std::numbers::pi / 2 + k * std::numbers::pi / 5;
        const qreal radius = k % 2 == 0 ? 8.2 : 3.4;
        points << QPointF(9 + radius * std::cos(angle), 9.6 + radius * std::sin(angle));
    }
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    fillOutlined(p, path, kGold, QColor(0xB0, 0x70, 0x00), 0.7);
}

void brokenHeart(QPainter& p, QSizeF) {
    const QPainterPath whole = heart(QPointF(9, 8.6), 15.0);
    const QPainterPath crack = polygon({{9.0, 4.0},
                                        {7.4, 7.2},
                                        {10.2, 9.6},
                                        {7.8, 12.4},
                                        {9.0, 16.4},
                                        {10.0, 16.4},
                                        {8.8, 12.4},
                                        {11.2, 9.6},
                                        {8.4, 7.2},
                                        {10.0, 4.0}});
    fillOutlined(p, whole, kHeartRed, QColor(0x70, 0x00, 0x10), 0.7);
    p.fillPath(crack, Qt::white);
}

void lips(QPainter& p, QSizeF) {
    QPainterPath mouth(QPointF(1.6, 9.0));
    mouth.cubicTo(4.0, 4.4, 7.4, 5.0, 9.0, 6.6);
    mouth.cubicTo(10.6, 5.0, 14.0, 4.4, 16.4, 9.0);
    mouth.cubicTo(13.4, 15.0, 4.6, 15.0, 1.6, 9.0);
    fillOutlined(p, mouth, QColor(0xE0, 0x14, 0x3C), QColor(0x80, 0x00, 0x18), 0.7);
    stroke(p, curve(QPointF(2.4, 9.0), QPointF(9.0, 10.6), QPointF(15.6, 9.0)), QColor(0x80, 0x00, 0x18),
           0.6);
}

void mug(QPainter& p, QPointF base, qreal angle, bool handleLeft) {
    p.save();
    p.translate(base);
    p.rotate(angle);
    const qreal side = handleLeft ? -1 : 1;
    stroke(p, ellipse(QPointF(side * 5.6, -5.6), 2.2, 2.8), QColor(0xC8, 0xA0, 0x40), 1.4);
    QPainterPath glass;
    glass.addRoundedRect(QRectF(-4.6, -10.4, 9.2, 10.4), 1.2, 1.2);
    fillOutlined(p, glass, QColor(0xF5, 0xA8, 0x20), QColor(0x90, 0x58, 0x00), 0.7);
    QPainterPath foam;
    for (const qreal x : {-3.2, -0.6, 2.2, 3.6})
        foam.addEllipse(QPointF(x, -10.6), 1.9, 1.6);
    p.fillPath(foam.simplified(), QColor(0xFF, 0xFB, 0xF0));
    for (const QPointF bubble : {QPointF(-2.0, -4.0), QPointF(1.4, -6.4), QPointF(0.2, -2.4)})
        p.fillPath(ellipse(bubble, 0.5, 0.5), QColor(0xFF, 0xE8, 0xA0));
    p.restore();
}

void beers(QPainter& p, QSizeF canvas) {
    const qreal middle = canvas.width() / 2;
    mug(p, QPointF(middle - 7.5, canvas.height() - 0.8), 14, true);
    mug(p, QPointF(middle + 7.5, canvas.height() - 0.8), -14, false);
    for (const QPointF splash :
         {QPointF(middle - 1.6, 1.8), QPointF(middle + 1.4, 1.2), QPointF(middle, 3.4)})
        p.fillPath(ellipse(splash, 0.8, 0.8), QColor(0xFF, 0xF4, 0xD0));
}

void badge(QPainter& p, QSizeF canvas, const QString& text, const QColor& colour) {
    QPainterPath shape;
    shape.addRoundedRect(QRectF(QPointF(0.5, 0.5), canvas - QSizeF(1, 1)), canvas.height() / 3,
                         canvas.height() / 3);
    fillOutlined(p, shape, colour, colour.darker(160), 0.8);
    letters(p, QRectF(QPointF(0, 0), canvas), text, Qt::white,
            int(canvas.height() * (text.size() > 2 ? 0.5 : 0.7)));
}

void roundBadge(QPainter& p, QSizeF canvas, const QString& text, const QColor& colour) {
    fillOutlined(p, ellipse(QPointF(9, 9), 8.2, 8.2), colour, colour.darker(160), 0.8);
    letters(p, QRectF(QPointF(0, 0), canvas), text, Qt::white, 12);
}

void ps2(QPainter& p, QSizeF canvas) {
    badge(p, canvas, QStringLiteral("ps2"), QColor(0x20, 0x40, 0xA0));
}
void brb(QPainter& p, QSizeF canvas) {
    badge(p, canvas, QStringLiteral("brb"), QColor(0xE0, 0x70, 0x10));
}
void letterC(QPainter& p, QSizeF canvas) {
    roundBadge(p, canvas, QStringLiteral("c"), QColor(0x80, 0x50, 0x30));
}
void letterB(QPainter& p, QSizeF canvas) {
    roundBadge(p, canvas, QStringLiteral("b"), QColor(0x20, 0x90, 0x80));
}
void questionMark(QPainter& p, QSizeF canvas) {
    roundBadge(p, canvas, QStringLiteral("?"), QColor(0x30, 0x60, 0xD0));
}

struct Thing {
    int index;
    void (*draw)(QPainter&, QSizeF);
};

const Thing kThings[] = {
    {16, ps2},         {39, rose},    {40, clover},  {42, pumpkin}, {43, coffee},       {45, skull},
    {59, boy},         {60, hero},    {61, girl},    {62, yinYang}, {64, beers},        {74, star},
    {77, brokenHeart}, {81, letterC}, {82, letterB}, {83, brb},     {88, questionMark}, {89, lips},
};

// ---- sizes ---------------------------------------------------------------------------

// The picker's cells in pixels; all others are 18x18.
struct Cell {
    int index;
    QSize size;
};

const Cell kWideCells[] = {
    {16, QSize(69, 16)}, {64, QSize(57, 15)}, {58, QSize(42, 18)},
    {78, QSize(33, 18)}, {80, QSize(32, 18)}, {65, QSize(30, 18)},
};

QSize cellSize(int index) {
    const auto wide = std::find_if(std::begin(kWideCells), std::end(kWideCells),
                                   [index](const Cell& cell) { return cell.index == index; });
    return wide != std::end(kWideCells) ? wide->size : QSize(18, 18);
}

template <typename Entry, std::size_t N> const Entry* entryFor(const Entry (&table)[N], int index) {
    const auto found = std::find_if(std::begin(table), std::end(table),
                                    [index](const Entry& entry) { return entry.index == index; });
    return found != std::end(table) ? found : nullptr;
}

} // namespace

std::vector<int> drawnSmileyIndices() {
    std::vector<int> indices;
    for (const Face& face : kFaces)
        indices.push_back(face.index);
    for (const Thing& thing : kThings)
        indices.push_back(thing.index);
    std::sort(indices.begin(), indices.end());
    return indices;
}

QImage drawSmileyPicture(int index) {
    const QSize size = cellSize(index);
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (const Face* face = entryFor(kFaces, index))
        drawFace(painter, *face, QSizeF(size));
    else if (const Thing* thing = entryFor(kThings, index))
        thing->draw(painter, QSizeF(size));
    return picture;
}
