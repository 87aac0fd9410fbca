#pragma once

#include "support/Globals.h"

#include <QString>
#include <span>
#include <variant>

// One key of the settings file and the shared variable it fills.
struct SettingRow {
    const char* section;
    const char* key;
    const char* defaultValue; // nullptr: the caller gives the default
    std::variant<QString Globals::*, bool Globals::*, qint16 Globals::*, qint32 Globals::*> variable;
};

// The eighteen keys the room window reads when it loads, in their order.
std::span<const SettingRow> roomSettingRows();
// The four sign-in flags, in the order the sign-in window reads them.
std::span<const SettingRow> signInSettingRows();
// Reads one row with ReadSetting and stores the converted value.
void loadSetting(const SettingRow& row, const QString& callerDefault = QString());

// The server our settings point at until the user sets one.
inline constexpr const char* kDefaultServerHost = "127.0.0.1";
