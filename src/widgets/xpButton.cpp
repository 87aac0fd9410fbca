#include "widgets/xpButton.h"

#include "platform/KeyEvents.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <array>

namespace {

constexpr int HoverIntervalMs = 1;

// ---- the faces ------------------------------------------------------------------

struct Faces {
    QPixmap empty;
    QPixmap hover;
    QPixmap down;
    QPixmap disabled;
    QPixmap focus;
};

// One look: the face's gradient from top to bottom, its rim and an inner ring.
struct Look {
    QColor top;
    QColor bottom;
    QColor rim;
    QColor ring; // invalid: none
};

const Look NormalLook{QColor(255, 255, 255), QColor(200, 216, 244), QColor(40, 80, 160), QColor()};
const Look HoverLook{QColor(255, 255, 255), QColor(226, 236, 252), QColor(40, 80, 160), QColor(248, 179, 48)};
const Look DownLook{QColor(176, 198, 236), QColor(236, 242, 252), QColor(20, 50, 120), QColor()};
const Look DisabledLook{QColor(238, 238, 234), QColor(238, 238, 234), QColor(190, 190, 184), QColor()};
const Look FocusLook{QColor(255, 255, 255), QColor(200, 216, 244), QColor(40, 80, 160), QColor(105, 130, 238)};

// Picture sizes in pixels of small, big and long buttons.
constexpr std::array<QSize, 3> FaceSizes{QSize(73, 21), QSize(78, 28), QSize(138, 28)};

QPixmap drawFace(QSize size, const Look& look) {
    constexpr qreal Corner = 3.0;
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
    painter.drawRoundedRect(outer, Corner, Corner);
    if (look.ring.isValid()) {
        painter.setPen(QPen(look.ring, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(outer.adjusted(1.5, 1.5, -1.5, -1.5), Corner - 1, Corner - 1);
    }
    return face;
}

Faces drawFaces(QSize size) {
    return {drawFace(size, NormalLook), drawFace(size, HoverLook), drawFace(size, DownLook),
            drawFace(size, DisabledLook), drawFace(size, FocusLook)};
}

// Drawn once and shared: every button of a size shows the same pictures.
const Faces& facesOf(int size) {
    static const std::array<Faces, 3> faces{drawFaces(FaceSizes[0]), drawFaces(FaceSizes[1]),
                                            drawFaces(FaceSizes[2])};
    return faces[static_cast<std::size_t>(size)];
}

// ---- events ---------------------------------------------------------------------

int buttonMask(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

QFont captionFont() {
    QFont font(QStringLiteral("Tahoma"), 9);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

xpButton::xpButton(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    Label1 = new QLabel(this);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAttribute(Qt::WA_TransparentForMouseEvents); // a click on the caption is one on the face
    Label1->setFont(captionFont());
    Timer1.setInterval(HoverIntervalMs);
    connect(&Timer1, &QTimer::timeout, this, &xpButton::Timer1_Timer);
    m_caption = name;
    RefreshButton();
}

// ---- properties -----------------------------------------------------------------

void xpButton::setButtonSize(int size) {
    m_buttonSize = size;
    RefreshButton();
}

void xpButton::setCaption(const QString& caption) {
    m_caption = caption;
    LayoutCaption();
}

QFont xpButton::Font() const {
    return Label1->font();
}

void xpButton::setFont(const QFont& font) {
    Label1->setFont(font);
    RefreshButton();
}

void xpButton::setForeColor(const QColor& colour) {
    m_foreColor = colour;
    RefreshButton();
}

void xpButton::setEnabled(bool enabled) {
    m_enabled = enabled;
    RefreshButton();
}

const QPixmap& xpButton::FacePicture() const {
    switch (m_face) {
    case Box::Hover: return hoverBox;
    case Box::Down: return downBox;
    case Box::Disabled: return disabledBox;
    case Box::Focus: return focusBox;
    case Box::Empty: break;
    }
    return emptyBox;
}

// ---- procedures -----------------------------------------------------------------

// A size other than the three keeps the size and pictures it has.
void xpButton::RefreshButton() {
    switch (m_buttonSize) {
    case Small: SetSmall(); break;
    case Big: SetBig(); break;
    case Long: SetLong(); break;
    default: break;
    }
    if (m_enabled) {
        QWidget::setEnabled(true);
        showBox(Box::Empty);
    } else {
        showBox(Box::Disabled);
        QWidget::setEnabled(false);
    }
}

void xpButton::SetSmall() {
    applySize(Small);
}

void xpButton::SetBig() {
    applySize(Big);
}

void xpButton::SetLong() {
    applySize(Long);
}

void xpButton::applySize(int size) {
    setFixedSize(FaceSizes[static_cast<std::size_t>(size)]);
    const Faces& faces = facesOf(size);
    emptyBox = faces.empty;
    focusBox = faces.focus;
    hoverBox = faces.hover;
    downBox = faces.down;
    disabledBox = faces.disabled;
    LayoutCaption();
}

// Centred on the face; a caption wider than the face starts left of it and is clipped.
void xpButton::LayoutCaption() {
    QPalette palette = Label1->palette();
    palette.setColor(QPalette::WindowText, m_enabled ? m_foreColor : WorkspaceGrey);
    Label1->setPalette(palette);
    Label1->setText(m_caption);
    Label1->resize(Label1->sizeHint());
    Label1->move((width() - Label1->width()) / 2, (height() - Label1->height()) / 2);
}

void xpButton::EnableHoverTimer() {
    if (!Timer1.isActive())
        Timer1.start();
}

// A disabled button keeps its disabled face whatever the cursor does.
void xpButton::FollowHover(bool over) {
    if (!m_enabled)
        return;
    if (over) {
        if (m_look == Normal) {
            showBox(Box::Hover);
            m_look = Hovered;
        } else if (m_look == Pressed) {
            showBox(Box::Down);
        }
        return;
    }
    if (m_look == Normal)
        return;
    showBox(m_focused ? Box::Focus : Box::Empty);
    if (m_look != Pressed) // a pressed button stays pressed until its mouse-up
        m_look = Normal;
}

void xpButton::Timer1_Timer() {
    FollowHover(cursorIsOver());
}

bool xpButton::cursorIsOver() const {
    if (!isEnabled())
        return false;
    const QWidget* under = QApplication::widgetAt(QCursor::pos());
    return under == this || under == Label1;
}

void xpButton::showBox(Box box) {
    if (m_face == box)
        return;
    m_face = box;
    update();
}

// ---- events ---------------------------------------------------------------------

void xpButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, FacePicture());
    EnableHoverTimer();
}

void xpButton::resizeEvent(QResizeEvent*) {
    RefreshButton();
}

// Nothing to follow while hidden; the next paint starts the timer again.
void xpButton::hideEvent(QHideEvent*) {
    Timer1.stop();
}

void xpButton::focusInEvent(QFocusEvent*) {
    m_focused = true;
    showBox(Box::Focus);
}

void xpButton::focusOutEvent(QFocusEvent*) {
    m_focused = false;
    if (m_enabled) // disabling takes the focus; the disabled face stays
        showBox(Box::Empty);
}

void xpButton::mousePressEvent(QMouseEvent* event) {
    m_look = Pressed;
    emitMouse(&xpButton::MouseDown, *event, buttonMask(event->button()));
}

void xpButton::mouseMoveEvent(QMouseEvent* event) {
    emitMouse(&xpButton::MouseMove, *event, buttonMask(event->buttons()));
}

void xpButton::mouseReleaseEvent(QMouseEvent* event) {
    m_look = Normal;
    emitMouse(&xpButton::MouseUp, *event, buttonMask(event->button()));
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
}

void xpButton::keyPressEvent(QKeyEvent* event) {
    emit KeyDown(VirtualKeyCode(*event), ShiftMask(event->modifiers()));
    if (const int keyAscii = KeyAscii(*event); keyAscii != 0)
        emit KeyPress(keyAscii);
    event->accept();
}

void xpButton::keyReleaseEvent(QKeyEvent* event) {
    emit KeyUp(VirtualKeyCode(*event), ShiftMask(event->modifiers()));
    event->accept();
}

void xpButton::emitMouse(void (xpButton::*signal)(int, int, int, int), const QMouseEvent& event, int buttons) {
    const QPoint at = event.position().toPoint();
    emit(this->*signal)(buttons, ShiftMask(event.modifiers()), PixelsToTwips(at.x()), PixelsToTwipsY(at.y()));
}
