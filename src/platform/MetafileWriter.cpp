// Writing: one bitmap as a standard metafile.
#include "platform/Metafile.h"

#include "platform/MetafileRecords.h"

#include <QPainter>
#include <initializer_list>

using namespace MetafileRecords;

namespace {

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
    out.u32(quint32(kMinRecordWords + parameters.size() + data.size() / 2));
    out.u16(function);
    for (const quint16 word : parameters)
        out.u16(word);
    out.append(data);
    return out.bytes();
}

// Bottom-up 24-bit BGR rows, as a DIB stores them.
QByteArray dibPixels(const QImage& rgb) {
    const qsizetype rowBytes = dibRowBytes(rgb.width(), kWrittenBitCount);
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
    out.u32(kBitmapInfoHeaderBytes);
    out.u32(quint32(rgb.width()));
    out.u32(quint32(rgb.height())); // positive: bottom-up
    out.u16(1);                     // planes
    out.u16(kWrittenBitCount);
    out.u32(kBiRgb);
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
    out.u16(kMemoryMetafile);
    out.u16(kHeaderWords);
    out.u16(kVersion300);
    out.u32(fileWords);
    out.u16(0); // objects
    out.u32(maxRecordWords);
    out.u16(0); // unused
    return out.bytes();
}

} // namespace

QByteArray writeBitmapMetafile(const QImage& picture) {
    if (picture.isNull() || picture.width() > kMetafileMaxPictureSide ||
        picture.height() > kMetafileMaxPictureSide)
        return {};
    const auto width = quint16(picture.width());
    const auto height = quint16(picture.height());
    const QByteArray bitmap =
        record(kMetaDibBitBlt,
               {quint16(kRasterSrcCopy & 0xFFFF), quint16(kRasterSrcCopy >> 16), 0, 0, height, width, 0, 0},
               deviceIndependentBitmap(onWhite(picture)));
    const QByteArray records = record(kMetaSetMapMode, {kMapModeAnisotropic}) +
                               record(kMetaSetWindowOrg, {0, 0}) +
                               record(kMetaSetWindowExt, {height, width}) + record(kMetaSaveDc, {}) + bitmap +
                               record(kMetaRestoreDc, {kRestoreLastSaved}) + record(kMetaEof, {});
    const auto fileWords = quint32((kHeaderBytes + records.size()) / 2);
    return metafileHeader(fileWords, quint32(bitmap.size() / 2)) + records;
}
