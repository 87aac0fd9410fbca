#include "platform/PaneLayout.h"

#include "platform/PictureObjects.h"

#include <QAbstractEventDispatcher>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyle>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimerEvent>
#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

// Lines without a wrap width are laid out this wide: they break only where the
// text breaks them.
constexpr qreal kUnwrappedWidth = 1e7;
// The background lays out this many paragraphs at a time, when the program would
// wait for events and the document has not changed for a while: a flood of lines,
// most of which leave unseen, is not slowed by laying them out.
constexpr int kParagraphsPerTurn = 200;
constexpr int kRestMs = 100;

// A height the document's tree has not been told: every new block starts with
// a line count of one.
constexpr int kUnmeasuredHeight = 1;

QTextBlock blockNumbered(const QTextDocument& document, int number) {
    return document.findBlockByNumber(std::clamp(number, 0, document.blockCount() - 1));
}

} // namespace

PaneLayout::PaneLayout(QTextDocument* document) : QAbstractTextDocumentLayout(document) {
    registerHandler(QTextFormat::ImageObject, new PictureObjects(this));
    // A text edit that does not wrap gives a layout saying so no width at all.
    setProperty("contentHasAlignment", false);
    connect(QAbstractEventDispatcher::instance(thread()), &QAbstractEventDispatcher::aboutToBlock, this,
            &PaneLayout::whenIdle);
}

qreal PaneLayout::margin() const {
    return document()->documentMargin();
}

// The document's width less its margins; 0 or less when lines do not wrap.
qreal PaneLayout::wrapWidth() const {
    const qreal page = document()->pageSize().width();
    return page > 0 ? page - 2 * margin() : 0;
}

// One line of the document's font stands for a paragraph not laid out yet.
int PaneLayout::estimatedHeight() const {
    const QFontMetricsF metrics(document()->defaultFont(), paintDevice());
    return std::max(2, int(std::ceil(metrics.ascent() + metrics.descent())));
}

qreal PaneLayout::top(const QTextBlock& block) const {
    return margin() + block.firstLineNumber();
}

// The block at a height of the document, the first or the last beyond its ends.
QTextBlock PaneLayout::blockAt(qreal y) const {
    if (y < margin())
        return document()->firstBlock();
    const QTextBlock block = document()->findBlockByLineNumber(int(y - margin()));
    return block.isValid() ? block : document()->lastBlock();
}

// A paragraph laid out when asked for may change the document's height: that is
// told at once, so that the scroll bar is right before anything is drawn; while
// drawing, after it.
void PaneLayout::ensureLaidOut(const QTextBlock& block) const {
    if (!block.isValid() || block.layout()->lineCount() != 0)
        return;
    layOut(block);
    auto& self = const_cast<PaneLayout&>(*this);
    if (m_drawing)
        QMetaObject::invokeMethod(&self, &PaneLayout::emitSizeIfChanged, Qt::QueuedConnection);
    else
        self.emitSizeIfChanged();
}

// As the document's standard layout does it for a plain paragraph: the block's
// direction, alignment and tabs over the document's text options, leading
// included in each line's height.
void PaneLayout::layOut(const QTextBlock& block) const {
    const QTextBlockFormat format = block.blockFormat();
    const Qt::LayoutDirection direction = block.textDirection();
    QTextOption option = document()->defaultTextOption();
    option.setTextDirection(direction);
    option.setTabs(format.tabPositions());
    const Qt::Alignment alignment =
        format.hasProperty(QTextFormat::BlockAlignment) ? format.alignment() : option.alignment();
    option.setAlignment(QStyle::visualAlignment(direction, alignment));
    const qreal width = wrapWidth();
    if (width <= 0 || format.nonBreakableLines())
        option.setWrapMode(QTextOption::ManualWrap);

    QTextLayout* layout = block.layout();
    layout->setTextOption(option);
    layout->beginLayout();
    qreal height = 0;
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLeadingIncluded(true);
        line.setLineWidth(width > 0 ? width : kUnwrappedWidth);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout->endLayout();
    layout->setPosition(QPointF());
    if (width <= 0)
        m_widest = std::max(m_widest, layout->maximumWidth());
    const_cast<QTextBlock&>(block).setLineCount(std::max(kUnmeasuredHeight + 1, int(std::ceil(height))));
    ++m_laidOut;
}

void PaneLayout::documentChanged(int from, int, int charsAdded) {
    QTextDocument& doc = *document();
    QTextBlock first = doc.findBlock(from);
    if (!first.isValid())
        first = doc.lastBlock(); // what was removed ended the text
    // The block after the last character added is new when that character ended
    // a line.
    QTextBlock last = doc.findBlock(from + charsAdded);
    if (!last.isValid())
        last = doc.lastBlock();
    // What was changed is laid out afresh: at once from the end of the change
    // back as far as a view can show, the rest when needed or in the background.
    const int estimate = estimatedHeight();
    qreal budget = paintDevice() ? paintDevice()->height() : std::numeric_limits<qreal>::max();
    bool leftSome = false;
    for (QTextBlock block = last; block.isValid(); block = block.previous()) {
        block.clearLayout();
        if (budget > 0) {
            layOut(block);
            budget -= block.lineCount();
        } else {
            leftSome = true;
            if (block.lineCount() == kUnmeasuredHeight)
                block.setLineCount(estimate);
        }
        if (block == first)
            break;
    }
    notePending(first.blockNumber(), leftSome);
    m_sinceChange.start();
    emitSizeIfChanged();
    // What lies above the change is as it was.
    const QSizeF size = documentSize();
    emit update(QRectF(0, top(first), size.width(), size.height()));
}

