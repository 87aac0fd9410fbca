// Reading: the first bitmap a metafile draws, with every read bounds-checked.
#include "platform/Metafile.h"

#include "platform/MetafileRecords.h"

using namespace MetafileRecords;

namespace {

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
    if (!dib.contains(0, kBitmapInfoHeaderBytes))
        return false;
    const quint32 headerBytes = dib.u32(0);
    const qint32 width = dib.i32(4);
    const qint32 height = dib.i32(8);
    header.bitCount = dib.u16(14);
    const quint32 coloursUsed = dib.u32(32);
    if (headerBytes < kBitmapInfoHeaderBytes || dib.u32(16) != kBiRgb ||
        !isSupportedBitCount(header.bitCount))
        return false;
    if (width < 1 || width > kMetafileMaxPictureSide || height == 0 || height < -kMetafileMaxPictureSide ||
        height > kMetafileMaxPictureSide)
        return false;
    header.width = width;
    header.height = height < 0 ? -height : height;
    header.topDown = height < 0;
    const bool indexed = header.bitCount <= 8;
    if (indexed && colourUsage != kDibRgbColours)
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
    return function == kMetaDibBitBlt || function == kMetaDibStretchBlt || function == kMetaStretchDib;
}

// DIBBITBLT and DIBSTRETCHBLT also come without a bitmap (blitting the device
// onto itself); they are then exactly their parameter words long.
bool carriesBitmap(ByteView record, quint16 function) {
    return function == kMetaStretchDib || record.size != 2 * ((function >> 8) + kMinRecordWords);
}

QImage readBitmapRecord(ByteView record, quint16 function) {
    if (function == kMetaDibBitBlt)
        return readDib(record.from(kDibBitBltBitmapAt), kDibRgbColours);
    if (function == kMetaDibStretchBlt)
        return readDib(record.from(kDibStretchBltBitmapAt), kDibRgbColours);
    if (!record.contains(kStretchDibColourUsageAt, 2))
        return {};
    return readDib(record.from(kStretchDibBitmapAt), record.u16(kStretchDibColourUsageAt));
}

// The metafile itself, after any placeable header; empty when the header is not
// a metafile's or the file is shorter than its header says.
ByteView metafileBody(ByteView file) {
    const qsizetype start = file.contains(0, 4) && file.u32(0) == kPlaceableKey ? kPlaceableHeaderBytes : 0;
    if (!file.contains(start, kHeaderBytes))
        return {};
    const quint16 type = file.u16(start);
    const quint16 version = file.u16(start + 4);
    const qsizetype fileBytes = 2 * qsizetype(file.u32(start + 6));
    if ((type != kMemoryMetafile && type != kDiskMetafile) || file.u16(start + 2) != kHeaderWords ||
        (version != kVersion300 && version != kVersion100) || !file.contains(start, fileBytes))
        return {};
    return file.slice(start, fileBytes);
}

} // namespace

QImage readBitmapMetafile(const QByteArray& bytes) {
    const ByteView body = metafileBody({reinterpret_cast<const uchar*>(bytes.constData()), bytes.size()});
    for (qsizetype at = kHeaderBytes; body.contains(at, kRecordHeaderBytes);) {
        const qsizetype recordBytes = 2 * qsizetype(body.u32(at));
        const quint16 function = body.u16(at + 4);
        if (recordBytes < 2 * qsizetype(kMinRecordWords) || !body.contains(at, recordBytes))
            return {};
        const ByteView record = body.slice(at, recordBytes);
        if (function == kMetaEof)
            break;
        if (isBitmapRecord(function) && carriesBitmap(record, function))
            return readBitmapRecord(record, function);
        at += recordBytes;
    }
    return {};
}
