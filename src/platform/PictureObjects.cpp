#include "platform/PictureObjects.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

namespace {

constexpr qreal kStandardDpi = 96;
// Few distinct pictures are usual; the pixmaps are simply made again past this.
constexpr qsizetype kMaxPixmaps = 256;

} // namespace

PictureObjects::PictureObjects(QAbstractTextDocumentLayout* layout) : QObject(layout), m_layout(layout) {}

QSizeF PictureObjects::intrinsicSize(QTextDocument*, int, const QTextFormat& format) {
    const QTextImageFormat image = format.toImageFormat();
    const QPaintDevice* device = m_layout->paintDevice();
    const qreal scale = device ? device->logicalDpiY() / kStandardDpi : 1;
    return QSizeF(image.width(), image.height()) * scale;
}

void PictureObjects::drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int,
                                const QTextFormat& format) {
    const QPixmap pixmap = pixmapOf(*document, format.toImageFormat().name());
    if (!pixmap.isNull())
        painter->drawPixmap(rect, pixmap, QRectF(pixmap.rect()));
}

// The document holds the picture as a resource; a document that lost it (it was
// cleared) draws nothing for it.
QPixmap PictureObjects::pixmapOf(QTextDocument& document, const QString& name) {
    const auto found = m_pixmaps.constFind(name);
    if (found != m_pixmaps.constEnd())
        return *found;
    const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(name));
    QPixmap pixmap = resource.userType() == QMetaType::QPixmap ? resource.value<QPixmap>()
                                                               : QPixmap::fromImage(resource.value<QImage>());
    if (pixmap.isNull())
        return pixmap;
    if (m_pixmaps.size() >= kMaxPixmaps)
        m_pixmaps.clear();
    return *m_pixmaps.insert(name, pixmap);
}
