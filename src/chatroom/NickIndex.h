#pragma once

#include "chatroom/FirstInOrder.h"
#include "chatroom/NickListModel.h"
#include "chatroom/TextKeyedTable.h"
#include "support/NickEntry.h"

#include <QString>
#include <QStringView>

// One member of the room: its entry and when it came.
struct RoomMember {
    quint64 id; // order of arrival
    NickEntry entry;

    struct ByArrival {
        bool operator()(const RoomMember& a, const RoomMember& b) const { return a.id < b.id; }
        bool operator()(const RoomMember* a, const RoomMember* b) const { return a->id < b->id; }
    };
};

// Where the room's entries and list items are found by nick: under each nick,
// exact or folded, the first entry in order of arrival and the first item in the
// list's order, each in constant time however many spellings of the nick there
// are. One table holds every form: a nick's entries and items share its slot,
// and a nick already folded (most are) is its own folded slot, so filing a
// member and its item costs one or two look-ups and no copies of texts.
class NickIndex {
public:
    using Item = NickListModel::Item;
    // The nick an item shows, as the room's procedures compare it: its text with
    // every rank character ("~", "&", "@", "%", "+") deleted; with every "@" and
    // "+" deleted; the same without regard to case.
    enum class ItemNick { WithoutRanks, WithoutModes, WithoutModesIgnoringCase };

    // Files by the entry's nick and the item's text as they are now: unfile
    // before either changes.
    void fileMember(RoomMember* member);
    void unfileMember(RoomMember* member);
    void fileItem(Item* item);
    void unfileItem(Item* item);
    // The same as filing both: a member's nick is mostly its item's text without
    // ranks, so their slot is looked up once.
    void fileMemberAndItem(RoomMember* member, Item* item);

    RoomMember* firstMember(const QString& nick) const;
    RoomMember* firstMemberIgnoringCase(const QString& nick) const;
    Item* firstItem(ItemNick form, const QString& nick) const;
    void clear();

private:
    using Members = FirstInOrder<RoomMember, RoomMember::ByArrival>;
    using Items = FirstInOrder<Item, NickListModel::ByPlace>;
    // What is filed under one text.
    struct Slot {
        Members members;         // entries whose nick it is
        Items itemsWithoutRanks; // items whose text without any rank character it is
        Items itemsWithoutModes; // items whose text without "@" and "+" it is
        Members foldedMembers;   // entries whose folded nick it is
        Items foldedItems;       // items whose folded text without "@" and "+" it is
        bool empty() const;
    };
    using Slots = TextKeyedTable<Slot>;

    template <class Group, class T> void unfile(QStringView key, Group Slot::*group, T* value);
    // Files member under slot, its exact nick's, and its folded nick.
    void fileMemberIn(Slot& slot, RoomMember* member);
    // Files item under its forms, the first of which (without ranks) is bare's slot.
    void fileItemIn(Slot& bareSlot, QStringView bare, Item* item);

    Slots m_slots;
};
