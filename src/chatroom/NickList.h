#pragma once

#include "chatroom/NickListModel.h"
#include "support/NickEntry.h"

#include <QMultiHash>
#include <map>
#include <optional>

// The room's members: the entries in order of arrival (found by nick in constant
// time, exactly or without regard to case) and the sorted list the window shows.
// Every operation costs the same whatever the size of the room.
class NickList {
public:
    NickList();

    NickListModel& model() { return m_model; }
    const NickListModel& model() const { return m_model; }

    // A new entry from a name with rank prefixes, listed; false for "".
    bool Add(const QString& name);
    // Removes the first entry of nick (exact) and its item; true when an item went.
    bool Remove(const QString& nick);
    // Renames the first entry of oldNick (case ignored) and rewrites its item in
    // place; true when an item was rewritten.
    bool Rename(const QString& oldNick, const QString& newNick);
    // Sets a flag of the first entry of nick (exact) and lists the item anew.
    void SetFlag(const QString& nick, bool NickEntry::*flag, bool value);
    // The flag of the first entry of nick, case ignored; false without one.
    bool FlagOf(const QString& nick, bool NickEntry::*flag) const;
    bool InChannel(const QString& nick) const;
    QString GetNick(int index) const; // 1-based, in order of arrival
    int NickCount() const { return static_cast<int>(m_entries.size()); }
    // Forgets the entries and the list together.
    void Clear();

    void BeginBatch() { m_model.BeginBatch(); }
    void EndBatch() { m_model.EndBatch(); }

private:
    using Id = quint64;
    std::optional<Id> first(const QString& nick, Qt::CaseSensitivity cs) const;
    std::optional<Id> firstExact(const QString& nick) const;
    std::optional<Id> firstIgnoringCase(const QString& nick) const;
    void index(Id id);
    void unindex(Id id);

    std::map<Id, NickEntry> m_entries; // by arrival
    QMultiHash<QString, Id> m_byFoldedNick; // serves exact look-ups too
    Id m_nextId = 1;
    NickListModel m_model;
};
