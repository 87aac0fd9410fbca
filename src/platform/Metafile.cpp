#include "platform/Metafile.h"

#include <QPainter>
#include <initializer_list>

namespace {

// Record functions; the high byte of each is its parameter count in words.
constexpr quint16 MetaEof = 0x0000;
constexpr quint16 MetaSaveDc = 0x001E;
constexpr quint16 MetaSetMapMode = 0x0103;
constexpr quint16 MetaRestoreDc = 0x0127;
constexpr quint16 MetaSetWindowOrg = 0x020B;
constexpr quint16 MetaSetWindowExt = 0x020C;
constexpr quint16 MetaDibBitBlt = 0x0940;
constexpr quint16 MetaDibStretchBlt = 0x0B41;
constexpr quint16 MetaStretchDib = 0x0F43;

constexpr quint16 MemoryMetafile = 1; // what disk metafiles carry in practice too
constexpr quint16 DiskMetafile = 2;
constexpr quint16 HeaderWords = 9;
constexpr qsizetype HeaderBytes = 2 * HeaderWords;
constexpr quint16 Version300 = 0x0300;
constexpr quint16 Version100 = 0x0100;
constexpr quint32 PlaceableKey = 0x9AC6CDD7;
constexpr qsizetype PlaceableHeaderBytes = 22;
constexpr qsizetype RecordHeaderBytes = 6; // size (dword) + function (word)
constexpr quint32 MinRecordWords = 3;
// Where each bitmap record's DIB starts, counted from the record's start.
constexpr qsizetype DibBitBltBitmapAt = 22;     // raster op, source y/x, height, width, destination y/x
constexpr qsizetype DibStretchBltBitmapAt = 26; // raster op, source h/w/y/x, destination h/w/y/x
constexpr qsizetype StretchDibColourUsageAt = 10;
constexpr qsizetype StretchDibBitmapAt = 28; // raster op, colour usage, source h/w/y/x, destination h/w/y/x

constexpr quint16 MapModeAnisotropic = 8;
constexpr quint32 RasterSrcCopy = 0x00CC0020;
constexpr quint16 RestoreLastSaved = 0xFFFF; // -1

constexpr quint32 BitmapInfoHeaderBytes = 40;
constexpr quint32 BiRgb = 0;
constexpr quint16 DibRgbColours = 0;
constexpr quint16 WrittenBitCount = 24;

qsizetype dibRowBytes(qint64 width, int bitCount) {
    return ((width * bitCount + 31) / 32) * 4;
}

// ---- writing ----------------------------------------------------------------

class LittleEndianWriter {
public:
    void u16(quint16 value) {
        m_bytes.append(char(value & 0xFF));
        m_bytes.append(char(value >> 8));
    }
    void u32(quint32 value) {
        u16(quint16(value & 0xFFFF));
        u16(quint16(value >> 16));
    }
    void append(const QByteArray& bytes) { m_bytes += bytes; }
    const QByteArray& bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// One record; `data` must be a whole number of words.
QByteArray record(quint16 function, std::initializer_list<quint16> parameters, const QByteArray& data = {}) {
    LittleEndianWriter out;
    out.u32(quint32(MinRecordWords + parameters.size() + data.size() / 2));
    out.u16(function);
    for (const quint16 word : parameters)
        out.u16(word);
    out.append(data);
    return out.bytes();
}

// Bottom-up 24-bit BGR rows, as a DIB stores them.
QByteArray dibPixels(const QImage& rgb) {
    const qsizetype rowBytes = dibRowBytes(rgb.width(), WrittenBitCount);
    QByteArray pixels(rowBytes * rgb.height(), '\0');
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(rgb.constScanLine(rgb.height() - 1 - y));
        char* row = pixels.data() + y * rowBytes;
        for (int x = 0; x < rgb.width(); ++x) {
            row[3 * x] = char(qBlue(source[x]));
            row[3 * x + 1] = char(qGreen(source[x]));
            row[3 * x + 2] = char(qRed(source[x]));
        }
    }
    return pixels;
}

QByteArray deviceIndependentBitmap(const QImage& rgb) {
    const QByteArray pixels = dibPixels(rgb);
    LittleEndianWriter out;
    out.u32(BitmapInfoHeaderBytes);
    out.u32(quint32(rgb.width()));
    out.u32(quint32(rgb.height())); // positive: bottom-up
    out.u16(1);                     // planes
    out.u16(WrittenBitCount);
    out.u32(BiRgb);
    out.u32(quint32(pixels.size()));
    out.u32(0); // pixels per metre, x and y: unspecified
    out.u32(0);
    out.u32(0); // colours used, important: no palette
    out.u32(0);
    out.append(pixels);
    return out.bytes();
}

QImage onWhite(const QImage& picture) {
    QImage rgb(picture.size(), QImage::Format_RGB32);
    rgb.fill(Qt::white);
    QPainter painter(&rgb);
    painter.drawImage(0, 0, picture);
    return rgb;
}

QByteArray metafileHeader(quint32 fileWords, quint32 maxRecordWords) {
    LittleEndianWriter out;
    out.u16(MemoryMetafile);
    out.u16(HeaderWords);
    out.u16(Version300);
    out.u32(fileWords);
    out.u16(0); // objects
    out.u32(maxRecordWords);
    out.u16(0); // unused
    return out.bytes();
}

// ---- reading ----------------------------------------------------------------

// A bounds-checked little-endian view; callers check contains() before reading.
struct ByteView {
    const uchar* data = nullptr;
    qsizetype size = 0;

