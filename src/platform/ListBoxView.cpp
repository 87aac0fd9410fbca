#include "platform/ListBoxView.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

ListBoxView::ListBoxView(QWidget* parent) : QListView(parent) {
    setUniformItemSizes(true);
    setVerticalScrollMode(ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

int ListBoxView::rowCount() const {
    return model() ? model()->rowCount(rootIndex()) : 0;
}

// As tall as the item delegate makes the first item (a sample text while there
// is none), as a list view of uniform items has it.
int ListBoxView::rowHeight() const {
    if (m_rowHeight > 0)
        return m_rowHeight;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QModelIndex first = model() ? model()->index(0, 0, rootIndex()) : QModelIndex();
    if (!first.isValid())
        return std::max(1, fontMetrics().height() + 2 * spacing()); // asked again once there is an item
    m_rowHeight = std::max(1, itemDelegateForIndex(first)->sizeHint(option, first).height() + 2 * spacing());
    return m_rowHeight;
}

int ListBoxView::rowsInView() const {
    return std::max(1, viewport()->height() / rowHeight());
}

int ListBoxView::firstRowInView() const {
    return verticalScrollBar()->value();
}

int ListBoxView::rowAt(int y) const {
    return firstRowInView() + (y >= 0 ? y / rowHeight() : -1);
}

QRect ListBoxView::rowRect(int row) const {
    return QRect(0, (row - firstRowInView()) * rowHeight(), viewport()->width(), rowHeight());
}

QRect ListBoxView::visualRect(const QModelIndex& index) const {
    if (!index.isValid() || index.parent() != rootIndex() || index.column() != 0)
        return QRect();
    return rowRect(index.row());
}

void ListBoxView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (!index.isValid())
        return;
    const int row = index.row();
    const int first = firstRowInView();
    const int shown = rowsInView();
    int top = first;
    switch (hint) {
    case PositionAtTop:
        top = row;
        break;
    case PositionAtBottom:
        top = row - shown + 1;
        break;
    case PositionAtCenter:
        top = row - shown / 2;
        break;
    case EnsureVisible:
        if (row < first)
            top = row;
        else if (row >= first + shown)
            top = row - shown + 1;
        break;
    }
    verticalScrollBar()->setValue(top);
}

QModelIndex ListBoxView::indexAt(const QPoint& point) const {
    const int row = rowAt(point.y());
    if (point.x() < 0 || point.x() >= viewport()->width() || row < 0 || row >= rowCount())
        return QModelIndex();
    return model()->index(row, 0, rootIndex());
}

// Nothing to lay out: the scroll bar follows the number of rows.
void ListBoxView::doItemsLayout() {
    QAbstractItemView::doItemsLayout();
}

void ListBoxView::reset() {
    QAbstractItemView::reset();
    updateGeometries();
}

bool ListBoxView::event(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        m_rowHeight = 0;
    return QListView::event(event);
}

void ListBoxView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QRect area = event->rect();
    const int rows = rowCount();
    const int from = std::max(0, rowAt(area.top()));
    const int to = std::min(rows - 1, rowAt(area.bottom()));
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QModelIndex current = currentIndex();
    const QModelIndex hover = indexAt(viewport()->mapFromGlobal(QCursor::pos()));
    const bool focus = hasFocus() || viewport()->hasFocus();
    const bool active = isActiveWindow();
    for (int row = from; row <= to; ++row) {
        const QModelIndex index = model()->index(row, 0, rootIndex());
        QStyleOptionViewItem item = option;
        item.rect = rowRect(row);
        if (!isEnabled())
            item.state &= ~QStyle::State_Enabled;
        item.palette.setCurrentColorGroup(!isEnabled() ? QPalette::Disabled
                                          : active     ? QPalette::Active
                                                       : QPalette::Inactive);
        if (selectionModel() && selectionModel()->isSelected(index))
            item.state |= QStyle::State_Selected;
        if (focus && index == current)
            item.state |= QStyle::State_HasFocus;
        if (index == hover)
            item.state |= QStyle::State_MouseOver;
        itemDelegateForIndex(index)->paint(&painter, item, index);
    }
}

void ListBoxView::resizeEvent(QResizeEvent* event) {
    QAbstractItemView::resizeEvent(event);
    updateGeometries();
}

void ListBoxView::scrollContentsBy(int, int) {
    viewport()->update();
}

void ListBoxView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                              const QList<int>& roles) {
    QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
}

void ListBoxView::rowsInserted(const QModelIndex& parent, int start, int end) {
    QAbstractItemView::rowsInserted(parent, start, end);
    updateGeometries();
    viewport()->update();
}

void ListBoxView::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) {
    QAbstractItemView::rowsAboutToBeRemoved(parent, start, end);
    // The rows are still there: the scroll bar is set again once they are gone.
    QMetaObject::invokeMethod(this, &ListBoxView::updateGeometries, Qt::QueuedConnection);
    viewport()->update();
}

int ListBoxView::horizontalOffset() const {
    return 0;
}

int ListBoxView::verticalOffset() const {
    return firstRowInView() * rowHeight();
}

QModelIndex ListBoxView::moveCursor(CursorAction action, Qt::KeyboardModifiers) {
    const int rows = rowCount();
    if (rows == 0)
        return QModelIndex();
    const QModelIndex current = currentIndex();
    const int row = current.isValid() ? current.row() : -1;
    int next = row;
    switch (action) {
    case MoveUp:
    case MovePrevious:
        next = row < 0 ? 0 : row - 1;
        break;
    case MoveDown:
    case MoveNext:
        next = row + 1;
        break;
    case MovePageUp:
        next = row - rowsInView();
        break;
    case MovePageDown:
        next = row < 0 ? rowsInView() - 1 : row + rowsInView();
        break;
    case MoveHome:
        next = 0;
        break;
    case MoveEnd:
        next = rows - 1;
        break;
    case MoveLeft:
    case MoveRight:
        break;
    }
    return model()->index(std::clamp(next, 0, rows - 1), 0, rootIndex());
}

void ListBoxView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
    const int rows = rowCount();
    const QRect area = rect.normalized();
    const int from = std::max(0, rowAt(area.top()));
    const int to = std::min(rows - 1, rowAt(area.bottom()));
    if (from > to) {
        selectionModel()->select(QItemSelection(), command);
        return;
    }
    const QItemSelection rowsHit(model()->index(from, 0, rootIndex()), model()->index(to, 0, rootIndex()));
    selectionModel()->select(rowsHit, command);
}

// Only what lies in sight can need drawing again.
QRegion ListBoxView::visualRegionForSelection(const QItemSelection& selection) const {
    const int first = firstRowInView();
    const int last = first + rowsInView();
    QRegion region;
    for (const QItemSelectionRange& range : selection) {
        if (range.parent() != rootIndex())
            continue;
        const int from = std::max(range.top(), first);
        const int to = std::min(range.bottom(), last);
        if (from <= to)
            region += rowRect(from).united(rowRect(to));
    }
    return region;
}

void ListBoxView::updateGeometries() {
    const int shown = rowsInView();
    QScrollBar* bar = verticalScrollBar();
    bar->setSingleStep(1);
    bar->setPageStep(shown);
    bar->setRange(0, std::max(0, rowCount() - shown));
    QAbstractItemView::updateGeometries();
}

QSize ListBoxView::viewportSizeHint() const {
    return QSize(viewport()->width(), rowCount() * rowHeight());
}
