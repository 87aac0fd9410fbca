// The sign-in window's layout at every size, its banner and its clock.
#include "account/Login.h"

#include "account/LoginDesign.h"
#include "platform/TwipsGeometry.h"
#include "widgets/xpButton.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QResizeEvent>
#include <QTime>
#include <climits>

namespace {

constexpr int kKeep = INT_MIN; // a measure the row leaves as it is
constexpr int kBannerStep = 720;

void place(QWidget* control, int left, int top, int width, int height) {
    const TwipsRect now = twipsGeometry(*control);
    setTwipsGeometry(*control, {left == kKeep ? now.left : left, top == kKeep ? now.top : top,
                                width == kKeep ? now.width : width, height == kKeep ? now.height : height});
}

void setLeft(QWidget* control, int left) {
    place(control, left, kKeep, kKeep, kKeep);
}

// The system's long time format without its time zone: the time with seconds.
QString timeText(const QTime& time) {
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    QString plain;
    bool quoted = false;
    for (QChar c : format) {
        if (c == u'\'')
            quoted = !quoted;
        if (quoted || c != u't')
            plain += c;
    }
    return QLocale::system().toString(time, plain.simplified());
}

} // namespace

int Login::widthTwips() const {
    return pixelsToTwips(width()) + LoginDesign::kFrameWidth;
}

int Login::heightTwips() const {
    return pixelsToTwipsY(height() - menuBar()->sizeHint().height()) + LoginDesign::kFrameHeight;
}

void Login::setWidthTwips(int width) {
    resize(twipsToPixels(width - LoginDesign::kFrameWidth), height());
}

void Login::setHeightTwips(int height) {
    resize(width(), twipsToPixelsY(height - LoginDesign::kFrameHeight) + menuBar()->sizeHint().height());
}

void Login::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    Form_Resize();
}

// Size changes made here arrive as resize events of their own; they find the
// window already at the sizes asked for, so the handling settles at once.
void Login::Form_Resize() {
    if (m_resizing)
        return;
    m_resizing = true;
    TimerGame();
    if (!isMinimized()) {
        if (widthTwips() < LoginDesign::kMinWidth)
            setWidthTwips(LoginDesign::kMinWidth);
        if (heightTwips() < LoginDesign::kMinHeight)
            setHeightTwips(LoginDesign::kMinHeight);
        layOut();
    }
    m_resizing = false;
}

// The banner asks for a smaller height than the window's smallest; the
// smallest holds, so the two never take turns resizing the window.
void Login::TimerGame() {
    if (isMinimized() || isMaximized() || !Timer1.isActive())
        return;
    if (widthTwips() != LoginDesign::kMinWidth)
        setWidthTwips(LoginDesign::kMinWidth);
    if (heightTwips() != LoginDesign::kMinHeight)
        setHeightTwips(LoginDesign::kMinHeight);
}

// The layout table, row by row: W and T are read again for every row.
void Login::layOut() {
    const auto W = [this] { return widthTwips(); };
    const auto T = [this] { return twipsGeometry(*Frame2).top; };
    place(TopD, 0, 0, W(), 750);
    setLeft(Label2, 150);
    setLeft(Label6, W() / 2 - 800);
    place(Frame2, 0, twipsGeometry(*TopD).height + 1700, W() / 2 - 50, kKeep);
    place(Frame1, W() / 2 + 500, T(), W() / 2 + 4500, kKeep);
    place(Image2, twipsGeometry(*Frame2).width, T() - 25, twipsGeometry(*Frame1).left + 1, kKeep);
    place(Picture1, kKeep, twipsGeometry(*Frame1).top, kKeep, kKeep);
    place(Picture2, kKeep, twipsGeometry(*Picture1).top, kKeep, kKeep);
    place(Label3, W() / 2 - 2400, T() + 1100, kKeep, kKeep);
    place(Label4, W() / 2 - 2400, T() + 1700, kKeep, kKeep);
    place(Text1, W() / 2 - 1400, T() + 1400, kKeep, kKeep);
    place(Text2, W() / 2 - 1400, T() + 2000, kKeep, kKeep);
    place(check2, W() / 2 - 1000, T() + 2500, kKeep, kKeep);
    place(Check3, W() / 2 - 1000, T() + 2775, kKeep, kKeep);
    place(check1, W() / 2 - 1000, T() + 3050, kKeep, kKeep);
    place(ChkStartUp, W() / 2 - 1000, T() + 3325, kKeep, kKeep);
    place(cmdSignIn, W() / 2 - 700, T() + 4075, kKeep, kKeep);
    place(Label5, W() / 2 - 700, T() + 4600, kKeep, kKeep);
    place(Label7, W() / 2 - 1500, T() + 4800, kKeep, kKeep);
    place(Label8, W() / 2 - 900, T() + 5000, kKeep, kKeep);
}

// The banner: both pictures move left; one that has left the window goes
// right behind the other, so the strip runs on without end.
void Login::Timer1_Timer() {
    setLeft(Picture1, twipsGeometry(*Picture1).left - kBannerStep);
    setLeft(Picture2, twipsGeometry(*Picture2).left - kBannerStep);
    const TwipsRect first = twipsGeometry(*Picture1);
    if (first.left <= -first.width)
        setLeft(Picture1, twipsGeometry(*Picture2).left + twipsGeometry(*Picture2).width);
    const TwipsRect second = twipsGeometry(*Picture2);
    if (second.left <= -second.width)
        setLeft(Picture2, twipsGeometry(*Picture1).left + twipsGeometry(*Picture1).width);
}

void Login::Timer2_Timer() {
    Label5->setText(QStringLiteral("Time: ") + timeText(QTime::currentTime()));
}
