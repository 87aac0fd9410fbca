#pragma once

#include <QString>

// Plays a sound file of the program's folder when the room window's private-chat
// sound option is on. Without an audio device nothing is heard.
void PlaySoundFile(const QString& file);
// Asks the desktop to open a web address or a file.
void OpenURL(const QString& target);