// Keeps the number of the first block that may wait for layout: those after the
// change moved with it, and the change itself may have left some.
void PaneLayout::notePending(int firstChanged, bool leftSome) {
    const int blocks = document()->blockCount();
    const int moved = blocks - std::exchange(m_blockCount, blocks);
    if (m_pendingFrom >= firstChanged)
        m_pendingFrom = std::max(firstChanged, m_pendingFrom + moved);
    if (leftSome)
        m_pendingFrom = m_pendingFrom < 0 ? firstChanged : std::min(m_pendingFrom, firstChanged);
}

void PaneLayout::whenIdle() {
    if (m_pendingFrom >= 0 && !m_backgroundTimer)
        m_backgroundTimer = startTimer(std::max<int>(0, kRestMs - m_sinceChange.elapsed()));
}

void PaneLayout::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_backgroundTimer)
        return;
    killTimer(m_backgroundTimer);
    m_backgroundTimer = 0;
    if (m_sinceChange.hasExpired(kRestMs - 1))
        layOutSome();
}

void PaneLayout::layOutSome() {
    if (m_pendingFrom < 0)
        return;
    int done = 0;
    QTextBlock block = blockNumbered(*document(), m_pendingFrom);
    for (; block.isValid() && done < kParagraphsPerTurn; block = block.next()) {
        if (block.lineCount() != kUnmeasuredHeight && block.layout()->lineCount() == 0) {
            layOut(block); // a block not measured yet is still being written: its batch lays it out
            ++done;
        }
    }
    m_pendingFrom = block.isValid() ? block.blockNumber() : -1;
    if (done > 0) {
        emitSizeIfChanged();
        emit update();
    }
}

void PaneLayout::layOutEnd(qreal height) {
    for (QTextBlock block = document()->lastBlock(); block.isValid() && height > 0;
         block = block.previous()) {
        if (block.lineCount() == kUnmeasuredHeight)
            continue;
        if (block.layout()->lineCount() == 0)
            layOut(block);
        height -= block.lineCount();
    }
    emitSizeIfChanged();
}

void PaneLayout::layOutAll() {
    while (m_pendingFrom >= 0)
        layOutSome();
}

void PaneLayout::emitSizeIfChanged() {
    const QSizeF size = documentSize();
    if (size != m_lastSize) {
        m_lastSize = size;
        emit documentSizeChanged(size);
    }
}

int PaneLayout::pageCount() const {
    return 1;
}

// Unwrapped lines are as wide as the widest laid out so far.
QSizeF PaneLayout::documentSize() const {
    const qreal page = document()->pageSize().width();
    return QSizeF(page > 0 ? page : m_widest + 2 * margin(), 2 * margin() + document()->lineCount());
}

QRectF PaneLayout::frameBoundingRect(QTextFrame*) const {
    return QRectF(QPointF(), documentSize());
}

QRectF PaneLayout::blockBoundingRect(const QTextBlock& block) const {
    if (!block.isValid())
        return QRectF();
    ensureLaidOut(block);
    const QRectF lines = block.layout()->boundingRect();
    return QRectF(margin(), top(block), lines.width(), block.lineCount());
}

int PaneLayout::hitTest(const QPointF& point, Qt::HitTestAccuracy accuracy) const {
    const QTextBlock block = blockAt(point.y());
    ensureLaidOut(block);
    const QTextLayout* layout = block.layout();
    const QPointF at = point - QPointF(margin(), top(block));
    for (int k = 0; k < layout->lineCount(); ++k) {
        const QTextLine line = layout->lineAt(k);
        const bool last = k + 1 == layout->lineCount();
        if (at.y() >= line.y() + line.height() && !last)
            continue;
        const bool outside = at.y() < 0 || at.y() >= line.y() + line.height() || at.x() < line.x() ||
                             at.x() > line.x() + line.naturalTextWidth();
        if (accuracy == Qt::ExactHit && outside)
            return -1;
        return block.position() + line.xToCursor(at.x());
    }
    return accuracy == Qt::ExactHit ? -1 : block.position();
}

// The paragraphs in the clip, each with the part of each selection it holds and
// the cursor when it stands there. Paragraphs written in a batch still open are
// left for its end.
void PaneLayout::draw(QPainter* painter, const PaintContext& context) {
    const QRectF clip = context.clip.isValid() ? context.clip : QRectF(QPointF(), documentSize());
    const int cursorWidth = property("cursorWidth").isValid() ? property("cursorWidth").toInt() : 1;
    const QScopedValueRollback drawing(m_drawing, true);
    painter->save();
    painter->setPen(context.palette.color(QPalette::Text));
    for (QTextBlock block = blockAt(clip.top()); block.isValid(); block = block.next()) {
        if (top(block) > clip.bottom())
            break;
        if (block.lineCount() == kUnmeasuredHeight)
            continue;
        ensureLaidOut(block);
        const QPointF origin(margin(), top(block));
        const int start = block.position();
        QList<QTextLayout::FormatRange> selections;
        for (const Selection& selection : context.selections) {
            const int from = std::max(selection.cursor.selectionStart() - start, 0);
            const int to = std::min(selection.cursor.selectionEnd() - start, block.length());
            if (to > from)
                selections.append({from, to - from, selection.format});
        }
        block.layout()->draw(painter, origin, selections, clip);
        if (context.cursorPosition >= start && context.cursorPosition < start + block.length())
            block.layout()->drawCursor(painter, origin, context.cursorPosition - start, cursorWidth);
    }
    painter->restore();
}
