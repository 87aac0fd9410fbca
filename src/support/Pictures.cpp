#include "support/Pictures.h"

#include "platform/Metafile.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"

#include <QDir>
#include <QHash>
#include <QRandomGenerator>

namespace {

// Smileys repeat on nearly every line; a handful of distinct pictures is usual,
// so the memo is simply dropped when it grows past this.
constexpr qsizetype kMaxMemoisedPictures = 256;

constexpr int kTempNameLength = 12;
constexpr QLatin1StringView kTempNameCharacters("123567890qwertyuiopasdfghjklzxcvbnm");

QString himetric(int pixels) {
    return QString::number(picturePixelsToHimetric(pixels));
}

QString twips(int pixels) {
    return QString::number(picturePixelsToTwips(pixels));
}

QString buildPictureRTF(const QImage& picture) {
    const QString hex = QString::fromLatin1(writeBitmapMetafile(picture).toHex().toUpper());
    return QLatin1String("{\\rtf1\\ansi{\\pict\\picscalex100\\picscaley100\\picw") +
           himetric(picture.width()) + QLatin1String("\\pich") + himetric(picture.height()) +
           QLatin1String("\\picwgoal") + twips(picture.width()) + QLatin1String("\\pichgoal") +
           twips(picture.height()) + QLatin1String("\\wmetafile8 ") + hex + QLatin1String("}}");
}

QChar randomNameCharacter() {
    const auto index = QRandomGenerator::global()->bounded(int(kTempNameCharacters.size()));
    return kTempNameCharacters[index];
}

} // namespace

// Keyed by cacheKey, which changes whenever an image's pixels do. GUI thread only.
QString PictureToRTF(const QImage& picture) {
    static QHash<qint64, QString> memo;
    const auto found = memo.constFind(picture.cacheKey());
    if (found != memo.constEnd())
        return *found;
    if (memo.size() >= kMaxMemoisedPictures)
        memo.clear();
    return *memo.insert(picture.cacheKey(), buildPictureRTF(picture));
}

void InsertPicture(const QImage& picture, RichTextBox& rtb) {
    rtb.setSelRTF(PictureToRTF(picture));
}

QString MakeTempFileName(const QString& extension) {
    QString name = QStringLiteral("T");
    while (name.size() < kTempNameLength - extension.size() - 1)
        name += randomNameCharacter();
    return QDir::tempPath() + QLatin1Char('/') + name + QLatin1Char('.') + extension;
}
