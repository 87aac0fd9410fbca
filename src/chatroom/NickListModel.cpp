#include "chatroom/NickListModel.h"

#include "support/NickEntry.h"

#include <algorithm>

NickListModel::NickListModel(QObject* parent) : QAbstractListModel(parent) {}

QModelIndex NickListModel::index(int row, int column, const QModelIndex& parent) const {
    return row >= 0 && row < count() && column == 0 && !parent.isValid() ? createIndex(row, column)
                                                                         : QModelIndex();
}

int NickListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant NickListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= count())
        return QVariant();
    return m_items.at(index.row()).text;
}

// The folded texts unit by unit, each rank character in its rank's place;
// inline, as this runs some twenty times for every name arriving.
bool NickListModel::ByPlace::operator()(const Item& a, const Item& b) const {
    const qsizetype common = std::min(a.folded.size(), b.folded.size());
    const QChar* x = a.folded.constData();
    const QChar* y = b.folded.constData();
    for (qsizetype k = 0; k < common; ++k) {
        if (x[k] == y[k])
            continue;
        const char16_t p = placeUnit(x[k]), q = placeUnit(y[k]);
        if (p != q)
            return p < q;
    }
    if (a.folded.size() != b.folded.size())
        return a.folded.size() < b.folded.size();
    return a.seq < b.seq;
}

NickListModel::ByPlace::Head NickListModel::ByPlace::headOf(const Item& item) {
    Head head{};
    const qsizetype units = std::min<qsizetype>(item.folded.size(), 4 * head.size());
    for (qsizetype k = 0; k < units; ++k)
        head[k / 4] |= std::uint64_t{placeUnit(item.folded[k])} << (16 * (3 - k % 4));
    return head;
}

NickListModel::Item* NickListModel::add(const QString& text) {
    Item item{foldedNick(text), m_nextSeq++, text};
    if (!telling())
        return m_items.insertLater(std::move(item));
    const int row = m_items.rankOf(item);
    beginInsertRows(QModelIndex(), row, row);
    Item* added = m_items.insert(std::move(item));
    endInsertRows();
    return added;
}

int NickListModel::rowOf(const Item& item) const {
    return m_items.rankOf(item);
}

void NickListModel::removeAt(int row) {
    if (row < 0 || row >= count())
        return;
    if (telling())
        beginRemoveRows(QModelIndex(), row, row);
    m_items.erase(m_items.at(row));
    if (telling())
        endRemoveRows();
}

void NickListModel::replaceTextAt(int row, const QString& text) {
    if (row < 0 || row >= count())
        return;
    m_items.at(row).text = text;
    if (telling())
        emit dataChanged(index(row), index(row));
}

QString NickListModel::textAt(int row) const {
    return row >= 0 && row < count() ? m_items.at(row).text : QString();
}

void NickListModel::clear() {
    if (telling())
        beginResetModel();
    m_items.clear();
    if (telling())
        endResetModel();
}

void NickListModel::beginBatch() {
    if (m_batchDepth++ == 0)
        beginResetModel();
}

void NickListModel::endBatch() {
    if (m_batchDepth > 0 && --m_batchDepth == 0)
        endResetModel();
}
