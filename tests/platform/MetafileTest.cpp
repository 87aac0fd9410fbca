#include "platform/Metafile.h"

#include "fixtures/NamedRows.h"

#include <QColor>
#include <QRandomGenerator>
#include <QtEndian>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Every pixel different, so a swapped channel, row or column shows.
QImage pattern(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x * 7 + y * 13) % 256));
    return image;
}

quint16 word(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}
quint32 dword(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}
void putWord(QByteArray& bytes, qsizetype at, quint16 value) {
    qToLittleEndian(value, bytes.data() + at);
}
void putDword(QByteArray& bytes, qsizetype at, quint32 value) {
    qToLittleEndian(value, bytes.data() + at);
}

struct Record {
    qsizetype offset;
    quint32 words;
    quint16 function;
};

std::vector<Record> records(const QByteArray& metafile) {
    std::vector<Record> found;
    for (qsizetype at = 18; at + 6 <= metafile.size();) {
        found.push_back({at, dword(metafile, at), word(metafile, at + 4)});
        if (found.back().words < 3)
            break;
        at += 2 * qsizetype(found.back().words);
    }
    return found;
}

constexpr qsizetype kDibBitBltBitmapOffset = 22; // from the record's start
constexpr qsizetype kStretchDibBitmapOffset = 28;

qsizetype dibOffset(const QByteArray& metafile) {
    return records(metafile).at(4).offset + kDibBitBltBitmapOffset;
}

// A metafile whose only drawing is a STRETCHDIB of a hand-made DIB.
QByteArray stretchDibMetafile(const QByteArray& dib, quint16 colourUsage = 0) {
    QByteArray record(kStretchDibBitmapOffset, '\0');
    putDword(record, 0, quint32((record.size() + dib.size()) / 2));
    putWord(record, 4, 0x0F43);
    putDword(record, 6, 0x00CC0020);
    putWord(record, 10, colourUsage);
    record += dib;
    QByteArray eof(6, '\0');
    putDword(eof, 0, 3);
    QByteArray header(18, '\0');
    putWord(header, 0, 1);
    putWord(header, 2, 9);
    putWord(header, 4, 0x0300);
    putDword(header, 6, quint32((header.size() + record.size() + eof.size()) / 2));
    putDword(header, 12, quint32(record.size() / 2));
    return header + record + eof;
}

QByteArray dibHeader(qint32 width, qint32 height, quint16 bits, quint32 coloursUsed) {
    QByteArray header(40, '\0');
    putDword(header, 0, 40);
    putDword(header, 4, quint32(width));
    putDword(header, 8, quint32(height));
    putWord(header, 12, 1);
    putWord(header, 14, bits);
    putDword(header, 32, coloursUsed);
    return header;
}

QByteArray palette(std::initializer_list<QRgb> colours) {
    QByteArray bytes;
    for (const QRgb c : colours) // blue, green, red, reserved
        bytes.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append('\0');
    return bytes;
}

// Picture sizes: widths 1, 3 and 5 leave padding at each DIB row's end; 20x10 is
// not square.
struct PictureSize {
    const char* name;
    QSize size;
};

const PictureSize kPictureSizes[] = {
    {"Square", QSize(16, 16)},  {"Wide", QSize(20, 10)},   {"OnePixel", QSize(1, 1)},
    {"ThreeWide", QSize(3, 5)}, {"FiveWide", QSize(5, 2)},
};

class MetafileRoundTripTest : public testing::TestWithParam<PictureSize> {};

TEST_P(MetafileRoundTripTest, ReadingAWrittenMetafileGivesBackItsPixels) {
    const QSize size = GetParam().size;
    const QImage picture = pattern(size.width(), size.height());
    const QImage read = readBitmapMetafile(writeBitmapMetafile(picture));
    EXPECT_EQ(read.size(), size);
    EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), picture) << size.width() << "x" << size.height();
}

INSTANTIATE_TEST_SUITE_P(, MetafileRoundTripTest, testing::ValuesIn(kPictureSizes), RowName());

