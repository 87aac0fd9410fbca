// The room's members and modes as the window shows them: the nick list, the
// chatter count and the mode letters.
#include "chatroom/Channel.h"

#include "chatroom/Numerics.h"
#include "platform/EventPump.h"
#include "platform/RichTextBox.h"
#include "support/ColouredText.h"

#include <QLabel>
#include <QListView>

void Channel::AddNick(const QString& name) {
    if (!Nicks.add(name))
        return;
    TotalChatters += 1;
    showChatterCount(QStringLiteral("  "));
}

void Channel::RemoveNick(const QString& nick) {
    if (!Nicks.remove(nick))
        return;
    TotalChatters -= 1;
    showChatterCount(QStringLiteral(" "));
}

void Channel::ChangeNck(const QString& oldNick, const QString& newNick) {
    if (!Nicks.rename(oldNick, newNick))
        return;
    showInMain(Colour("03") + Bold(oldNick) + QStringLiteral(" is now known as ") + Chr2 + newNick);
}

QString Channel::lstNicksText() const {
    const QModelIndex current = lstNicks->currentIndex();
    if (!current.isValid() || !lstNicks->selectionModel()->isSelected(current))
        return QString();
    return Nicks.model().textAt(current.row());
}

void Channel::AddMode(const QString& letter) {
    if (Modes.add(letter))
        Update();
}

void Channel::RemoveMode(const QString& letter) {
    Modes.remove(letter);
    Update();
}

// The count label; the gap before the bracket differs between callers.
void Channel::showChatterCount(const QString& gap) {
    if (m_memberBatch > 0) {
        m_countGap = gap;
        return;
    }
    cmdCount->setText(QStringLiteral(" Total Chatters :") + gap + QStringLiteral("[ ") +
                      QString::number(TotalChatters) + QStringLiteral(" ]"));
}

void Channel::beginMemberBatch() {
    if (m_memberBatch++ == 0)
        Nicks.beginBatch();
}

void Channel::endMemberBatch() {
    if (--m_memberBatch > 0)
        return;
    Nicks.endBatch();
    if (!m_countGap.isNull())
        showChatterCount(std::exchange(m_countGap, QString()));
}

// Within the receive loop, a run of names lines is told to the nick list and the
// count once, when the run ends: before events may draw them, before any other
// line, and at the end of the loop's batch.
void Channel::holdMembersForNames(const QString& command) {
    const bool names =
        m_receiving && command == QLatin1String(Numeric::kRplNamReply) && !throttledEventsDue();
    if (!names)
        releaseHeldMembers();
    else if (!std::exchange(m_holdingMembers, true))
        beginMemberBatch();
}

void Channel::releaseHeldMembers() {
    if (std::exchange(m_holdingMembers, false))
        endMemberBatch();
}

void Channel::clearNickList() {
    Nicks.clear();
}

void Channel::ClearModes() {
    Modes.clear();
}

void Channel::Update() {
    Modes.ModeText = Modes.ModeString();
}
