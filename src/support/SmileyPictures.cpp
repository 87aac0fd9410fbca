#include "support/SmileyPictures.h"

// The resources live in a static library: registering them from code that is
// used keeps the linker from dropping them.
static void registerSmileyPictures() {
    Q_INIT_RESOURCE(smileys);
}

QImage smileyPicture(int index) {
    static const bool registered = (registerSmileyPictures(), true);
    (void)registered;
    const QImage picture(QStringLiteral(":/smileys/%1.png").arg(index, 2, 10, QLatin1Char('0')));
    if (!picture.isNull())
        return picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage empty(18, 18, QImage::Format_ARGB32_Premultiplied);
    empty.fill(Qt::transparent);
    return empty;
}