TEST(MetafileTest, WritesTheRecordsOfABitmapDrawnIntoADiskMetafile) {
    const QByteArray metafile = writeBitmapMetafile(pattern(20, 10));
    ASSERT_GE(metafile.size(), 18);
    EXPECT_EQ(word(metafile, 0), 1);      // type
    EXPECT_EQ(word(metafile, 2), 9);      // header words
    EXPECT_EQ(word(metafile, 4), 0x0300); // version
    EXPECT_EQ(dword(metafile, 6) * 2, quint32(metafile.size()));
    EXPECT_EQ(word(metafile, 10), 0); // objects

    const std::vector<Record> list = records(metafile);
    std::vector<quint16> functions;
    quint32 largest = 0;
    for (const Record& r : list) {
        functions.push_back(r.function);
        largest = std::max(largest, r.words);
    }
    EXPECT_EQ(functions, (std::vector<quint16>{0x0103, 0x020B, 0x020C, 0x001E, 0x0940, 0x0127, 0x0000}));
    EXPECT_EQ(dword(metafile, 12), largest);
    ASSERT_EQ(list.size(), 7u);
    EXPECT_EQ(list.back().offset + 6, metafile.size());

    EXPECT_EQ(word(metafile, list[0].offset + 6), 8); // MM_ANISOTROPIC
    const qsizetype extent = list[2].offset + 6;
    EXPECT_EQ(word(metafile, extent), 10); // y first
    EXPECT_EQ(word(metafile, extent + 2), 20);
    EXPECT_EQ(qint16(word(metafile, list[5].offset + 6)), -1);

    const qsizetype blt = list[4].offset;
    EXPECT_EQ(dword(metafile, blt + 6), 0x00CC0020u);
    EXPECT_EQ(word(metafile, blt + 14), 10); // height, width
    EXPECT_EQ(word(metafile, blt + 16), 20);
    const qsizetype dib = dibOffset(metafile);
    EXPECT_EQ(dword(metafile, dib), 40u);
    EXPECT_EQ(qint32(dword(metafile, dib + 8)), 10); // positive: bottom-up
    EXPECT_EQ(word(metafile, dib + 14), 24);
    EXPECT_EQ(dword(metafile, dib + 16), 0u); // BI_RGB
    const qsizetype rowBytes = 60;            // 20 * 3, already a multiple of 4
    EXPECT_EQ(list[4].words * 2, quint32(kDibBitBltBitmapOffset + 40 + rowBytes * 10));
}

TEST(MetafileTest, StoresRowsBottomUpAsBlueGreenRed) {
    QImage picture(1, 2, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(10, 20, 30));
    picture.setPixel(0, 1, qRgb(40, 50, 60));
    const QByteArray metafile = writeBitmapMetafile(picture);
    const qsizetype pixels = dibOffset(metafile) + 40;
    EXPECT_EQ(metafile.mid(pixels, 8), QByteArray("\x3C\x32\x28\0\x1E\x14\x0A\0", 8));
}

