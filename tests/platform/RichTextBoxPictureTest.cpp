#include "RichTextBoxFixture.h"

#include "fixtures/NamedRows.h"
#include "platform/Metafile.h"

#include <QTextBlock>
#include <QTextImageFormat>

namespace {

using RichTextBoxPicture = ShownRichTextBox;

QImage solid(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QString hexOf(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex().toUpper());
}

QString pictureFragment(const QString& goal, const QString& hex) {
    return "{\\rtf1\\ansi{\\pict\\picscalex100\\picscaley100" + goal + "\\wmetafile8 " + hex + "}}";
}

QString smiley16() {
    return pictureFragment("\\picw423\\pich423\\picwgoal240\\pichgoal240",
                           hexOf(writeBitmapMetafile(solid(16, 16, Qt::yellow))));
}

struct Shown {
    int count = 0;
    QSizeF size;
    QString name;
};

// The pictures in the document: how many, and the size and resource of the last.
Shown picturesIn(const QTextDocument& document) {
    Shown shown;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            shown.count += it.fragment().length();
            shown.size = QSizeF(format.toImageFormat().width(), format.toImageFormat().height());
            shown.name = format.toImageFormat().name();
        }
    return shown;
}

TEST_F(RichTextBoxPicture, ShowsTheMetafilePictureAtItsGoalSizeInPlaceOfTheSelection) {
    box.setSelText("a--b");
    box.setSelStart(1);
    box.setSelLength(2);
    box.setSelRTF(smiley16());

    EXPECT_EQ(box.Text(), QString("a") + QChar(QChar::ObjectReplacementCharacter) + "b");
    EXPECT_EQ(box.textLength(), 3);
    EXPECT_EQ(box.SelStart(), 2);
    const QTextCharFormat format = formatAt(box, 1);
    ASSERT_TRUE(format.isImageFormat());
    EXPECT_EQ(format.toImageFormat().width(), 16);
    EXPECT_EQ(format.toImageFormat().height(), 16);
    const QImage resource = box.document()
                                ->resource(QTextDocument::ImageResource, QUrl(format.toImageFormat().name()))
                                .value<QImage>();
    EXPECT_EQ(resource.convertToFormat(QImage::Format_RGB32), solid(16, 16, Qt::yellow));
}

// The size words of a picture of 20 by 10 pixels, and the size it is shown in.
struct PictureSize {
    const char* name;
    const char* goal;
    QSizeF shown;
};

const PictureSize kPictureSizes[] = {
    {"ExtentAndGoal", "\\picw529\\pich265\\picwgoal300\\pichgoal150", {20, 10}},
    {"GoalScaled", "\\picwgoal600\\pichgoal300", {40, 20}}, // the goal may scale
    {"ExtentWithoutGoal", "\\picw1058\\pich529", {40, 20}}, // HIMETRIC extent when there is no goal
    {"Neither", "", {20, 10}},
    {"NegativeGoal", "\\picwgoal-300\\pichgoal-150", {20, 10}},
    {"HugeGoal", "\\picwgoal99999999999999999\\pichgoal150", {20, 10}},
    {"ZeroGoalAndOddExtent", "\\picwgoal0\\pichgoal0\\picw-5\\pich99999999", {20, 10}},
};

class PictureSizeTest : public RichTextBoxPicture, public testing::WithParamInterface<PictureSize> {};

TEST_P(PictureSizeTest, ComesFromTheGoalElseTheExtentElseThePicture) {
    const QString hex = hexOf(writeBitmapMetafile(solid(20, 10, Qt::red)));
    const PictureSize& c = GetParam();
    box.setSelRTF(pictureFragment(c.goal, hex));
    const Shown shown = picturesIn(*box.document());
    EXPECT_EQ(shown.count, 1) << c.goal;
    EXPECT_EQ(shown.size, c.shown) << c.goal;
}

INSTANTIATE_TEST_SUITE_P(, PictureSizeTest, testing::ValuesIn(kPictureSizes), RowName());

