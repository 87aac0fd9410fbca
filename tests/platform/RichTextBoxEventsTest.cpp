#include "RichTextBoxFixture.h"

#include "platform/KeyCodes.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <utility>
#include <vector>

namespace {

// An input box: editable, so keys that get through show in its text.
class RichTextBoxEvents : public ShownRichTextBox {
protected:
    void SetUp() override {
        ShownRichTextBox::SetUp();
        box.setReadOnly(false);
        box.setFocus();
    }

    QPoint pointOf(int position) const { return cursorRectAt(box, position).center(); }
};

} // namespace

TEST_F(RichTextBoxEvents, KeysReportWindowsKeyCodesAndCharacterCodes) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* text; // as the platform reports it
        int keyCode;
        int shift;
        int keyAscii; // 0: no KeyPress
    };
    const Case cases[] = {
        {Qt::Key_Up, {}, "", kKeyUp, 0, 0},
        {Qt::Key_Down, {}, "", kKeyDown, 0, 0},
        {Qt::Key_Backspace, {}, "\b", kKeyBackspace, 0, kKeyBackspace},
        {Qt::Key_Delete, {}, "\x7f", kKeyDelete, 0, 0},
        {Qt::Key_Return, {}, "\r", kKeyEnter, 0, kKeyEnter},
        {Qt::Key_Enter, Qt::KeypadModifier, "\r", kKeyEnter, 0, kKeyEnter},
        {Qt::Key_A, {}, "a", 65, 0, 'a'},
        {Qt::Key_A, Qt::ShiftModifier, "A", 65, 1, 'A'},
        {Qt::Key_A, Qt::ControlModifier, "", 65, 2, 1},
        {Qt::Key_5, {}, "5", 53, 0, '5'},
        {Qt::Key_5, Qt::KeypadModifier, "5", 101, 0, '5'},
        {Qt::Key_F1, {}, "", 112, 0, 0},
        {Qt::Key_Tab, Qt::ControlModifier, "\t", kKeyTab, 2, kKeyTab},
        {Qt::Key_Escape, Qt::AltModifier, "\x1b", kKeyEscape, 4, kKeyEscape},
    };
    // QSignalSpy cannot record int& arguments.
    std::vector<std::pair<int, int>> downs;
    std::vector<int> presses;
    QObject::connect(&box, &RichTextBox::KeyDown,
                     [&downs](int& keyCode, int shift) { downs.emplace_back(keyCode, shift); });
    QObject::connect(&box, &RichTextBox::KeyPress,
                     [&presses](int& keyAscii) { presses.push_back(keyAscii); });
    for (const Case& c : cases) {
        downs.clear();
        presses.clear();
        QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers, QString::fromLatin1(c.text));
        QCoreApplication::sendEvent(&box, &press);
        EXPECT_EQ(downs, (std::vector<std::pair<int, int>>{{c.keyCode, c.shift}})) << c.keyCode;
        EXPECT_EQ(presses, c.keyAscii != 0 ? std::vector<int>{c.keyAscii} : std::vector<int>{}) << c.keyCode;
    }
}

TEST_F(RichTextBoxEvents, HandlersCancelKeysByClearingTheCode) {
    QTest::keyClicks(&box, "ab");
    ASSERT_EQ(box.Text(), "ab");

    QObject::connect(&box, &RichTextBox::KeyPress, [](int& keyAscii) {
        if (keyAscii == 'x' || keyAscii == kKeyEnter)
            keyAscii = 0;
    });
    QObject::connect(&box, &RichTextBox::KeyDown, [](int& keyCode, int) {
        if (keyCode == kKeyBackspace)
            keyCode = 0;
    });
    QTest::keyClicks(&box, "xcx");
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.Text(), "abc");
}

