#include "support/Pictures.h"

#include "fixtures/NamedRows.h"
#include "fixtures/PaneReading.h"
#include "platform/Metafile.h"
#include "platform/RichTextBox.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextImageFormat>
#include <gtest/gtest.h>

namespace {

QImage picture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 12, y * 20, 200));
    return image;
}

// Pictures of two sizes, and the size words of their fragments.
struct PictureSize {
    const char* name;
    QSize size;
    const char* sizes;
};

const PictureSize kPictureSizes[] = {
    {"Square", QSize(16, 16), "\\picw423\\pich423\\picwgoal240\\pichgoal240"},
    {"Wide", QSize(20, 10), "\\picw529\\pich265\\picwgoal300\\pichgoal150"},
};

class PictureSizeTest : public testing::TestWithParam<PictureSize> {};

TEST_P(PictureSizeTest, PictureToRTFWritesTheMetafileFragment) {
    const QImage image = picture(GetParam().size.width(), GetParam().size.height());
    const QString head =
        QString("{\\rtf1\\ansi{\\pict\\picscalex100\\picscaley100") + GetParam().sizes + "\\wmetafile8 ";
    const QString rtf = PictureToRTF(image);
    ASSERT_TRUE(rtf.startsWith(head)) << rtf.left(120).toStdString();
    ASSERT_TRUE(rtf.endsWith("}}"));
    const QString hex = rtf.mid(head.size(), rtf.size() - head.size() - 2);
    EXPECT_TRUE(QRegularExpression("^([0-9A-F]{2})+$").match(hex).hasMatch());
    EXPECT_EQ(QByteArray::fromHex(hex.toLatin1()), writeBitmapMetafile(image));
}

TEST(PicturesTest, PictureToRTFFollowsChangesToTheImage) {
    QImage image = picture(4, 4);
    const QString first = PictureToRTF(image);
    EXPECT_EQ(PictureToRTF(image), first);
    image.setPixel(0, 0, qRgb(1, 2, 3));
    EXPECT_NE(PictureToRTF(image), first) << "a changed picture is not served from the memo";
    EXPECT_EQ(readBitmapMetafile(writeBitmapMetafile(image)).pixel(0, 0), qRgb(1, 2, 3));
}

TEST_P(PictureSizeTest, InsertPictureShowsThePictureAtItsSizeAtTheSelection) {
    const QSize size = GetParam().size;
    RichTextBox box;
    box.setSelText("<>");
    box.setSelStart(1);
    const QImage image = picture(size.width(), size.height());
    InsertPicture(image, box);

    EXPECT_EQ(box.Text(), QString("<") + QChar(QChar::ObjectReplacementCharacter) + ">");
    EXPECT_EQ(box.SelStart(), 2);
    const QTextImageFormat format = formatAt(box, 1).toImageFormat();
    ASSERT_TRUE(format.isValid());
    EXPECT_EQ(QSizeF(format.width(), format.height()), QSizeF(size));
    const QVariant shown = box.document()->resource(QTextDocument::ImageResource, QUrl(format.name()));
    EXPECT_EQ(shown.value<QImage>().convertToFormat(QImage::Format_RGB32), image);
}

INSTANTIATE_TEST_SUITE_P(, PictureSizeTest, testing::ValuesIn(kPictureSizes), RowName());

// The kinds of temporary file, and how many random characters their names take.
struct TempFileKind {
    const char* name;
    QString extension;
    int randomCharacters;
};

const TempFileKind kTempFileKinds[] = {{"Wmf", "WMF", 7}, {"Txt", "TXT", 7}, {"Html", "HTML", 6}};

class TempFileNameTest : public testing::TestWithParam<TempFileKind> {};

TEST_P(TempFileNameTest, IsTwelveCharactersInTheTempFolder) {
    const TempFileKind& c = GetParam();
    const QRegularExpression shape(QString("^T[123567890qwertyuiopasdfghjklzxcvbnm]{%1}\\.%2$")
                                       .arg(c.randomCharacters)
                                       .arg(c.extension));
    QSet<QString> seen;
    for (int k = 0; k < 300; ++k) {
        const QString path = MakeTempFileName(c.extension);
        const QFileInfo info(path);
        EXPECT_EQ(info.absolutePath(), QDir(QDir::tempPath()).absolutePath());
        EXPECT_EQ(info.fileName().size(), 12);
        EXPECT_TRUE(shape.match(info.fileName()).hasMatch()) << info.fileName().toStdString();
        seen.insert(info.fileName());
    }
    EXPECT_GT(seen.size(), 290) << "names are random";
}

INSTANTIATE_TEST_SUITE_P(, TempFileNameTest, testing::ValuesIn(kTempFileKinds), RowName());

} // namespace
