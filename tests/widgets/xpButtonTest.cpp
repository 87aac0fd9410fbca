// The skinned push button: sizes and faces, caption, enabling, the hover timer
// and its events.
#include "widgets/xpButton.h"

#include "fixtures/NamedRows.h"
#include "fixtures/Wait.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A shown button in a window of its own, the hover timer stopped so a test
// drives the ticks itself.
class xpButtonTest : public testing::Test {
protected:
    void SetUp() override {
        window.resize(300, 120);
        button.move(20, 20);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        button.Timer1.stop();
    }
    QWidget window;
    xpButton button{"cmdSend", &window};
};

bool samePicture(const QPixmap& a, const QPixmap& b) {
    return a.toImage() == b.toImage();
}

TEST_F(xpButtonTest, NewButtonIsBigWithItsNameAsCaption) {
    xpButton fresh("cmdFresh");
    EXPECT_EQ(fresh.ButtonSize(), xpButton::Big);
    EXPECT_EQ(fresh.size(), QSize(78, 28));
    EXPECT_EQ(fresh.Caption(), "cmdFresh");
    EXPECT_EQ(fresh.Label1->text(), "cmdFresh");
    EXPECT_TRUE(fresh.Enabled());
    EXPECT_EQ(fresh.ForeColor(), QColor(Qt::black));
    EXPECT_EQ(fresh.look(), xpButton::Normal);
    EXPECT_EQ(fresh.face(), xpButton::Box::Empty);
    EXPECT_EQ(fresh.Label1->textFormat(), Qt::PlainText);
}

// The button's sizes, and their pixels.
struct ButtonSize {
    const char* name;
    int size;
    QSize pixels;
};

const ButtonSize kButtonSizes[] = {{"Small", xpButton::Small, QSize(73, 21)},
                                   {"Big", xpButton::Big, QSize(78, 28)},
                                   {"Long", xpButton::Long, QSize(138, 28)}};

class ButtonSizeTest : public xpButtonTest, public testing::WithParamInterface<ButtonSize> {};

TEST_P(ButtonSizeTest, HasItsOwnFiveDistinctFaces) {
    const auto [name, size, pixels] = GetParam();
    button.setButtonSize(size);
    EXPECT_EQ(button.size(), pixels) << size;
    const QPixmap faces[] = {button.emptyBox, button.hoverBox, button.downBox, button.disabledBox,
                             button.focusBox};
    for (std::size_t a = 0; a < std::size(faces); ++a) {
        EXPECT_EQ(faces[a].size(), pixels) << size;
        for (std::size_t b = a + 1; b < std::size(faces); ++b)
            EXPECT_FALSE(samePicture(faces[a], faces[b])) << size << ": faces " << a << " and " << b;
    }
}

INSTANTIATE_TEST_SUITE_P(, ButtonSizeTest, testing::ValuesIn(kButtonSizes), RowName());

TEST_F(xpButtonTest, UnknownSizeKeepsSizeAndPicturesButAppliesEnabling) {
    button.setButtonSize(xpButton::Small);
    const QPixmap small = button.emptyBox;
    button.setButtonSize(3);
    EXPECT_EQ(button.size(), QSize(73, 21));
    EXPECT_TRUE(samePicture(button.emptyBox, small));
    button.setEnabled(false);
    EXPECT_EQ(button.face(), xpButton::Box::Disabled);
    EXPECT_FALSE(button.isEnabled());
    button.setEnabled(true);
    EXPECT_EQ(button.face(), xpButton::Box::Empty);
    EXPECT_TRUE(button.isEnabled());
}

TEST_F(xpButtonTest, ResizingSnapsBack) {
    button.setButtonSize(xpButton::Long);
    button.resize(300, 90);
    EXPECT_EQ(button.size(), QSize(138, 28));
    button.setGeometry(0, 0, 10, 10);
    EXPECT_EQ(button.size(), QSize(138, 28));
}

TEST_F(xpButtonTest, CaptionIsCentredAndMayStartLeftOfTheFace) {
    button.setCaption("Ok");
    const QRect narrow = button.Label1->geometry();
    EXPECT_GT(narrow.left(), 0);
    EXPECT_NEAR(narrow.center().x(), button.rect().center().x(), 1);
    button.setCaption("A caption far too long for the face of any button");
    EXPECT_LT(button.Label1->x(), 0);
    EXPECT_NEAR(button.Label1->geometry().center().x(), button.rect().center().x(), 1);
    EXPECT_EQ(button.Label1->text(), "A caption far too long for the face of any button");
}

TEST_F(xpButtonTest, DisablingShowsTheDisabledFaceAndAGreyCaption) {
    button.setForeColor(QColor(200, 0, 0));
    EXPECT_EQ(button.Label1->palette().color(QPalette::WindowText), QColor(200, 0, 0));
    button.setEnabled(false);
    EXPECT_EQ(button.face(), xpButton::Box::Disabled);
    EXPECT_TRUE(samePicture(button.facePicture(), button.disabledBox));
    EXPECT_EQ(button.Label1->palette().color(QPalette::WindowText), xpButton::kWorkspaceGrey);
    button.followHover(false); // the timer leaves a disabled face alone
    button.followHover(true);
    EXPECT_EQ(button.face(), xpButton::Box::Disabled);
    button.setEnabled(true);
    EXPECT_EQ(button.face(), xpButton::Box::Empty);
    EXPECT_EQ(button.Label1->palette().color(QPalette::WindowText), QColor(200, 0, 0));
}

