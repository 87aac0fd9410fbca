#pragma once

#include <QtGlobal>

// The records and headers of the metafiles our panes exchange, shared by the
// writer and the reader.
namespace MetafileRecords {

// Record functions; the high byte of each is its parameter count in words.
inline constexpr quint16 kMetaEof = 0x0000;
inline constexpr quint16 kMetaSaveDc = 0x001E;
inline constexpr quint16 kMetaSetMapMode = 0x0103;
inline constexpr quint16 kMetaRestoreDc = 0x0127;
inline constexpr quint16 kMetaSetWindowOrg = 0x020B;
inline constexpr quint16 kMetaSetWindowExt = 0x020C;
inline constexpr quint16 kMetaDibBitBlt = 0x0940;
inline constexpr quint16 kMetaDibStretchBlt = 0x0B41;
inline constexpr quint16 kMetaStretchDib = 0x0F43;

inline constexpr quint16 kMemoryMetafile = 1; // what disk metafiles carry in practice too
inline constexpr quint16 kDiskMetafile = 2;
inline constexpr quint16 kHeaderWords = 9;
inline constexpr qsizetype kHeaderBytes = 2 * kHeaderWords;
inline constexpr quint16 kVersion300 = 0x0300;
inline constexpr quint16 kVersion100 = 0x0100;
inline constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
inline constexpr qsizetype kPlaceableHeaderBytes = 22;
inline constexpr qsizetype kRecordHeaderBytes = 6; // size (dword) + function (word)
inline constexpr quint32 kMinRecordWords = 3;
// Where each bitmap record's DIB starts, counted from the record's start.
inline constexpr qsizetype kDibBitBltBitmapAt = 22; // raster op, source y/x, height, width, destination y/x
inline constexpr qsizetype kDibStretchBltBitmapAt = 26; // raster op, source h/w/y/x, destination h/w/y/x
inline constexpr qsizetype kStretchDibColourUsageAt = 10;
inline constexpr qsizetype kStretchDibBitmapAt =
    28; // raster op, colour usage, source h/w/y/x, destination h/w/y/x

inline constexpr quint16 kMapModeAnisotropic = 8;
inline constexpr quint32 kRasterSrcCopy = 0x00CC0020;
inline constexpr quint16 kRestoreLastSaved = 0xFFFF; // -1

inline constexpr quint32 kBitmapInfoHeaderBytes = 40;
inline constexpr quint32 kBiRgb = 0;
inline constexpr quint16 kDibRgbColours = 0;
inline constexpr quint16 kWrittenBitCount = 24;

inline qsizetype dibRowBytes(qint64 width, int bitCount) {
    return ((width * bitCount + 31) / 32) * 4;
}

} // namespace MetafileRecords
