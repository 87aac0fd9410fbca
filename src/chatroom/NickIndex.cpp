#include "chatroom/NickIndex.h"

namespace {

constexpr QStringView kRanks = u"~&@%+";
constexpr QStringView Modes = u"@+";

} // namespace

bool NickIndex::Slot::empty() const {
    return members.empty() && itemsWithoutRanks.empty() && itemsWithoutModes.empty() &&
           foldedMembers.empty() && foldedItems.empty();
}

template <class Group, class T> void NickIndex::unfile(QStringView key, Group Slot::*group, T* value) {
    Slot* slot = m_slots.find(key);
    if (!slot)
        return;
    (slot->*group).erase(value);
    if (slot->empty())
        m_slots.erase(key);
}

// Forms of one text are mostly that text: its slot is looked up once.
void NickIndex::fileMember(RoomMember* member) {
    fileMemberIn(m_slots.obtain(member->entry.Nick), member);
}

void NickIndex::fileMemberIn(Slot& slot, RoomMember* member) {
    const QString& nick = member->entry.Nick;
    slot.members.insert(member);
    const QString folded = foldedNick(nick);
    (folded == nick ? slot : m_slots.obtain(folded)).foldedMembers.insert(member);
}

void NickIndex::unfileMember(RoomMember* member) {
    const QString& nick = member->entry.Nick;
    unfile(nick, &Slot::members, member);
    unfile(foldedNick(nick), &Slot::foldedMembers, member);
}

void NickIndex::fileItem(Item* item) {
    QString spare;
    const QStringView bare = textWithout(item->text, kRanks, spare);
    fileItemIn(m_slots.obtain(bare), bare, item);
}

void NickIndex::fileItemIn(Slot& bareSlot, QStringView bare, Item* item) {
    QString spare[2];
    const QStringView stripped = textWithout(item->text, Modes, spare[0]);
    const QStringView folded = foldedNick(stripped, spare[1]);
    bareSlot.itemsWithoutRanks.insert(item);
    Slot& strippedSlot = stripped == bare ? bareSlot : m_slots.obtain(stripped);
    strippedSlot.itemsWithoutModes.insert(item);
    (folded == stripped ? strippedSlot : m_slots.obtain(folded)).foldedItems.insert(item);
}

void NickIndex::fileMemberAndItem(RoomMember* member, Item* item) {
    Slot& slot = m_slots.obtain(member->entry.Nick);
    fileMemberIn(slot, member);
    QString spare;
    const QStringView bare = textWithout(item->text, kRanks, spare);
    fileItemIn(bare == member->entry.Nick ? slot : m_slots.obtain(bare), bare, item);
}

void NickIndex::unfileItem(Item* item) {
    QString spare[3];
    const QStringView stripped = textWithout(item->text, Modes, spare[0]);
    unfile(textWithout(item->text, kRanks, spare[1]), &Slot::itemsWithoutRanks, item);
    unfile(stripped, &Slot::itemsWithoutModes, item);
    unfile(foldedNick(stripped, spare[2]), &Slot::foldedItems, item);
}

RoomMember* NickIndex::firstMember(const QString& nick) const {
    const Slot* slot = m_slots.find(nick);
    return slot ? slot->members.first() : nullptr;
}

RoomMember* NickIndex::firstMemberIgnoringCase(const QString& nick) const {
    const Slot* slot = m_slots.find(foldedNick(nick));
    return slot ? slot->foldedMembers.first() : nullptr;
}

NickIndex::Item* NickIndex::firstItem(ItemNick form, const QString& nick) const {
    const Slot* slot = m_slots.find(form == ItemNick::WithoutModesIgnoringCase ? foldedNick(nick) : nick);
    if (!slot)
        return nullptr;
    switch (form) {
    case ItemNick::WithoutRanks:
        return slot->itemsWithoutRanks.first();
    case ItemNick::WithoutModes:
        return slot->itemsWithoutModes.first();
    case ItemNick::WithoutModesIgnoringCase:
        return slot->foldedItems.first();
    }
    return nullptr;
}

void NickIndex::clear() {
    m_slots.clear();
}