TEST_F(RichTextBoxEvents, AHandlerMayReplaceTheTypedCharacter) {
    QObject::connect(&box, &RichTextBox::KeyPress, [](int& keyAscii) {
        if (keyAscii >= 'a' && keyAscii <= 'z')
            keyAscii -= 'a' - 'A';
    });
    QTest::keyClicks(&box, "hi!");
    EXPECT_EQ(box.Text(), "HI!");
}

TEST_F(RichTextBoxEvents, MouseEventsReportButtonsAndTwips) {
    box.setSelText("some words to click on");
    QSignalSpy ups(&box, &RichTextBox::MouseUp);
    QSignalSpy moves(&box, &RichTextBox::MouseMove);
    QSignalSpy clicks(&box, &RichTextBox::Click);
    const QPoint at(30, 8);

    // Hovering: the platform sends such moves only to widgets that track the mouse.
    EXPECT_TRUE(box.viewport()->hasMouseTracking());
    QMouseEvent hover(QEvent::MouseMove, at, box.viewport()->mapToGlobal(at), Qt::NoButton, Qt::NoButton, {});
    QCoreApplication::sendEvent(box.viewport(), &hover);
    ASSERT_EQ(moves.size(), 1);
    EXPECT_EQ(moves.last()[0].toInt(), 0);
    EXPECT_EQ(moves.last()[2].toInt(), 30 * 15);
    EXPECT_EQ(moves.last()[3].toInt(), 8 * 15);

    QTest::mouseClick(box.viewport(), Qt::RightButton, Qt::ShiftModifier, at);
    ASSERT_EQ(ups.size(), 1);
    EXPECT_EQ(ups[0][0].toInt(), 2);
    EXPECT_EQ(ups[0][1].toInt(), 1);
    EXPECT_EQ(ups[0][2].toInt(), 30 * 15);
    EXPECT_EQ(ups[0][3].toInt(), 8 * 15);
    EXPECT_EQ(clicks.size(), 0) << "only the left button clicks";

    QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(ups.last()[0].toInt(), 1);
    EXPECT_EQ(clicks.size(), 1);
}

TEST_F(RichTextBoxEvents, ADragOrADoubleClickIsNoExtraClick) {
    box.setSelText("some words to select");
    QSignalSpy clicks(&box, &RichTextBox::Click);
    QSignalSpy doubles(&box, &RichTextBox::DblClick);

    QTest::mousePress(box.viewport(), Qt::LeftButton, {}, pointOf(0));
    QTest::mouseMove(box.viewport(), pointOf(10));
    QTest::mouseRelease(box.viewport(), Qt::LeftButton, {}, pointOf(10));
    EXPECT_EQ(clicks.size(), 0);
    EXPECT_EQ(box.SelLength(), 10);

    // What the platform delivers for a double click.
    QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, pointOf(6));
    QTest::mousePress(box.viewport(), Qt::LeftButton, {}, pointOf(6));
    QTest::mouseDClick(box.viewport(), Qt::LeftButton, {}, pointOf(6));
    QTest::mouseRelease(box.viewport(), Qt::LeftButton, {}, pointOf(6));
    EXPECT_EQ(doubles.size(), 1);
    EXPECT_EQ(clicks.size(), 1) << "the second release of a double click is not a click";
}

TEST_F(RichTextBoxEvents, CharFromPosFindsTheCharacterUnderAPoint) {
    box.setSelText("first\r\nsecond line");
    for (const int position : {0, 3, 6, 9, 12})
        EXPECT_EQ(box.charFromPos(pointOf(position) + QPoint(1, 0)), position);
}

TEST_F(RichTextBoxEvents, MousePointerSetsTheViewportCursor) {
    box.setMousePointer(99);
    EXPECT_EQ(box.MousePointer(), 99);
    EXPECT_EQ(box.viewport()->cursor().shape(), Qt::PointingHandCursor);
    box.setMousePointer(1);
    EXPECT_EQ(box.viewport()->cursor().shape(), Qt::ArrowCursor);
}
