#include "chatroom/NickList.h"

#include <QStringList>

namespace {

const QString RankPrefixes = QStringLiteral("~&@%+");

// The item texts whose nick, with the given prefix characters deleted, is nick.
QStringList itemTexts(const QString& nick, const QString& prefixes) {
    for (const QChar c : prefixes)
        if (nick.contains(c))
            return {}; // a deleted character can never match
    QStringList texts{nick};
    for (const QChar c : prefixes)
        texts.append(c + nick);
    return texts;
}

QString foldedNick(const QString& nick) {
    return nick.toCaseFolded();
}

} // namespace

NickList::NickList() = default;

bool NickList::Add(const QString& name) {
    if (name.isEmpty())
        return false;
    NickEntry entry;
    QString nick = name;
    // "~", "&" and "@" all mark an operator; "%" a half-operator; "+" a voice.
    for (const QChar c : RankPrefixes) {
        if (!nick.contains(c))
            continue;
        if (c == u'%')
            entry.Helper = true;
        else if (c == u'+')
            entry.Voice = true;
        else
            entry.Op = true;
        nick.remove(c);
    }
    entry.Nick = nick;
    const Id id = m_nextId++;
    m_entries.emplace(id, entry);
    index(id);
    m_model.Add(NickWithPrefix(entry));
    return true;
}

bool NickList::Remove(const QString& nick) {
    const std::optional<Id> id = firstExact(nick);
    if (!id)
        return false;
    unindex(*id);
    m_entries.erase(*id);
    const int item = m_model.FirstIndexOf(itemTexts(nick, RankPrefixes));
    if (item < 0)
        return false;
    m_model.RemoveAt(item);
    return true;
}

bool NickList::Rename(const QString& oldNick, const QString& newNick) {
    const std::optional<Id> id = firstIgnoringCase(oldNick);
    if (id) {
        unindex(*id);
        m_entries[*id].Nick = newNick;
        index(*id);
    }
    const int item = m_model.FirstIndexOfIgnoringCase(itemTexts(oldNick, QStringLiteral("@+")));
    if (item < 0)
        return false;
    // An item whose entry is gone keeps its text: there is no entry to show.
    if (id)
        m_model.ReplaceTextAt(item, NickWithPrefix(m_entries[*id]));
    return true;
}

void NickList::SetFlag(const QString& nick, bool NickEntry::*flag, bool value) {
    const std::optional<Id> id = firstExact(nick);
    if (id)
        m_entries[*id].*flag = value;
    const int item = m_model.FirstIndexOf(itemTexts(nick, QStringLiteral("@+")));
    if (item < 0 || !id)
        return;
    m_model.RemoveAt(item);
    m_model.Add(NickWithPrefix(m_entries[*id]));
}

bool NickList::FlagOf(const QString& nick, bool NickEntry::*flag) const {
    const std::optional<Id> id = firstIgnoringCase(nick);
    return id ? m_entries.at(*id).*flag : false;
}

bool NickList::InChannel(const QString& nick) const {
    return firstIgnoringCase(nick).has_value();
}

// Only the random-nick identifier asks by position, so a walk is fine here.
QString NickList::GetNick(int index) const {
    if (index < 1 || index > NickCount())
        return QString();
    auto it = m_entries.begin();
    std::advance(it, index - 1);
    return it->second.Nick;
}

void NickList::Clear() {
    m_entries.clear();
    m_byFoldedNick.clear();
    m_model.Clear();
}

std::optional<NickList::Id> NickList::first(const QString& nick, Qt::CaseSensitivity cs) const {
    const QString key = foldedNick(nick);
    std::optional<Id> lowest;
    for (auto it = m_byFoldedNick.constFind(key); it != m_byFoldedNick.constEnd() && it.key() == key; ++it)
        if ((!lowest || it.value() < *lowest) && QString::compare(m_entries.at(it.value()).Nick, nick, cs) == 0)
            lowest = it.value();
    return lowest;
}

std::optional<NickList::Id> NickList::firstExact(const QString& nick) const {
    return first(nick, Qt::CaseSensitive);
}

std::optional<NickList::Id> NickList::firstIgnoringCase(const QString& nick) const {
    return first(nick, Qt::CaseInsensitive);
}

void NickList::index(Id id) {
    m_byFoldedNick.insert(foldedNick(m_entries.at(id).Nick), id);
}

void NickList::unindex(Id id) {
    m_byFoldedNick.remove(foldedNick(m_entries.at(id).Nick), id);
}