TEST_F(RichTextBoxPicture, TheSamePictureIsOneResourceHoweverOftenItIsShown) {
    const QString fragment = smiley16();
    for (int k = 0; k < 200; ++k) {
        box.setSelStart(box.textLength());
        box.setSelRTF(fragment);
    }
    box.setSelRTF(pictureFragment("", hexOf(writeBitmapMetafile(solid(4, 4, Qt::blue)))));
    EXPECT_EQ(box.textLength(), 201);

    QSet<QString> names;
    for (auto it = box.document()->begin().begin(); !it.atEnd(); ++it)
        names.insert(it.fragment().charFormat().toImageFormat().name());
    EXPECT_EQ(names.size(), 2);
}

TEST_F(RichTextBoxPicture, PicturesShowAgainAfterTheBoxIsEmptied) {
    box.setSelRTF(smiley16());
    box.setText("");
    box.document()->clear(); // also drops the document's resources
    box.setSelRTF(smiley16());
    const Shown shown = picturesIn(*box.document());
    ASSERT_EQ(shown.count, 1);
    EXPECT_FALSE(box.document()->resource(QTextDocument::ImageResource, QUrl(shown.name)).isNull());
}

TEST_F(RichTextBoxPicture, TextOfTheFragmentIsInsertedAndTablesSkipped) {
    box.setSelBold(true);
    box.setSelRTF("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
                  "{\\*\\generator x;}hello\\par w\\'e9rld \\{<b>\\}\\line end}");
    EXPECT_EQ(box.Text(), QString::fromUtf8("hello\nw\u00e9rld {<b>}\nend"));
    EXPECT_TRUE(formatAt(box, 0).font().bold()) << "in the pending format";
}

// Fragments that show no picture, made from the data of a valid one.
struct MalformedFragment {
    const char* name;
    QString (*fragment)(const QString& valid);
};

QString withGoal(const QString& hex) {
    return pictureFragment("\\picwgoal120\\pichgoal120", hex);
}

const MalformedFragment kMalformedFragments[] = {
    {"OddDigitCount", [](const QString& valid) { return withGoal(valid.left(valid.size() - 1)); }},
    {"TruncatedMetafile", [](const QString& valid) { return withGoal(valid.left(valid.size() - 40)); }},
    {"NotHex", [](const QString& valid) { return withGoal("ZZ" + valid); }},
    {"DataBrokenUp",
     [](const QString& valid) { return withGoal(valid.left(20) + "\\par " + valid.mid(20)); }},
    {"NoData", [](const QString&) { return withGoal(""); }},
    {"TooShort", [](const QString&) { return withGoal("0123456789ABCDEF"); }},
    {"NotAMetafile", [](const QString& valid) { return "{\\rtf1{\\pict\\pngblip " + valid + "}}"; }},
    {"NeverClosed", [](const QString& valid) { return "{\\rtf1{\\pict\\wmetafile8 " + valid; }},
    {"StartOfAPicture", [](const QString&) { return QString("{\\pict\\wmetafile8 0100090000"); }},
    {"StrayBraces", [](const QString&) { return QString("}}}{\\pict}{{{{"); }},
    {"LoneBackslash", [](const QString&) { return QString("\\"); }},
    {"HugeNumberAndCutEscape",
     [](const QString&) { return QString("{\\rtf1\\picwgoal-99999999999999999999999\\'"); }},
};

class MalformedFragmentTest : public RichTextBoxPicture,
                              public testing::WithParamInterface<MalformedFragment> {};

TEST_P(MalformedFragmentTest, InsertsNoPicture) {
    const QString fragment = GetParam().fragment(hexOf(writeBitmapMetafile(solid(8, 8, Qt::green))));
    box.setSelRTF(fragment);
    EXPECT_EQ(picturesIn(*box.document()).count, 0) << fragment.left(80).toStdString();
}

INSTANTIATE_TEST_SUITE_P(, MalformedFragmentTest, testing::ValuesIn(kMalformedFragments), RowName());

TEST_F(RichTextBoxPicture, HexMayBeWrappedOnLines) {
    QString hex = hexOf(writeBitmapMetafile(solid(2, 2, Qt::cyan)));
    for (qsizetype at = 64; at < hex.size(); at += 66)
        hex.insert(at, "\r\n");
    box.setSelRTF(pictureFragment("\\picwgoal30\\pichgoal30", hex));
    EXPECT_EQ(picturesIn(*box.document()).size, QSizeF(2, 2));
}

} // namespace
