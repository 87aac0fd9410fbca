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

// Rank prefixes sort before any name: "@" first, then "+", "~", "&".
QString NickListModel::sortKey(const QString& text) {
    const auto rankOrder = [](QChar c) -> char16_t {
        switch (c.unicode()) {
        case u'@':
            return 1;
        case u'+':
            return 2;
        case u'~':
            return 3;
        case u'&':
            return 4;
        default:
            return 0;
        }
    };
    QString key = foldedNick(text);
    if (std::none_of(key.cbegin(), key.cend(), rankOrder))
        return key; // shared with text when folding changed nothing
    for (QChar& c : key)
        if (const char16_t rank = rankOrder(c))
            c = QChar(rank);
    return key;
}

// Keys in the order of their UTF-16 code units, as QString compares them with
// regard to case; inline, as this runs some twenty times for every name arriving.
bool NickListModel::ByPlace::operator()(const Item& a, const Item& b) const {
    const qsizetype common = std::min(a.key.size(), b.key.size());
    const QChar* x = a.key.constData();
    const QChar* y = b.key.constData();
    for (qsizetype k = 0; k < common; ++k)
        if (x[k] != y[k])
            return x[k].unicode() < y[k].unicode();
    if (a.key.size() != b.key.size())
        return a.key.size() < b.key.size();
    return a.seq < b.seq;
}

NickListModel::ByPlace::Head NickListModel::ByPlace::headOf(const Item& item) {
    Head head{};
    const qsizetype units = std::min<qsizetype>(item.key.size(), 4 * head.size());
    for (qsizetype k = 0; k < units; ++k)
        head[k / 4] |= std::uint64_t{item.key[k].unicode()} << (16 * (3 - k % 4));
    return head;
}

NickListModel::Item* NickListModel::add(const QString& text) {
    Item item{sortKey(text), m_nextSeq++, text};
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
