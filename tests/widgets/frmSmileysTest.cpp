// The smiley picker: each picture sends its own code, the grid's places, and
// codes landing side by side in an input line wired as the room window wires it.
#include "widgets/frmSmileys.h"
#include "fixtures/ClientFixture.h"
#include "fixtures/NamedRows.h"
#include "platform/Twips.h"
#include "support/Smileys.h"
#include "widgets/PickerLabel.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

class frmSmileysTest : public ClientTest {
protected:
    void SetUp() override {
        ClientTest::SetUp();
        picker().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&picker()));
    }
    static frmSmileys& picker() { return frmSmileys::form(); }
    static void click(int index) { QTest::mouseClick(picker().imgicon.value(index), Qt::LeftButton); }
};

TEST_F(frmSmileysTest, CodesGoSideBySideIntoTheInputLineAndThePickerStays) {
    QLineEdit DataOut;
    QObject::connect(&picker(), &frmSmileys::smileyChosen, &DataOut,
                     [&DataOut](const QString& code) { DataOut.setText(DataOut.text() + code); });
    click(86);
    click(87);
    EXPECT_EQ(DataOut.text(), ":):(");
    EXPECT_TRUE(picker().isVisible());
    EXPECT_EQ(frmSmileys::loaded(), &picker());
}

TEST_F(frmSmileysTest, EveryPictureSendsItsOwnCodeAndShowsItAsToolTip) {
    QSignalSpy chosen(&picker(), &frmSmileys::smileyChosen);
    ASSERT_EQ(picker().imgicon.size(), 85);
    for (const Smiley& smiley : SmileyTable()) {
        SCOPED_TRACE(smiley.index);
        PickerLabel* picture = picker().imgicon.value(smiley.index);
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->toolTip(), smiley.index == 83 ? QString() : smiley.code);
        EXPECT_FALSE(picture->pixmap().isNull());
        click(smiley.index);
        ASSERT_FALSE(chosen.isEmpty());
        EXPECT_EQ(chosen.takeLast().at(0).toString(), smiley.code); // quotes and backslashes as they stand
    }
}

TEST_F(frmSmileysTest, NoCodeForAnIndexWithoutSmileyOrAClickDraggedOff) {
    QSignalSpy chosen(&picker(), &frmSmileys::smileyChosen);
    for (const int index : {17, 41, 63, 84, 85, -1, 90, 32767})
        picker().imgicon_Click(index);
    PickerLabel* picture = picker().imgicon.value(86);
    QTest::mousePress(picture, Qt::LeftButton);
    QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(picture->width() + 30, 5));
    EXPECT_TRUE(chosen.isEmpty());
}

// Pictures of the grid, by their index, and their design places.
struct Place {
    const char* name;
    int index;
    TwipsRect design;
};

const Place kPlaces[] = {
    {"Index86", 86, {60, 105, 270, 270}},    {"Index69", 69, {3720, 465, 345, 270}},
    {"Index1", 1, {780, 825, 330, 270}},     {"Index76", 76, {3360, 1185, 300, 285}},
    {"Index80", 80, {3600, 1560, 480, 270}}, {"Index81", 81, {2280, 1920, 285, 285}},
    {"Index42", 42, {60, 2265, 255, 270}},   {"Index16", 16, {3000, 2625, 1035, 240}},
    {"Index64", 64, {1680, 3000, 855, 225}}, {"Index88", 88, {2640, 3000, 300, 270}},
};

class PlaceTest : public frmSmileysTest, public testing::WithParamInterface<Place> {};

TEST_P(PlaceTest, ThePictureSitsAtItsDesignPlace) {
    const Place& place = GetParam();
    const TwipsRect at = pixelsToTwips(picker().imgicon.value(place.index)->geometry());
    EXPECT_EQ(at.left, place.design.left);
    EXPECT_EQ(at.top, place.design.top);
    EXPECT_EQ(at.width, place.design.width);
    EXPECT_EQ(at.height, place.design.height);
}

INSTANTIATE_TEST_SUITE_P(, PlaceTest, testing::ValuesIn(kPlaces), RowName());

TEST_F(frmSmileysTest, TheGridHasItsDesignSize) {
    EXPECT_EQ(pixelsToTwips(picker().centralWidget()->width()), frmSmileys::kClientWidth);
    EXPECT_EQ(pixelsToTwipsY(picker().centralWidget()->height()), frmSmileys::kClientHeight);
}

// A misplaced row would hide one picture under another or under the help text.
TEST_F(frmSmileysTest, PicturesAndHelpTextLieApartInsideTheWindow) {
    std::vector<QWidget*> parts{picker().Label1};
    for (PickerLabel* picture : picker().imgicon)
        parts.push_back(picture);
    const QRect client = picker().centralWidget()->rect();
    for (std::size_t a = 0; a < parts.size(); ++a) {
        EXPECT_TRUE(client.contains(parts[a]->geometry())) << parts[a]->objectName().toStdString();
        for (std::size_t b = a + 1; b < parts.size(); ++b)
            EXPECT_FALSE(parts[a]->geometry().intersects(parts[b]->geometry()))
                << parts[a]->objectName().toStdString() << " and " << parts[b]->objectName().toStdString();
    }
    EXPECT_EQ(picker().Label1->textFormat(), Qt::PlainText);
    EXPECT_TRUE(picker().Label1->text().startsWith("Click on the smiley or type the code"));
}

} // namespace
