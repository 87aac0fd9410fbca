#include "platform/PictureFragments.h"

#include "platform/Metafile.h"
#include "platform/Twips.h"

#include <QHash>

namespace {

struct DecodedPicture {
    QString hex;
    quint64 serial;
    QUrl name;
    QImage image;
};

// Shared by all boxes: a smiley is decoded once however often it is shown. Few
// distinct pictures are usual, so the cache is simply dropped when it grows past
// the limit (the documents keep their own copies).
DecodedPicture decodedPicture(QStringView hex) {
    constexpr qsizetype kMaxCachedPictures = 256;
    static QHash<size_t, DecodedPicture> cache;
    static quint64 lastSerial = 0;
    const size_t key = qHash(hex);
    const auto found = cache.constFind(key);
    if (found != cache.constEnd() && found->hex == hex)
        return *found;
    if (cache.size() >= kMaxCachedPictures)
        cache.clear();
    ++lastSerial;
    const QUrl name(QStringLiteral("korvu-picture:%1").arg(lastSerial));
    return *cache.insert(key, {hex.toString(), lastSerial, name, readBitmapMetafile(bytesFromHex(hex))});
}

// Goal size in twips, else the picture's extent in HIMETRIC, else its pixels.
int displaySide(qint64 goalTwips, qint64 himetric, int imageSide) {
    const auto sane = [](qint64 pixels) { return pixels >= 1 && pixels <= kMetafileMaxPictureSide; };
    const qint64 fromGoal = twipsToPicturePixels(goalTwips);
    if (sane(fromGoal))
        return int(fromGoal);
    const qint64 fromExtent = himetricToPicturePixels(himetric);
    return sane(fromExtent) ? int(fromExtent) : imageSide;
}

PreparedPicture prepared(const RtfPicture& picture) {
    if (!picture.isMetafile || picture.damaged || picture.hex.isEmpty())
        return {};
    const DecodedPicture decoded = decodedPicture(picture.hex);
    if (decoded.image.isNull())
        return {};
    QTextImageFormat format;
    format.setName(decoded.name.toString());
    format.setWidth(displaySide(picture.goalWidthTwips, picture.widthHimetric, decoded.image.width()));
    format.setHeight(displaySide(picture.goalHeightTwips, picture.heightHimetric, decoded.image.height()));
    return {decoded.serial, decoded.name, decoded.image, format};
}

} // namespace

const PreparedRtf& prepareRtf(const QString& rtf) {
    constexpr qsizetype kMaxPrepared = 256;
    static QHash<const QChar*, PreparedRtf> known;
    const auto found = known.constFind(rtf.constData());
    if (found != known.constEnd() && found->rtf.size() == rtf.size())
        return *found;
    if (known.size() >= kMaxPrepared)
        known.clear();
    PreparedRtf fragment{rtf, readRtf(rtf), {}};
    for (const RtfPiece& piece : fragment.pieces)
        fragment.pictures.push_back(piece.picture ? prepared(*piece.picture) : PreparedPicture{});
    return *known.insert(rtf.constData(), std::move(fragment));
}
