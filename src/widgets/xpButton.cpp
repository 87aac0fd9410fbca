// xpButton's properties and procedures: its size and pictures, caption and
// looks as the hover timer follows the cursor.
#include "widgets/xpButton.h"

#include "widgets/xpButtonFaces.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>

namespace {

constexpr int kHoverIntervalMs = 1;

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
    Timer1.setInterval(kHoverIntervalMs);
    connect(&Timer1, &QTimer::timeout, this, &xpButton::Timer1_Timer);
    m_caption = name;
    RefreshButton();
}

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

const QPixmap& xpButton::facePicture() const {
    switch (m_face) {
    case Box::Hover:
        return hoverBox;
    case Box::Down:
        return downBox;
    case Box::Disabled:
        return disabledBox;
    case Box::Focus:
        return focusBox;
    case Box::Empty:
        break;
    }
    return emptyBox;
}

// A size other than the three keeps the size and pictures it has.
void xpButton::RefreshButton() {
    switch (m_buttonSize) {
    case Small:
        SetSmall();
        break;
    case Big:
        SetBig();
        break;
    case Long:
        SetLong();
        break;
    default:
        break;
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
    setFixedSize(buttonFaceSize(size));
    const ButtonFaces& faces = buttonFacesOf(size);
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
    palette.setColor(QPalette::WindowText, m_enabled ? m_foreColor : kWorkspaceGrey);
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
void xpButton::followHover(bool over) {
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
    followHover(cursorIsOver());
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
