#pragma once

#include <QString>

// A word of a conversation that opens in the desktop's browser or mail program.
bool isLinkWord(const QString& word);
// A word the pointer shows as clickable over: a link, a room ("#...") or a server ("irc....").
bool isPointerWord(const QString& word);
