#include "support/WindowTables.h"

#include "platform/RichTextBox.h"
#include "support/ColouredText.h"
#include "support/Globals.h"
#include "support/IrcText.h"
#include "support/QueryWindow.h"
#include "support/RoomWindow.h"
#include "support/Windows.h"

namespace {

bool sameNick(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The table holds one room window; a count raised past it (a second room
// joined) must not make every later lookup fail.
int usedChannelSlots() {
    return std::min<int>(G().ChannelCount, Globals::MaxChannels);
}

int freeQuerySlot() {
    for (int k = 1; k <= G().QueryCount; ++k) {
        QueryWindow* window = G().Queries[k].get();
        if (!window || window->QueryNick().isEmpty())
            return k;
    }
    return -1;
}

QueryWindow* windowForSlot(int k) {
    QuerySlot& slot = G().Queries[k];
    if (!slot.get()) {
        QueryWindow* window = Windows::NewQuery();
        slot.window = window;
        slot.object = window->object();
    }
    return slot.window;
}

} // namespace

int NewChannelSlot(const QString& name) {
    G().ChannelCount += 1;
    if (G().ChannelCount > Globals::MaxChannels)
        throw TableFull();
    RoomWindow& room = Windows::Room();
    G().Channels[G().ChannelCount] = &room;
    room.setRoomName(name);
    room.MakeVisible();
    room.setTag(QString::number(G().ChannelCount));
    return G().ChannelCount;
}

int FindChannelIndex(const QString& name) {
    QString wanted = name;
    wanted.remove(QChar(13));
    for (int k = 1; k <= usedChannelSlots(); ++k)
        if (RoomWindow* room = G().Channels[k]; room && sameNick(room->RoomName(), wanted))
            return k;
    return -1;
}

RoomWindow* ChannelAt(int slot) {
    return slot >= 1 && slot <= usedChannelSlots() ? G().Channels[slot] : nullptr;
}

int FindQueryIndex(const QString& nick) {
    for (int k = 1; k <= G().QueryCount; ++k)
        if (QueryWindow* window = G().Queries[k].get(); window && sameNick(window->QueryNick(), nick))
            return k;
    return -1;
}

// A blocked nick has no conversation: its lines neither show nor open a window.
bool QueryExists(const QString& nick) {
    if (Windows::Room().IsBlocked(nick))
        return false;
    return FindQueryIndex(nick) != -1;
}

int OpenQuery(const QString& nick, const QString& prefix) {
    RoomWindow& room = Windows::Room();
    if (room.PrivateChatRefused())
        return 0;
    const QString host = TextAfter(prefix, QStringLiteral("!"));
    if (const int open = FindQueryIndex(nick); open != -1) {
        G().Queries[open].get()->BringToFront();
        return open;
    }
    if (room.IsBlocked(nick))
        return 0;
    int k = freeQuerySlot();
    if (k == -1) {
        if (G().QueryCount >= Globals::MaxQueries)
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

QueryWindow* QueryAt(int slot) {
    return slot >= 1 && slot <= Globals::MaxQueries ? G().Queries[slot].get() : nullptr;
}

void UnloadAllQueries() {
    for (int k = 1; k <= G().QueryCount; ++k)
        if (QueryWindow* window = G().Queries[k].get())
            window->UnloadWindow();
    G().QueryCount = 0;
}

void HandleQuit(const QString& nick, const QString& reason) {
    const QString line = Chr3 + QStringLiteral("02") + Chr2 + nick + Chr2 + QStringLiteral(" has Quit IRC ( ") +
                         reason + QStringLiteral(" )");
    for (int k = 1; k <= usedChannelSlots(); ++k) {
        RoomWindow* room = G().Channels[k];
        if (room && !room->RoomName().isEmpty() && room->InChannel(nick)) {
            room->RemoveNick(nick);
            PutColouredText(room->DataInPane(), line);
            break;
        }
    }
    for (int k = 1; k <= G().QueryCount; ++k) {
        QueryWindow* window = G().Queries[k].get();
        if (window && sameNick(window->QueryNick(), nick)) {
            PutColouredText(window->DataInPane(), line);
            break;
        }
    }
}

void ChangeNickEverywhere(const QString& oldNick, const QString& newNick) {
    bool first = true;
    for (int k = 1; k <= usedChannelSlots(); ++k) {
        RoomWindow* room = G().Channels[k];
        if (!room || !room->InChannel(oldNick))
            continue;
        if (first) {
            first = false;
            if (QueryWindow* window = QueryAt(FindQueryIndex(oldNick))) {
                window->setLblNick(newNick);
                window->setQueryNick(newNick);
                window->setCaption(newNick);
            }
        }
        if (!room->RoomName().isEmpty())
            room->ChangeNck(oldNick, newNick);
    }
}
