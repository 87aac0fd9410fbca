#pragma once

#include "chatroom/RankedSet.h"

#include <QAbstractListModel>
#include <array>
#include <cstdint>

// The items of the room's nick list, kept sorted: ranks first ("@" before "+"),
// then names without regard to case. Adding an item, finding its row, the item
// at a row and removing one each cost O(log n) whatever the size of the room.
//
// An item renamed in place keeps its place (and its sort key), as a sorted list
// box does when one of its items is rewritten.
class NickListModel : public QAbstractListModel {
    Q_OBJECT
public:
    struct Item {
        QString folded; // the text the item was added with, folded (shared with it when that changes nothing)
        quint64 seq;    // tells apart items whose texts sort alike, in order of arrival
        QString text;
    };
    // The order of the list; on addresses too, for indexes of items.
    struct ByPlace {
        bool operator()(const Item& a, const Item& b) const;
        bool operator()(const Item* a, const Item* b) const { return (*this)(*a, *b); }
        // The folded text's first twelve code units in their places, four to a
        // word and 0 past its end: unequal heads are in the order of their items.
        using Head = std::array<std::uint64_t, 3>;
        static Head headOf(const Item& item);
    };

    explicit NickListModel(QObject* parent = nullptr);

    // The view asks for an index of every row each time it lays the list out.
    QModelIndex index(int row, int column = 0, const QModelIndex& parent = QModelIndex()) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Lists text; the item stays where it is in memory until it is removed.
    // Whoever indexes items by their text unfiles one before it is removed or
    // rewritten.
    Item* add(const QString& text);
    int rowOf(const Item& item) const;
    void removeAt(int row);
    void replaceTextAt(int row, const QString& text);
    QString textAt(int row) const;
    int count() const { return m_items.size(); }
    void clear();

    // Between these, the view is told of the changes once, at the end, and the
    // items added are sorted in together.
    void beginBatch();
    void endBatch();

    // A code unit of a folded text in the list's order: rank prefixes sort before
    // any name, "@" first, then "+", "~", "&".
    static char16_t placeUnit(QChar c) {
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
            return c.unicode();
        }
    }

private:
    bool telling() const { return m_batchDepth == 0; }

    RankedSet<Item, ByPlace> m_items;
    quint64 m_nextSeq = 1;
    int m_batchDepth = 0;
};
