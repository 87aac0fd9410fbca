#pragma once

#include <QStringList>

// The buddy list's stored nicknames in the per-user application settings:
// application "Listsetup", section "Sect", the count under "boty1" and entry i
// under "boty1" & i. Entries past the count, left by a longer list, are ignored.
QStringList loadBuddies();
void saveBuddies(const QStringList& nicks);
