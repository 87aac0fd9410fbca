#pragma once

#include <QtGlobal>

// The records and headers of the metafiles our panes exchange, shared by the
// writer and the reader.
namespace MetafileRecords {

// Record functions; the high byte of each is its parameter count in words.
inline constexpr quint16 MetaEof = 0x0000;
inline constexpr quint16 MetaSaveDc = 0x001E;
inline constexpr quint16 MetaSetMapMode = 0x0103;
inline constexpr quint16 MetaRestoreDc = 0x0127;
inline constexpr quint16 MetaSetWindowOrg = 0x020B;
inline constexpr quint16 MetaSetWindowExt = 0x020C;
inline constexpr quint16 MetaDibBitBlt = 0x0940;
inline constexpr quint16 MetaDibStretchBlt = 0x0B41;
inline constexpr quint16 MetaStretchDib = 0x0F43;

inline constexpr quint16 MemoryMetafile = 1; // what disk metafiles carry in practice too
inline constexpr quint16 DiskMetafile = 2;
inline constexpr quint16 HeaderWords = 9;
inline constexpr qsizetype HeaderBytes = 2 * HeaderWords;
inline constexpr quint16 Version300 = 0x0300;
inline constexpr quint16 Version100 = 0x0100;
inline constexpr quint32 PlaceableKey = 0x9AC6CDD7;
inline constexpr qsizetype PlaceableHeaderBytes = 22;
inline constexpr qsizetype RecordHeaderBytes = 6; // size (dword) + function (word)
inline constexpr quint32 MinRecordWords = 3;
// Where each bitmap record's DIB starts, counted from the record's start.
inline constexpr qsizetype DibBitBltBitmapAt = 22; // raster op, source y/x, height, width, destination y/x
inline constexpr qsizetype DibStretchBltBitmapAt = 26; // raster op, source h/w/y/x, destination h/w/y/x
inline constexpr qsizetype StretchDibColourUsageAt = 10;
inline constexpr qsizetype StretchDibBitmapAt =
    28; // raster op, colour usage, source h/w/y/x, destination h/w/y/x

inline constexpr quint16 MapModeAnisotropic = 8;
inline constexpr quint32 RasterSrcCopy = 0x00CC0020;
inline constexpr quint16 RestoreLastSaved = 0xFFFF; // -1

inline constexpr quint32 BitmapInfoHeaderBytes = 40;
inline constexpr quint32 BiRgb = 0;
inline constexpr quint16 DibRgbColours = 0;
inline constexpr quint16 WrittenBitCount = 24;

inline qsizetype dibRowBytes(qint64 width, int bitCount) {
    return ((width * bitCount + 31) / 32) * 4;
}

} // namespace MetafileRecords
