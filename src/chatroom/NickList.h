#pragma once

#include "chatroom/NickIndex.h"
#include "chatroom/NickListModel.h"
#include "chatroom/RankedSet.h"
#include "support/NickEntry.h"

// The room's members: the entries in order of arrival and the sorted list the
// window shows. Every operation costs O(log n) or less whatever the size of the
// room, and however many entries differ only in the case of their nick; the
// names of a names reply are sorted in together when next asked about.
class NickList {
public:
    NickListModel& model() { return m_model; }
    const NickListModel& model() const { return m_model; }

    // A new entry from a name with rank prefixes, listed; false when nothing is
    // left of the name without its prefixes.
    bool add(const QString& name);
    // Removes the first entry of nick (exact) and its item; true when an item went.
    bool remove(const QString& nick);
    // Renames the first entry of oldNick (case ignored) and rewrites its item in
    // place; true when an item was rewritten.
    bool rename(const QString& oldNick, const QString& newNick);
    // Sets a flag of the first entry of nick (exact) and lists the item anew.
    void SetFlag(const QString& nick, bool NickEntry::*flag, bool value);
    // The flag of the first entry of nick, case ignored; false without one.
    bool FlagOf(const QString& nick, bool NickEntry::*flag) const;
    bool InChannel(const QString& nick) const;
    QString GetNick(int index) const; // 1-based, in order of arrival
    int NickCount() const { return m_members.size(); }
    // Forgets the entries and the list together.
    void clear();

    void beginBatch() { m_model.beginBatch(); }
    void endBatch() { m_model.endBatch(); }

private:
    using ItemNick = NickIndex::ItemNick;
    void list(const NickEntry& entry);
    void unlist(NickListModel::Item* item);

    RankedSet<RoomMember, RoomMember::ByArrival> m_members;
    quint64 m_nextId = 1;
    NickListModel m_model;
    NickIndex m_index;
};
