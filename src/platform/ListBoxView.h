#pragma once

#include <QListView>

// A list box whose items are all one line high, one under the other. Where an
// item lies follows from its row alone, so the view keeps no layout of its own:
// adding, removing or resetting rows costs the same however many there are, and
// drawing touches only the rows in sight. (A list view lays every row out again
// after each change, which a room of thousands changing many times a second
// cannot afford.)
class ListBoxView : public QListView {
    Q_OBJECT
public:
    explicit ListBoxView(QWidget* parent = nullptr);

    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;
    void doItemsLayout() override;
    void reset() override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void updateGeometries() override;
    QSize viewportSizeHint() const override;

private:
    int rowCount() const;
    int rowHeight() const;
    // Whole rows the viewport shows, at least one.
    int rowsInView() const;
    int firstRowInView() const;
    int rowAt(int y) const;
    QRect rowRect(int row) const;

    mutable int m_rowHeight = 0; // 0 until first asked for, and after a change of font or style
};
