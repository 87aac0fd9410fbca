#include "chatroom/NickListModel.h"

#include <algorithm>

NickListModel::NickListModel(QObject* parent) : QAbstractListModel(parent) {}

int NickListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

QVariant NickListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= Count())
        return QVariant();
    ensureSorted();
    return m_items[static_cast<std::size_t>(index.row())].text;
}

// Rank prefixes sort before any name: "@" first, then "+", "~", "&".
QString NickListModel::SortKey(const QString& text) {
    QString key = text.toCaseFolded();
    for (QChar& c : key) {
        switch (c.unicode()) {
        case u'@': c = QChar(1); break;
        case u'+': c = QChar(2); break;
        case u'~': c = QChar(3); break;
        case u'&': c = QChar(4); break;
        default: break;
        }
    }
    return key;
}

bool NickListModel::before(const Item& a, const Item& b) {
    const int order = QString::compare(a.key, b.key, Qt::CaseSensitive);
    return order != 0 ? order < 0 : a.seq < b.seq;
}

void NickListModel::Add(const QString& text) {
    Item item{text, SortKey(text), m_nextSeq++};
    m_byKey.insert(item.key, item.seq);
    if (m_batchDepth > 0) {
        m_items.push_back(std::move(item));
        m_unsorted = true;
        return;
    }
    ensureSorted();
    const auto at = std::lower_bound(m_items.begin(), m_items.end(), item, before);
    const int row = static_cast<int>(at - m_items.begin());
    beginInsertRows(QModelIndex(), row, row);
    m_items.insert(at, std::move(item));
    endInsertRows();
}

QString NickListModel::keyOfSeq(quint64 seq, const QString& key) const {
    const auto kept = m_keptKeys.constFind(seq);
    return kept != m_keptKeys.constEnd() ? *kept : key;
}

// Where the item of seq stands: its key places it, its seq tells it from equals.
int NickListModel::indexOfSeq(quint64 seq, const QString& key) const {
    const Item probe{QString(), keyOfSeq(seq, key), seq};
    const auto at = std::lower_bound(m_items.begin(), m_items.end(), probe, before);
    return at != m_items.end() && at->seq == seq ? static_cast<int>(at - m_items.begin()) : -1;
}

int NickListModel::lowestIndex(const QStringList& texts, Qt::CaseSensitivity cs) const {
    ensureSorted();
    int lowest = -1;
    for (const QString& text : texts) {
        const QString key = SortKey(text);
        for (auto it = m_byKey.constFind(key); it != m_byKey.constEnd() && it.key() == key; ++it) {
            const int at = indexOfSeq(it.value(), key);
            if (at < 0 || (lowest >= 0 && at >= lowest))
                continue;
            if (QString::compare(m_items[static_cast<std::size_t>(at)].text, text, cs) == 0)
                lowest = at;
        }
    }
    return lowest;
}

int NickListModel::FirstIndexOf(const QStringList& texts) const {
    return lowestIndex(texts, Qt::CaseSensitive);
}

int NickListModel::FirstIndexOfIgnoringCase(const QStringList& texts) const {
    return lowestIndex(texts, Qt::CaseInsensitive);
}

void NickListModel::forget(const Item& item) {
    m_byKey.remove(m_keptKeys.contains(item.seq) ? SortKey(item.text) : item.key, item.seq);
    m_keptKeys.remove(item.seq);
}

void NickListModel::RemoveAt(int index) {
    ensureSorted();
    if (index < 0 || index >= Count())
        return;
    beginRemoveRows(QModelIndex(), index, index);
    forget(m_items[static_cast<std::size_t>(index)]);
    m_items.erase(m_items.begin() + index);
    endRemoveRows();
}

void NickListModel::ReplaceTextAt(int index, const QString& text) {
    ensureSorted();
    if (index < 0 || index >= Count())
        return;
    Item& item = m_items[static_cast<std::size_t>(index)];
    m_byKey.remove(m_keptKeys.contains(item.seq) ? SortKey(item.text) : item.key, item.seq);
    m_keptKeys.insert(item.seq, item.key);
    item.text = text;
    m_byKey.insert(SortKey(item.text), item.seq);
    emit dataChanged(this->index(index), this->index(index));
}

QString NickListModel::TextAt(int index) const {
    ensureSorted();
    return index >= 0 && index < Count() ? m_items[static_cast<std::size_t>(index)].text : QString();
}

void NickListModel::Clear() {
    beginResetModel();
    m_items.clear();
    m_byKey.clear();
    m_keptKeys.clear();
    m_unsorted = false;
    endResetModel();
}

void NickListModel::BeginBatch() {
    if (m_batchDepth++ == 0)
        beginResetModel();
}

void NickListModel::EndBatch() {
    if (--m_batchDepth > 0)
        return;
    ensureSorted();
    endResetModel();
}

void NickListModel::ensureSorted() const {
    if (!m_unsorted)
        return;
    std::sort(m_items.begin(), m_items.end(), before);
    m_unsorted = false;
}
