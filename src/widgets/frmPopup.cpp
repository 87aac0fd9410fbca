#include "widgets/frmPopup.h"

#include "platform/EventPump.h"
#include "platform/Twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace {
constexpr int kStep = 55;
constexpr int kBottomGap = 450;  // the lower edge stays this far above the screen's
constexpr int kTopWhenUp = 2190; // kBottomGap + kFullHeightTwips
constexpr int kSlideMs = 11;
constexpr int kHoldMs = 4000;

// A window is never less than a pixel high.
QRect twipsToPixels(int left, int top, int width, int height) {
    QRect pixels = twipsToPixels(TwipsRect{left, top, width, height});
    pixels.setHeight(std::max(1, pixels.height()));
    return pixels;
}
} // namespace

frmPopup::frmPopup() {
    setWindowFlags(Qt::FramelessWindowHint | Qt::Tool | Qt::WindowStaysOnTopHint);
    auto* central = new QWidget(this);
    Label1 = new QLabel(QStringLiteral("TazmirKorvu Messenger"), central);
    Label1->setGeometry(twipsToPixels(360, 90, 2000, 250));
    Label1->setStyleSheet(QStringLiteral("font-weight: bold; color: white; background: transparent;"));
    Label2 = new QLabel(
        QStringLiteral("Messenger is already running! DOUBLE CLICK HERE or Right Click in Korvu Icon "
                       "in system tray to chat now."),
        central);
    Label2->setGeometry(twipsToPixels(120, 600, 2415, 1095));
    Label2->setWordWrap(true);
    Label2->setStyleSheet(QStringLiteral("color: #102040; background: transparent;"));
    Label2->installEventFilter(this);
    Label2->setTextFormat(Qt::PlainText);
    setCentralWidget(central);
    Timer1.setInterval(1);
    connect(&Timer1, &QTimer::timeout, this, &frmPopup::Timer1_Timer);
}

int frmPopup::screenHeightTwips() {
    return pixelsToTwipsY(QGuiApplication::primaryScreen()->geometry().height());
}

int frmPopup::screenWidthTwips() {
    return pixelsToTwips(QGuiApplication::primaryScreen()->geometry().width());
}

void frmPopup::Form_Load() {
    DoEvents();
    m_height = 0;
    m_rising = true;
    m_top = screenHeightTwips() - kBottomGap;
    m_left = screenWidthTwips() - (kWidthTwips + 200);
    place();
    Timer1.start();
}

void frmPopup::Timer1_Timer() {
    Timer1.setInterval(kSlideMs);
    if (m_rising)
        rise();
    else
        sink();
}

void frmPopup::showMessage(const QString& text) {
    show();
    Label2->setText(text);
}

void frmPopup::rise() {
    m_top -= kStep;
    if (screenHeightTwips() - kBottomGap >= m_top)
        m_height += kStep;
    if (screenHeightTwips() - kTopWhenUp >= m_top) {
        m_top = screenHeightTwips() - kTopWhenUp;
        m_height = kFullHeightTwips;
        Timer1.setInterval(kHoldMs);
        m_rising = false;
    }
    place();
}

void frmPopup::sink() {
    if (m_height - kStep < 0) {
        DoEvents();
        hide();
        Timer1.stop();
        Unload();
        return;
    }
    m_height -= kStep;
    m_top += kStep;
    place();
}

void frmPopup::place() {
    setGeometry(twipsToPixels(m_left, m_top, kWidthTwips, m_height));
}

void frmPopup::mouseDoubleClickEvent(QMouseEvent* event) {
    emit chatRoomAsked();
    event->accept();
}

bool frmPopup::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label2 && event->type() == QEvent::MouseButtonRelease)
        emit chatRoomAsked();
    return Form::eventFilter(watched, event);
}

void frmPopup::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient face(0, 0, 0, twipsToPixelsY(kFullHeightTwips));
    face.setColorAt(0, QColor(40, 80, 160));
    face.setColorAt(0.25, QColor(120, 160, 230));
    face.setColorAt(1, QColor(230, 238, 250));
    painter.fillRect(rect(), face);
    painter.setPen(QColor(30, 60, 130));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
