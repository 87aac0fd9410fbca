#include "chatroom/NickList.h"

bool NickList::add(const QString& name) {
    QString spare;
    const QStringView nick = textWithout(name, u"~&@%+", spare);
    // A name of prefixes alone would leave an entry that nothing could remove.
    if (nick.isEmpty())
        return false;
    NickEntry entry;
    // "~", "&" and "@" all mark an operator; "%" a half-operator; "+" a voice.
    for (const QChar c : name) {
        entry.Op = entry.Op || c == u'~' || c == u'&' || c == u'@';
        entry.Helper = entry.Helper || c == u'%';
        entry.Voice = entry.Voice || c == u'+';
    }
    entry.Nick = nick.size() == name.size() ? name : nick.toString();
    RoomMember* member = m_members.insertLater(RoomMember{m_nextId++, entry});
    // The item's text is mostly the name as it came: then the two share it.
    const QString text = NickWithPrefix(entry);
    m_index.fileMemberAndItem(member, m_model.add(text == name ? name : text));
    return true;
}

void NickList::list(const NickEntry& entry) {
    m_index.fileItem(m_model.add(NickWithPrefix(entry)));
}

void NickList::unlist(NickListModel::Item* item) {
    const int row = m_model.rowOf(*item);
    m_index.unfileItem(item);
    m_model.removeAt(row);
}

bool NickList::remove(const QString& nick) {
    RoomMember* member = m_index.firstMember(nick);
    if (!member)
        return false;
    m_index.unfileMember(member);
    m_members.erase(*member);
    NickListModel::Item* item = m_index.firstItem(ItemNick::WithoutRanks, nick);
    if (!item)
        return false;
    unlist(item);
    return true;
}

bool NickList::rename(const QString& oldNick, const QString& newNick) {
    // As with a name of prefixes alone, an empty nick could never be removed.
    if (newNick.isEmpty())
        return false;
    RoomMember* member = m_index.firstMemberIgnoringCase(oldNick);
    if (member) {
        m_index.unfileMember(member);
        member->entry.Nick = newNick;
        m_index.fileMember(member);
    }
    NickListModel::Item* item = m_index.firstItem(ItemNick::WithoutModesIgnoringCase, oldNick);
    if (!item)
        return false;
    // An item whose entry is gone keeps its text: there is no entry to show.
    if (member) {
        m_index.unfileItem(item);
        m_model.replaceTextAt(m_model.rowOf(*item), NickWithPrefix(member->entry));
        m_index.fileItem(item);
    }
    return true;
}

void NickList::SetFlag(const QString& nick, bool NickEntry::*flag, bool value) {
    RoomMember* member = m_index.firstMember(nick);
    if (member)
        member->entry.*flag = value;
    NickListModel::Item* item = m_index.firstItem(ItemNick::WithoutModes, nick);
    if (!item || !member)
        return;
    unlist(item);
    list(member->entry);
}

bool NickList::FlagOf(const QString& nick, bool NickEntry::*flag) const {
    const RoomMember* member = m_index.firstMemberIgnoringCase(nick);
    return member ? member->entry.*flag : false;
}

bool NickList::InChannel(const QString& nick) const {
    return m_index.firstMemberIgnoringCase(nick) != nullptr;
}

QString NickList::GetNick(int index) const {
    return index >= 1 && index <= NickCount() ? m_members.at(index - 1).entry.Nick : QString();
}

void NickList::clear() {
    m_index.clear();
    m_members.clear();
    m_model.clear();
}
