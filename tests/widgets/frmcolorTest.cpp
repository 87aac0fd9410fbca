// The colour picker: what each swatch sends, and how a few of them look.
#include "widgets/frmcolor.h"
#include "fixtures/ClientFixture.h"
#include "fixtures/NamedRows.h"
#include "platform/Twips.h"
#include "widgets/PickerLabel.h"

#include <QSet>
#include <QSignalSpy>
#include <QTest>

namespace {

class frmcolorTest : public ClientTest {
protected:
    // The picker alone: the program's hook hands a chosen colour to the room
    // window, which puts the picker away.
    void SetUp() override {
        ClientTest::SetUp();
        hook = std::exchange(FormSlot<frmcolor>::onLoaded, nullptr);
        picker().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&picker()));
    }
    void TearDown() override {
        ClientTest::TearDown();
        FormSlot<frmcolor>::onLoaded = hook;
    }
    static frmcolor& picker() { return frmcolor::form(); }
    std::function<void(frmcolor&)> hook;
};

TEST_F(frmcolorTest, EachSwatchSendsItsNumberAtEveryClick) {
    QSignalSpy chosen(&picker(), &frmcolor::colourChosen);
    for (int number = 1; number <= frmcolor::kSwatchCount; ++number) {
        SCOPED_TRACE(number);
        ASSERT_EQ(picker().lblcin[number]->objectName(), QStringLiteral("lblcin%1").arg(number));
        QTest::mouseClick(picker().lblcin[number], Qt::LeftButton);
        QTest::mouseClick(picker().lblcin[number], Qt::LeftButton);
        ASSERT_EQ(chosen.size(), 2);
        EXPECT_EQ(chosen.at(0).at(0).toString(), QString::number(number));
        EXPECT_EQ(chosen.at(1).at(0).toString(), QString::number(number));
        chosen.clear();
    }
    picker().lblcin_Click(0);
    picker().lblcin_Click(16);
    EXPECT_TRUE(chosen.isEmpty());
    EXPECT_TRUE(picker().isVisible());
}

// A few swatches, and how each looks and where it sits.
struct SwatchLook {
    const char* name;
    int number;
    const char* toolTip;
    QColor fill;
    int left;
    int top;
};

const SwatchLook kSwatchLooks[] = {
    {"Black", 1, "Black", QColor(0, 0, 0), 240, 120},
    {"DarkBlue", 2, "Dark Blue", QColor(0, 0, 128), 1320, 480},
    {"DarkPink", 6, "Dark Pink", QColor(192, 0, 192), 240, 1560},
    {"Blue", 12, "Dark Blue", QColor(0, 0, 255), 1320, 1200},
    {"Grey", 15, "White-Black Mix", QColor(192, 192, 192), 1320, 1560},
};

class SwatchTest : public frmcolorTest, public testing::WithParamInterface<SwatchLook> {};

TEST_P(SwatchTest, ShowsItsColourNameAndPlace) {
    const SwatchLook& look = GetParam();
    PickerLabel* swatch = picker().lblcin[look.number];
    EXPECT_EQ(swatch->toolTip(), look.toolTip);
    EXPECT_EQ(swatch->palette().color(QPalette::Window), look.fill);
    EXPECT_EQ(swatch->grab().toImage().pixelColor(swatch->width() / 2, swatch->height() / 2), look.fill);
    const TwipsRect at = pixelsToTwips(swatch->geometry());
    EXPECT_EQ(at.left, look.left);
    EXPECT_EQ(at.top, look.top);
    EXPECT_EQ(at.width, 255);
    EXPECT_EQ(at.height, 255);
}

INSTANTIATE_TEST_SUITE_P(, SwatchTest, testing::ValuesIn(kSwatchLooks), RowName());

TEST_F(frmcolorTest, EverySwatchHasAColourOfItsOwn) {
    QSet<QRgb> fills;
    for (int number = 1; number <= frmcolor::kSwatchCount; ++number)
        fills.insert(picker().lblcin[number]->palette().color(QPalette::Window).rgb());
    EXPECT_EQ(fills.size(), frmcolor::kSwatchCount);
}

} // namespace
