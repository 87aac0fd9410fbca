#pragma once

#include <QString>

// Turns a command text (without its "/") into the raw line to send, expanding
// "$" identifiers and joining words around "$+", and carries out the command's
// local effect (an echo, a conversation window, ...). "" means nothing to send.
QString ParseCommand(const QString& target, const QString& text);
// The value of an identifier (named without its "$"), "" for an unknown one.
QString ExpandIdentifier(const QString& target, const QString& name);

inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 0;
