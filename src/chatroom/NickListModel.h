#pragma once

#include <QAbstractListModel>
#include <QHash>
#include <QMultiHash>
#include <vector>

// The items of the room's nick list, kept sorted: an insertion or a removal
// costs a binary search and a move of pointers, never a re-sort. Ranks come
// first ("@" before "+"), then names without regard to case.
//
// An item renamed in place keeps its place (and its sort key), as a sorted list
// box does when one of its items is rewritten.
class NickListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit NickListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void Add(const QString& text);
    // The lowest index of an item whose text is one of texts; -1 when none.
    int FirstIndexOf(const QStringList& texts) const;
    // The same, comparing without regard to case.
    int FirstIndexOfIgnoringCase(const QStringList& texts) const;
    void RemoveAt(int index);
    void ReplaceTextAt(int index, const QString& text);
    QString TextAt(int index) const;
    int Count() const { return static_cast<int>(m_items.size()); }
    void Clear();

    // Between these, additions are collected and sorted once at the end.
    void BeginBatch();
    void EndBatch();

    static QString SortKey(const QString& text);

private:
    struct Item {
        QString text;
        QString key;
        quint64 seq;
    };
    static bool before(const Item& a, const Item& b);
    int indexOfSeq(quint64 seq, const QString& text) const;
    QString keyOfSeq(quint64 seq, const QString& text) const;
    int lowestIndex(const QStringList& texts, Qt::CaseSensitivity cs) const;
    void forget(const Item& item);
    void ensureSorted() const;

    mutable std::vector<Item> m_items;
    // Items by the sort key of their text (which ignores case), so one table
    // serves exact and case-blind look-ups.
    QMultiHash<QString, quint64> m_byKey;
    QHash<quint64, QString> m_keptKeys; // sort keys of items renamed in place
    quint64 m_nextSeq = 1;
    int m_batchDepth = 0;
    mutable bool m_unsorted = false;
};