TEST_F(xpButtonTest, DisablingAFocusedButtonKeepsTheDisabledFace) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    button.setFocus();
    ASSERT_EQ(button.face(), xpButton::Box::Focus);
    button.setEnabled(false);
    EXPECT_EQ(button.face(), xpButton::Box::Disabled);
}

TEST_F(xpButtonTest, HoverShowsTheHoverFaceAndLeavingRestoresIt) {
    button.clearFocus();
    ASSERT_FALSE(button.focused());
    button.followHover(true);
    EXPECT_EQ(button.face(), xpButton::Box::Hover);
    EXPECT_EQ(button.look(), xpButton::Hovered);
    button.followHover(true);
    EXPECT_EQ(button.look(), xpButton::Hovered);
    button.followHover(false);
    EXPECT_EQ(button.face(), xpButton::Box::Empty);
    EXPECT_EQ(button.look(), xpButton::Normal);
}

// The press gives the button the focus, so it first leaves to the focused face.
TEST_F(xpButtonTest, PressedButtonStaysPressedWhileThePointerLeavesAndComesBack) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QSignalSpy downs(&button, &xpButton::MouseDown);
    QSignalSpy ups(&button, &xpButton::MouseUp);
    QSignalSpy clicks(&button, &xpButton::Click);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 5));
    ASSERT_EQ(downs.count(), 1);
    EXPECT_EQ(downs.first(), (QVariantList{1, 0, 150, 75}));
    EXPECT_EQ(button.look(), xpButton::Pressed);
    ASSERT_TRUE(button.focused());
    button.followHover(true);
    EXPECT_EQ(button.face(), xpButton::Box::Down);

    const std::pair<bool, xpButton::Box> awayFaces[] = {{true, xpButton::Box::Focus},
                                                        {false, xpButton::Box::Empty}};
    for (const auto& [focused, away] : awayFaces) {
        if (!focused)
            button.clearFocus();
        button.followHover(false);
        EXPECT_EQ(button.face(), away);
        EXPECT_EQ(button.look(), xpButton::Pressed);
        button.followHover(true);
        EXPECT_EQ(button.face(), xpButton::Box::Down);
        EXPECT_EQ(button.look(), xpButton::Pressed);
    }

    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_EQ(button.look(), xpButton::Normal);
    EXPECT_EQ(ups.count(), 1);
    EXPECT_EQ(clicks.count(), 1);
    button.followHover(true);
    EXPECT_EQ(button.face(), xpButton::Box::Hover);
}

TEST_F(xpButtonTest, FocusShowsTheFocusFaceUntilItGoes) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    button.setFocus();
    EXPECT_TRUE(button.focused());
    EXPECT_EQ(button.face(), xpButton::Box::Focus);
    button.clearFocus();
    EXPECT_FALSE(button.focused());
    EXPECT_EQ(button.face(), xpButton::Box::Empty);
}

TEST_F(xpButtonTest, ReleasingOutsideTheFaceIsNoClick) {
    QSignalSpy clicks(&button, &xpButton::Click);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(200, 5));
    EXPECT_EQ(clicks.count(), 0);
    QTest::mouseClick(&button, Qt::LeftButton, {}, button.Label1->geometry().center());
    EXPECT_EQ(clicks.count(), 1); // on the caption is on the face
}

TEST_F(xpButtonTest, EnterAndSpaceRaiseKeyEventsOnly) {
    QSignalSpy clicks(&button, &xpButton::Click);
    QSignalSpy downs(&button, &xpButton::KeyDown);
    QSignalSpy presses(&button, &xpButton::KeyPress);
    QSignalSpy ups(&button, &xpButton::KeyUp);
    const std::pair<Qt::Key, int> keys[] = {{Qt::Key_Return, 13}, {Qt::Key_Enter, 13}, {Qt::Key_Space, 32}};
    for (const auto& [key, code] : keys) {
        downs.clear();
        presses.clear();
        ups.clear();
        QTest::keyClick(&button, key);
        EXPECT_EQ(downs.value(0), (QVariantList{code, 0})) << code;
        EXPECT_EQ(presses.value(0), (QVariantList{code})) << code;
        EXPECT_EQ(ups.value(0), (QVariantList{code, 0})) << code;
    }
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(xpButtonTest, TheTimerFollowsTheRealCursor) {
    button.clearFocus();
    button.EnableHoverTimer();
    QCursor::setPos(button.mapToGlobal(button.rect().center()));
    EXPECT_TRUE(waitUntil([this] { return button.face() == xpButton::Box::Hover; }, 2000));
    QCursor::setPos(window.mapToGlobal(QPoint(250, 100)));
    EXPECT_TRUE(waitUntil([this] { return button.face() == xpButton::Box::Empty; }, 2000));
    window.hide();
    EXPECT_FALSE(button.Timer1.isActive());
}

} // namespace