TEST(MetafileTest, TransparentPixelsBecomeWhite) {
    QImage picture(2, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgba(0, 0, 0, 0));
    picture.setPixel(1, 0, qRgba(255, 0, 0, 255));
    const QImage read = readBitmapMetafile(writeBitmapMetafile(picture));
    EXPECT_EQ(read.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(read.pixel(1, 0), qRgb(255, 0, 0));
}

TEST(MetafileTest, ReadsAMetafileBehindAPlaceableHeader) {
    const QImage picture = pattern(3, 2);
    QByteArray placeable(22, '\0');
    putDword(placeable, 0, 0x9AC6CDD7);
    EXPECT_EQ(readBitmapMetafile(placeable + writeBitmapMetafile(picture)), picture);
}

TEST(MetafileTest, WritesNothingForPicturesItCannotCarry) {
    EXPECT_TRUE(writeBitmapMetafile(QImage()).isEmpty());
    EXPECT_TRUE(writeBitmapMetafile(QImage(kMetafileMaxPictureSide + 1, 1, QImage::Format_RGB32)).isEmpty());
}

const QRgb kRed = qRgb(255, 0, 0), kBlue = qRgb(0, 0, 255), kGreen = qRgb(0, 255, 0);

// Hand-made bitmaps of the depths other than the written one, and their pixels.
struct Bitmap {
    const char* name;
    QByteArray dib;
    std::vector<QRgb> expected; // row by row, top first
    int width;
};

const Bitmap kBitmaps[] = {
    // 1 bit, 3 wide, 2 rows bottom-up: rows padded to 4 bytes; top row 101, bottom 010.
    {"OneBit",
     dibHeader(3, 2, 1, 0) + palette({kRed, kBlue}) + QByteArray("\x40\0\0\0\xA0\0\0\0", 8),
     {kBlue, kRed, kBlue, kRed, kBlue, kRed},
     3},
    // 4 bits with two palette entries used; index 1 then 0 on one row.
    {"FourBit",
     dibHeader(2, 1, 4, 2) + palette({kRed, kGreen}) + QByteArray("\x10\0\0\0", 4),
     {kGreen, kRed},
     2},
    // 8 bits, top-down (negative height): the first stored row is the top one.
    {"EightBitTopDown",
     dibHeader(1, -2, 8, 3) + palette({kRed, kGreen, kBlue}) + QByteArray("\x02\0\0\0\x01\0\0\0", 8),
     {kBlue, kGreen},
     1},
    {"ThirtyTwoBit", dibHeader(1, 1, 32, 0) + QByteArray("\x30\x20\x10\xFF", 4), {qRgb(0x10, 0x20, 0x30)}, 1},
};

class MetafileBitmapTest : public testing::TestWithParam<Bitmap> {};

TEST_P(MetafileBitmapTest, ReadsPaletteTopDownAndThirtyTwoBitBitmaps) {
    const Bitmap& c = GetParam();
    const QImage read = readBitmapMetafile(stretchDibMetafile(c.dib));
    ASSERT_FALSE(read.isNull()) << c.name;
    std::vector<QRgb> pixels;
    for (int y = 0; y < read.height(); ++y)
        for (int x = 0; x < read.width(); ++x)
            pixels.push_back(read.pixel(x, y));
    EXPECT_EQ(read.width(), c.width) << c.name;
    EXPECT_EQ(pixels, c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(, MetafileBitmapTest, testing::ValuesIn(kBitmaps), RowName());

// Where the damage goes in a valid metafile of 4 by 4 pixels: its bitmap
// record, and the bitmap in it.
struct Places {
    qsizetype blt, dib;
};

// Damage done to a valid metafile.
struct Damage {
    const char* name;
    void (*damage)(QByteArray& metafile, const Places& at);
};

const Damage kDamages[] = {
    {"Empty", [](QByteArray& m, const Places&) { m.clear(); }},
    {"HeaderOnly", [](QByteArray& m, const Places&) { m.truncate(18); }},
    {"LastByteMissing", [](QByteArray& m, const Places&) { m.chop(1); }},
    {"FileSizeBeyondTheBytes", [](QByteArray& m, const Places&) { putDword(m, 6, dword(m, 6) + 1); }},
    {"NotAMetafileType", [](QByteArray& m, const Places&) { putWord(m, 0, 7); }},
    {"WrongHeaderSize", [](QByteArray& m, const Places&) { putWord(m, 2, 12); }},
    {"RecordSizeZero", [](QByteArray& m, const Places&) { putDword(m, 18, 0); }},
    {"RecordSizeHuge", [](QByteArray& m, const Places& at) { putDword(m, at.blt, 0xFFFFFFFF); }},
    {"WidthHuge", [](QByteArray& m, const Places& at) { putDword(m, at.dib + 4, 100000); }},
    {"WidthNegative", [](QByteArray& m, const Places& at) { putDword(m, at.dib + 4, quint32(-4)); }},
    {"HeightMostNegative", [](QByteArray& m, const Places& at) { putDword(m, at.dib + 8, 0x80000000); }},
    {"HeightBeyondTheRecord", [](QByteArray& m, const Places& at) { putDword(m, at.dib + 8, 400); }},
    {"SixteenBitsPerPixel", [](QByteArray& m, const Places& at) { putWord(m, at.dib + 14, 16); }},
    {"Compressed", [](QByteArray& m, const Places& at) { putDword(m, at.dib + 16, 1); }},
    {"PaletteBeyondTheRecord", [](QByteArray& m, const Places& at) { putDword(m, at.dib + 32, 0x40000000); }},
    {"BitmapHeaderSizeHuge", [](QByteArray& m, const Places& at) { putDword(m, at.dib, 0x7FFFFFFF); }},
    {"EndBeforeAnyBitmap", [](QByteArray& m, const Places&) { putWord(m, 22, 0); }},
};

class MalformedMetafileTest : public testing::TestWithParam<Damage> {};

TEST_P(MalformedMetafileTest, GivesANullImage) {
    const QByteArray valid = writeBitmapMetafile(pattern(4, 4));
    QByteArray metafile = valid;
    GetParam().damage(metafile, Places{records(valid).at(4).offset, dibOffset(valid)});
    EXPECT_TRUE(readBitmapMetafile(metafile).isNull()) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(, MalformedMetafileTest, testing::ValuesIn(kDamages), RowName());

TEST(MetafileTest, PalettesItCannotShowGiveANullImage) {
    // Palette indices into the device's palette: no colours to show them with.
    EXPECT_TRUE(
        readBitmapMetafile(stretchDibMetafile(dibHeader(1, 1, 8, 1) + palette({0}) + QByteArray(4, 0), 1))
            .isNull());
    EXPECT_TRUE(
        readBitmapMetafile(stretchDibMetafile(dibHeader(1, 1, 1, 3) + palette({0, 0, 0}) + QByteArray(4, 0)))
            .isNull())
        << "more palette entries than a 1-bit pixel can index";
}

TEST(MetafileTest, EveryTruncationOfAMetafileGivesANullImage) {
    const QByteArray valid = writeBitmapMetafile(pattern(5, 3));
    for (qsizetype length = 0; length < valid.size(); ++length)
        EXPECT_TRUE(readBitmapMetafile(valid.left(length)).isNull()) << length;
}

TEST(MetafileTest, SurvivesRandomlyCorruptedMetafiles) {
    const QByteArray valid = writeBitmapMetafile(pattern(6, 4));
    QRandomGenerator random(20240611);
    for (int round = 0; round < 3000; ++round) {
        QByteArray metafile = valid;
        for (int k = 0, flips = 1 + int(random.bounded(4)); k < flips; ++k)
            metafile[random.bounded(int(metafile.size()))] = char(random.bounded(256));
        const QImage read = readBitmapMetafile(metafile);
        EXPECT_LE(read.width(), kMetafileMaxPictureSide);
        EXPECT_LE(read.height(), kMetafileMaxPictureSide);
    }
}

} // namespace
