// What the pickers do when another window takes the focus: the colour picker
// goes away, the smiley picker stays up.
#include "fixtures/ClientFixture.h"
#include "fixtures/Wait.h"
#include "widgets/frmSmileys.h"
#include "widgets/frmcolor.h"

#include <QTest>

namespace {

class PickerFocusTest : public ClientTest {
protected:
    // Shows the picker, lets it take the focus, then gives the focus to another
    // window of the program.
    void loseFocus(QWidget& picker) {
        picker.show();
        picker.activateWindow();
        ASSERT_TRUE(waitUntil([&picker] { return picker.isActiveWindow(); }));
        other.show();
        other.activateWindow();
        ASSERT_TRUE(waitUntil([this] { return other.isActiveWindow(); }));
    }
    QWidget other;
};

TEST_F(PickerFocusTest, ColourPickerHidesButStaysLoaded) {
    frmcolor& picker = frmcolor::form();
    loseFocus(picker);
    EXPECT_TRUE(waitUntil([&picker] { return !picker.isVisible(); }));
    EXPECT_EQ(frmcolor::loaded(), &picker);
}

TEST_F(PickerFocusTest, SmileyPickerStaysUp) {
    frmSmileys& picker = frmSmileys::form();
    loseFocus(picker);
    QCoreApplication::processEvents();
    EXPECT_TRUE(picker.isVisible());
    EXPECT_FALSE(picker.isActiveWindow()); // the focus stays where it went

    // Hidden by the program while it has the focus, it stays hidden.
    picker.activateWindow();
    ASSERT_TRUE(waitUntil([&picker] { return picker.isActiveWindow(); }));
    picker.hide();
    ASSERT_TRUE(waitUntil([&picker] { return !picker.isActiveWindow(); }));
    QCoreApplication::processEvents();
    EXPECT_FALSE(picker.isVisible());
    EXPECT_TRUE(picker.isHidden());
}

} // namespace
