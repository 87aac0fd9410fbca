#include "support/WindowTables.h"

#include "platform/RichTextBox.h"
#include "support/ColouredText.h"
#include "support/Globals.h"
#include "support/IrcText.h"
#include "support/QueryWindow.h"
#include "support/RoomWindow.h"
#include "support/Windows.h"

#include <algorithm>
#include <limits>

namespace {

bool sameNick(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The table holds one room window; a count raised past it (a second room
// joined) must not make every later lookup fail.
int usedChannelSlots() {
    return std::clamp<int>(G().ChannelCount, 0, Globals::kMaxChannels);
}

int usedQuerySlots() {
    return std::clamp<int>(G().QueryCount, 0, Globals::kMaxQueries);
}

// Every index into a table goes through these, so none reaches outside it.
RoomWindow* channelSlot(int k) {
    return k >= 1 && k <= Globals::kMaxChannels ? G().Channels[static_cast<std::size_t>(k)] : nullptr;
}

QuerySlot* querySlot(int k) {
    return k >= 1 && k <= Globals::kMaxQueries ? &G().Queries[static_cast<std::size_t>(k)] : nullptr;
}

QueryWindow* queryWindow(int k) {
    QuerySlot* slot = querySlot(k);
    return slot ? slot->get() : nullptr;
}

int freeQuerySlot() {
    for (int k = 1; k <= usedQuerySlots(); ++k) {
        QueryWindow* window = queryWindow(k);
        if (!window || window->QueryNick().isEmpty())
            return k;
    }
    return -1;
}

QueryWindow* windowForSlot(int k) {
    QuerySlot& slot = *querySlot(k);
    if (!slot.get()) {
        QueryWindow* window = Windows::newQuery();
        slot.window = window;
        slot.object = window->object();
    }
    return slot.window;
}

} // namespace

// Joins echoed by the server raise the count without bound, so it stops at its
// largest value instead of wrapping round to a slot number.
int NewChannelSlot(const QString& name) {
    if (G().ChannelCount < std::numeric_limits<qint32>::max())
        G().ChannelCount += 1;
    const int slot = G().ChannelCount;
    if (slot < 1 || slot > Globals::kMaxChannels)
        throw TableFull();
    RoomWindow& room = Windows::room();
    G().Channels[static_cast<std::size_t>(slot)] = &room;
    room.setRoomName(name);
    room.MakeVisible();
    room.setTag(QString::number(slot));
    return slot;
}

int FindChannelIndex(const QString& name) {
    QString wanted = name;
    wanted.remove(QChar(13));
    for (int k = 1; k <= usedChannelSlots(); ++k)
        if (RoomWindow* room = channelSlot(k); room && sameNick(room->RoomName(), wanted))
            return k;
    return -1;
}

RoomWindow* channelAt(int slot) {
    return slot <= usedChannelSlots() ? channelSlot(slot) : nullptr;
}

// An empty nick marks a free slot: nobody has a conversation window.
int FindQueryIndex(const QString& nick) {
    if (nick.isEmpty())
        return -1;
    for (int k = 1; k <= usedQuerySlots(); ++k)
        if (QueryWindow* window = queryWindow(k); window && sameNick(window->QueryNick(), nick))
            return k;
    return -1;
}

// A blocked nick has no conversation: its lines neither show nor open a window.
bool QueryExists(const QString& nick) {
    if (Windows::room().IsBlocked(nick))
        return false;
    return FindQueryIndex(nick) != -1;
}

int OpenQuery(const QString& nick, const QString& prefix) {
    RoomWindow& room = Windows::room();
    if (room.PrivateChatRefused())
        return 0;
    const QString host = TextAfter(prefix, QStringLiteral("!"));
    if (const int open = FindQueryIndex(nick); open != -1) {
        queryWindow(open)->bringToFront();
        return open;
    }
    if (room.IsBlocked(nick) || nick.isEmpty())
        return 0;
    int k = freeQuerySlot();
    if (k == -1) {
        if (G().QueryCount >= Globals::kMaxQueries)
            throw TableFull();
        k = ++G().QueryCount;
    }
    QueryWindow* window = windowForSlot(k);
    window->setQueryNick(nick);
    window->setCaption(nick);
    window->setLblNick(nick);
    window->setLblHost(host);
    window->setQueryHost(host);
    window->MakeVisible();
    window->setTag(QString::number(k));
    return k;
}

QueryWindow* queryAt(int slot) {
    return queryWindow(slot);
}

void unloadAllQueries() {
    for (int k = 1; k <= usedQuerySlots(); ++k)
        if (QueryWindow* window = queryWindow(k))
            window->unloadWindow();
    G().QueryCount = 0;
}

void HandleQuit(const QString& nick, const QString& reason) {
    const QString line =
        Colour("02") + Bold(nick) + QStringLiteral(" has Quit IRC ( ") + reason + QStringLiteral(" )");
    for (int k = 1; k <= usedChannelSlots(); ++k) {
        RoomWindow* room = channelSlot(k);
        if (room && !room->RoomName().isEmpty() && room->InChannel(nick)) {
            room->RemoveNick(nick);
            PutColouredText(room->DataInPane(), line);
            break;
        }
    }
    for (int k = 1; k <= usedQuerySlots(); ++k) {
        QueryWindow* window = queryWindow(k);
        if (window && sameNick(window->QueryNick(), nick)) {
            PutColouredText(window->DataInPane(), line);
            break;
        }
    }
}

void ChangeNickEverywhere(const QString& oldNick, const QString& newNick) {
    bool first = true;
    for (int k = 1; k <= usedChannelSlots(); ++k) {
        RoomWindow* room = channelSlot(k);
        if (!room || !room->InChannel(oldNick))
            continue;
        if (first) {
            first = false;
            if (QueryWindow* window = queryAt(FindQueryIndex(oldNick))) {
                window->setLblNick(newNick);
                window->setQueryNick(newNick);
                window->setCaption(newNick);
            }
        }
        if (!room->RoomName().isEmpty())
            room->ChangeNck(oldNick, newNick);
    }
}
