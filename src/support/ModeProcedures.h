#pragma once

#include <QString>

// Applies one mode letter to the room named target, or to the own user modes
// when target is the own nick.
void ApplyChannelMode(const QString& target, bool sign, const QString& letter, const QString& parameter);
// Walks a change such as "+ov-b nick1 nick2 mask", one letter at a time; a letter
// that needs a parameter when none is left ends the walk.
void ParseModeChange(const QString& target, const QString& modes);
