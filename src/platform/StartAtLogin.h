#pragma once

#include <QString>

// Starting the program when the user logs in: a desktop entry in the user's
// autostart folder ($XDG_CONFIG_HOME/autostart, ~/.config/autostart when that is
// unset) that runs the program's executable.
namespace StartAtLogin {

// The entry's file: the autostart folder and fileName (e.g. "tazmir-korvu.desktop").
QString entryPath(const QString& fileName);

// Writes the entry: Name= title, Exec= program (quoted as desktop entries
// require). False when the folder cannot be created or the file not written.
bool writeEntry(const QString& fileName, const QString& title, const QString& program);

// Removes that one file and nothing else. False when it stays (a missing file
// is no failure).
bool removeEntry(const QString& fileName);

} // namespace StartAtLogin
