#pragma once

#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QString>
#include <QTextObjectInterface>

// Draws the pictures of a pane's document (its image objects) at the size their
// format gives, scaled to the screen as the standard image handler scales them.
// Each picture becomes a pixmap once, rather than every time it is drawn.
class PictureObjects : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    explicit PictureObjects(QAbstractTextDocumentLayout* layout);

    QSizeF intrinsicSize(QTextDocument* document, int position, const QTextFormat& format) override;
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int position,
                    const QTextFormat& format) override;

private:
    QPixmap pixmapOf(QTextDocument& document, const QString& name);

    QAbstractTextDocumentLayout* m_layout;
    QHash<QString, QPixmap> m_pixmaps;
};