    bool contains(qsizetype offset, qsizetype count) const {
        return offset >= 0 && count >= 0 && offset <= size && count <= size - offset;
    }
    ByteView slice(qsizetype offset, qsizetype count) const {
        return contains(offset, count) ? ByteView{data + offset, count} : ByteView{};
    }
    ByteView from(qsizetype offset) const { return slice(offset, size - offset); }
    quint16 u16(qsizetype at) const { return quint16(data[at] | data[at + 1] << 8); }
    quint32 u32(qsizetype at) const { return u16(at) | quint32(u16(at + 2)) << 16; }
    qint32 i32(qsizetype at) const { return qint32(u32(at)); }
};

struct DibHeader {
    int width = 0;
    int height = 0; // rows, always positive
    bool topDown = false;
    int bitCount = 0;
    qsizetype paletteEntries = 0;
    qsizetype paletteOffset = 0;
    qsizetype pixelsOffset = 0;
};

bool isSupportedBitCount(int bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
}

bool readDibHeader(ByteView dib, quint16 colourUsage, DibHeader& header) {
    if (!dib.contains(0, BitmapInfoHeaderBytes))
        return false;
    const quint32 headerBytes = dib.u32(0);
    const qint32 width = dib.i32(4);
    const qint32 height = dib.i32(8);
    header.bitCount = dib.u16(14);
    const quint32 coloursUsed = dib.u32(32);
    if (headerBytes < BitmapInfoHeaderBytes || dib.u32(16) != BiRgb || !isSupportedBitCount(header.bitCount))
        return false;
    if (width < 1 || width > MetafileMaxPictureSide || height == 0 || height < -MetafileMaxPictureSide ||
        height > MetafileMaxPictureSide)
        return false;
    header.width = width;
    header.height = height < 0 ? -height : height;
    header.topDown = height < 0;
    const bool indexed = header.bitCount <= 8;
    if (indexed && colourUsage != DibRgbColours)
        return false; // palette indices into a device palette we do not have
    const qsizetype maxEntries = qsizetype(1) << header.bitCount;
    header.paletteEntries = coloursUsed != 0 ? qsizetype(coloursUsed) : (indexed ? maxEntries : 0);
    if (indexed && header.paletteEntries > maxEntries)
        return false;
    header.paletteOffset = headerBytes;
    header.pixelsOffset = header.paletteOffset + 4 * header.paletteEntries;
    return dib.contains(header.paletteOffset, 4 * header.paletteEntries) &&
           dib.contains(header.pixelsOffset, dibRowBytes(header.width, header.bitCount) * header.height);
}

QRgb paletteColour(ByteView dib, const DibHeader& header, int index) {
    if (index >= header.paletteEntries)
        return qRgb(0, 0, 0);
    const qsizetype at = header.paletteOffset + 4 * index; // blue, green, red, reserved
    return qRgb(dib.data[at + 2], dib.data[at + 1], dib.data[at]);
}

QRgb pixelAt(ByteView dib, const DibHeader& header, const uchar* row, int x) {
    switch (header.bitCount) {
    case 32:
        return qRgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
    case 24:
        return qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    case 8:
        return paletteColour(dib, header, row[x]);
    case 4:
        return paletteColour(dib, header, (row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0x0F);
    default:
        return paletteColour(dib, header, (row[x / 8] >> (7 - x % 8)) & 0x01);
    }
}

QImage readDib(ByteView dib, quint16 colourUsage) {
    DibHeader header;
    if (!readDibHeader(dib, colourUsage, header))
        return {};
    QImage image(header.width, header.height, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const qsizetype rowBytes = dibRowBytes(header.width, header.bitCount);
    for (int y = 0; y < header.height; ++y) {
        const int sourceRow = header.topDown ? y : header.height - 1 - y;
        const uchar* row = dib.data + header.pixelsOffset + sourceRow * rowBytes;
        auto* target = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < header.width; ++x)
            target[x] = pixelAt(dib, header, row, x);
    }
    return image;
}

bool isBitmapRecord(quint16 function) {
    return function == MetaDibBitBlt || function == MetaDibStretchBlt || function == MetaStretchDib;
}

// DIBBITBLT and DIBSTRETCHBLT also come without a bitmap (blitting the device
// onto itself); they are then exactly their parameter words long.
bool carriesBitmap(ByteView record, quint16 function) {
    return function == MetaStretchDib || record.size != 2 * ((function >> 8) + MinRecordWords);
}

QImage readBitmapRecord(ByteView record, quint16 function) {
    if (function == MetaDibBitBlt)
        return readDib(record.from(DibBitBltBitmapAt), DibRgbColours);
    if (function == MetaDibStretchBlt)
        return readDib(record.from(DibStretchBltBitmapAt), DibRgbColours);
    if (!record.contains(StretchDibColourUsageAt, 2))
        return {};
    return readDib(record.from(StretchDibBitmapAt), record.u16(StretchDibColourUsageAt));
}

// The metafile itself, after any placeable header; empty when the header is not
// a metafile's or the file is shorter than its header says.
ByteView metafileBody(ByteView file) {
    const qsizetype start = file.contains(0, 4) && file.u32(0) == PlaceableKey ? PlaceableHeaderBytes : 0;
    if (!file.contains(start, HeaderBytes))
        return {};
    const quint16 type = file.u16(start);
    const quint16 version = file.u16(start + 4);
    const qsizetype fileBytes = 2 * qsizetype(file.u32(start + 6));
    if ((type != MemoryMetafile && type != DiskMetafile) || file.u16(start + 2) != HeaderWords ||
        (version != Version300 && version != Version100) || !file.contains(start, fileBytes))
        return {};
    return file.slice(start, fileBytes);
}

} // namespace

QByteArray WriteBitmapMetafile(const QImage& picture) {
    if (picture.isNull() || picture.width() > MetafileMaxPictureSide ||
        picture.height() > MetafileMaxPictureSide)
        return {};
    const auto width = quint16(picture.width());
    const auto height = quint16(picture.height());
    const QByteArray bitmap =
        record(MetaDibBitBlt,
               {quint16(RasterSrcCopy & 0xFFFF), quint16(RasterSrcCopy >> 16), 0, 0, height, width, 0, 0},
               deviceIndependentBitmap(onWhite(picture)));
    const QByteArray records = record(MetaSetMapMode, {MapModeAnisotropic}) +
                               record(MetaSetWindowOrg, {0, 0}) + record(MetaSetWindowExt, {height, width}) +
                               record(MetaSaveDc, {}) + bitmap + record(MetaRestoreDc, {RestoreLastSaved}) +
                               record(MetaEof, {});
    const auto fileWords = quint32((HeaderBytes + records.size()) / 2);
    return metafileHeader(fileWords, quint32(bitmap.size() / 2)) + records;
}

QImage ReadBitmapMetafile(const QByteArray& bytes) {
    const ByteView body = metafileBody({reinterpret_cast<const uchar*>(bytes.constData()), bytes.size()});
    for (qsizetype at = HeaderBytes; body.contains(at, RecordHeaderBytes);) {
        const qsizetype recordBytes = 2 * qsizetype(body.u32(at));
        const quint16 function = body.u16(at + 4);
        if (recordBytes < 2 * qsizetype(MinRecordWords) || !body.contains(at, recordBytes))
            return {};
        const ByteView record = body.slice(at, recordBytes);
        if (function == MetaEof)
            break;
        if (isBitmapRecord(function) && carriesBitmap(record, function))
            return readBitmapRecord(record, function);
        at += recordBytes;
    }
    return {};
}
