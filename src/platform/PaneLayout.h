#pragma once

#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QTextBlock>

// The layout of a pane's document: its paragraphs one under the other, wrapped at
// the document's width, with their runs of text and pictures, inside the
// document's margin.
//
// Each paragraph's height in pixels is kept in the document's own tree of
// blocks (as the block's line count), so the place of a block and the block at a
// place each cost one look-up, however long the pane: lines leaving from the top
// move nothing, and drawing touches only the lines in view.
//
// A paragraph is laid out when it is first needed: drawn, measured, or asked
// where a point lies. Until then its height is that of one line of the
// document's font; paragraphs that are written and trimmed away unseen are never
// laid out. Those left are laid out in the background once the document rests and
// the program would wait for events, so that the scroll bar comes to measure the
// whole text.
class PaneLayout : public QAbstractTextDocumentLayout {
    Q_OBJECT
public:
    explicit PaneLayout(QTextDocument* document);

    void draw(QPainter* painter, const PaintContext& context) override;
    int hitTest(const QPointF& point, Qt::HitTestAccuracy accuracy) const override;
    int pageCount() const override;
    QSizeF documentSize() const override;
    QRectF frameBoundingRect(QTextFrame* frame) const override;
    QRectF blockBoundingRect(const QTextBlock& block) const override;

    // Lays out the paragraphs at the end that fill height (a view following the
    // end shows them), telling the new size when that changes it.
    void layOutEnd(qreal height);
    // Lays out every paragraph not laid out yet (what the background does, at once).
    void layOutAll();
    // Paragraphs laid out since the layout was made: a measure of the work done.
    qint64 paragraphsLaidOut() const { return m_laidOut; }

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;
    void timerEvent(QTimerEvent* event) override;

private:
    qreal margin() const;
    qreal wrapWidth() const;
    int estimatedHeight() const;
    qreal top(const QTextBlock& block) const;
    QTextBlock blockAt(qreal y) const;
    void ensureLaidOut(const QTextBlock& block) const;
    void layOut(const QTextBlock& block) const;
    void notePending(int firstChanged, bool leftSome);
    void layOutSome();
    void whenIdle();
    void emitSizeIfChanged();

    mutable qint64 m_laidOut = 0;
    mutable qreal m_widest = 0; // of the lines laid out without a wrap width
    bool m_drawing = false;
    QSizeF m_lastSize;
    int m_backgroundTimer = 0;
    int m_pendingFrom = -1; // the first block, by number, that may not be laid out
    int m_blockCount = 1;
    QElapsedTimer m_sinceChange;
};
