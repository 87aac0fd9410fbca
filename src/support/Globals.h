#pragma once

#include "support/QueryWindow.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <array>

class RoomWindow;

// One slot of the conversation table: the window while it exists and has not
// begun to unload.
struct QuerySlot {
    QPointer<QObject> object;
    QueryWindow* window = nullptr;
    QueryWindow* get() const { return object && !window->unloading() ? window : nullptr; }
};

// The values every window shares: settings read at load, the own nick and the
// list-request flag. One object, reachable from everywhere; a test starts from
// a fresh one with reset().
struct Globals {
    // Settings of the catalogue (filled when the windows load).
    QString ServerHost;
    QString MyNick;
    QString FullName;
    QString IdentName;
    qint32 ServerPort = 6667;
    bool ConnectOnLoad = false;
    bool ReconnectOn = false;
    bool InvisibleOn = false;
    bool UpdateOn = false;
    bool RetryOn = false;
    qint16 RetryCount = 0;
    QString AutoJoin;
    bool StretchOn = false;
    qint16 FontSize = 10;
    QString FontName = QStringLiteral("Arial");
    bool WhoisToQuery = false;
    qint16 MaxTextHistory = 30;
    QString QuitMsg;
    // Sign-in flags.
    bool bRemNick = false;
    bool bRemPass = false;
    bool bStartup = false;
    bool bGuest = false;

    // The nick tried when the own nick is refused as in use; nothing fills it.
    QString AltNick;
    // Not 0 while a ban, exception or invitation list the user asked for arrives.
    qint16 ListRequestFlag = 0;

    // The room windows (slot 1 only) and the conversation windows (slots 1..30).
    static constexpr int kMaxChannels = 1;
    static constexpr int kMaxQueries = 30;
    std::array<RoomWindow*, kMaxChannels + 1> Channels{};
    qint32 ChannelCount = 0; // slots asked for so far; never reset, never wraps
    std::array<QuerySlot, kMaxQueries + 1> Queries{};
    qint16 QueryCount = 0; // highest slot ever filled since the connection was made

    static Globals& the();
    static void reset();
};

inline Globals& G() {
    return Globals::the();
}
