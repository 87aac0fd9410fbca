#pragma once

#include <QListWidget>

// The row of a list box's selected entry, -1 when none is selected. A current
// row alone is no selection: a list gets one as soon as it takes the focus.
inline int selectedRow(const QListWidget& list) {
    const QList<QListWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? -1 : list.row(selected.first());
}

// The text of the selected entry, "" when none is selected.
inline QString selectedText(const QListWidget& list) {
    const QList<QListWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}
