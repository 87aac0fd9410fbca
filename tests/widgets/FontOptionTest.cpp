// The font dialog: its lists at load, and what "Ok" does with the name and
// with every kind of size text.
#include "widgets/FontOption.h"
#include "fixtures/ClientFixture.h"
#include "fixtures/NamedRows.h"
#include "support/Globals.h"
#include "support/Settings.h"
#include "widgets/xpButton.h"

#include <QComboBox>
#include <QFile>
#include <QFontDatabase>
#include <QTest>

namespace {

class FontOptionTest : public ClientTest {
protected:
    void SetUp() override {
        ClientTest::SetUp();
        fonts = QFontDatabase::families();
        if (fonts.isEmpty())
            GTEST_SKIP() << "no screen fonts";
    }
    // Loads and shows the dialog, as the menus will.
    static FontOption& open() {
        FontOption& dialog = FontOption::form();
        dialog.show();
        return dialog;
    }
    static void clickOk(FontOption& dialog) { QTest::mouseClick(dialog.command1, Qt::LeftButton); }
    static QStringList items(const QComboBox& box) {
        QStringList texts;
        for (int k = 0; k < box.count(); ++k)
            texts << box.itemText(k);
        return texts;
    }
    QStringList fonts;
};

TEST_F(FontOptionTest, LoadFillsBothListsAndSelectsTheCurrentFont) {
    G().FontName = fonts.last();
    G().FontSize = 2;
    FontOption& dialog = open();

    QStringList sorted = fonts;
    std::sort(sorted.begin(), sorted.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    EXPECT_EQ(items(*dialog.cmbFontName), sorted);
    EXPECT_FALSE(dialog.cmbFontName->isEditable());
    EXPECT_EQ(dialog.cmbFontName->currentText(), fonts.last());

    QStringList sizes;
    for (int k = -1; k < fonts.size(); ++k)
        sizes << QString::number(k);
    EXPECT_EQ(items(*dialog.cmbFontSize), sizes);
    EXPECT_TRUE(dialog.cmbFontSize->isEditable());
    EXPECT_EQ(dialog.cmbFontSize->currentIndex(), 3); // "-1", "0", "1", "2"
    EXPECT_EQ(dialog.cmbFontSize->currentText(), "2");
}

TEST_F(FontOptionTest, FontNameInOtherLetterCaseStillSelectsTheScreenFont) {
    const auto cased =
        std::find_if(fonts.begin(), fonts.end(), [](const QString& name) { return name.toUpper() != name; });
    if (cased == fonts.end())
        GTEST_SKIP() << "no screen font has small letters";
    G().FontName = cased->toUpper();
    FontOption& dialog = open();
    EXPECT_EQ(dialog.cmbFontName->currentText(), *cased);
    clickOk(dialog);
    EXPECT_EQ(G().FontName, *cased); // the screen font's own spelling is taken
}

TEST_F(FontOptionTest, OkWithoutAFontDoesNothing) {
    G().FontName = "No Such Font Anywhere";
    G().FontSize = 9;
    FontOption& dialog = open();
    EXPECT_EQ(dialog.cmbFontName->currentIndex(), -1);
    dialog.cmbFontSize->setCurrentText("14");
    clickOk(dialog);
    EXPECT_EQ(FontOption::loaded(), &dialog);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(G().FontName, "No Such Font Anywhere");
    EXPECT_EQ(G().FontSize, 9);
}

TEST_F(FontOptionTest, OkTakesTheChoiceForTheRunOnlyAndUnloads) {
    G().FontName = fonts.first();
    FontOption& dialog = open();
    dialog.cmbFontName->setCurrentIndex(dialog.cmbFontName->count() - 1);
    const QString chosen = dialog.cmbFontName->currentText();
    dialog.cmbFontSize->setCurrentText("16");
    clickOk(dialog);
    EXPECT_EQ(G().FontName, chosen);
    EXPECT_EQ(G().FontSize, 16);
    EXPECT_EQ(FontOption::loaded(), nullptr);
    EXPECT_FALSE(QFile::exists(settingsFilePath()));
}

struct SizeCase {
    const char* name;
    const char* typed;
    qint16 size; // the size after "Ok"; the previous one is 9
};

class FontSizeTest : public FontOptionTest, public testing::WithParamInterface<SizeCase> {};

TEST_P(FontSizeTest, OkConvertsTheTypedSizeOrKeepsThePreviousOne) {
    G().FontName = fonts.first();
    G().FontSize = 9;
    FontOption& dialog = open();
    dialog.cmbFontSize->setCurrentText(QString::fromUtf8(GetParam().typed));
    clickOk(dialog);
    EXPECT_EQ(G().FontSize, GetParam().size);
    EXPECT_EQ(FontOption::loaded(), nullptr); // closes whatever the size
}

INSTANTIATE_TEST_SUITE_P(
    TypedSizes, FontSizeTest,
    testing::Values(SizeCase{"Whole", "12", 12}, SizeCase{"Blanks", " 14 ", 14},
                    SizeCase{"HalfDownToEven", "10.5", 10}, SizeCase{"HalfUpToEven", "11.5", 12},
                    SizeCase{"BelowHalf", "13.49", 13}, SizeCase{"AboveHalf", "13.51", 14},
                    SizeCase{"LargestSize", "32767", 32767}, SizeCase{"RoundsPastRange", "32767.5", 9},
                    SizeCase{"OutOfRange", "40000", 9}, SizeCase{"Negative", "-1", 9},
                    SizeCase{"Zero", "0", 9}, SizeCase{"HalfRoundsToZero", "0.5", 9},
                    SizeCase{"RoundsUpToOne", "0.6", 1}, SizeCase{"Letters", "abc", 9},
                    SizeCase{"NumberThenLetters", "12pt", 9}, SizeCase{"Empty", "", 9},
                    SizeCase{"NotANumber", "nan", 9}, SizeCase{"Infinite", "inf", 9}),
    RowName());

} // namespace
