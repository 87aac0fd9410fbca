#pragma once

#include <functional>

// The beep of the history keys when there is no line further up or down. A
// test replaces the sound to hear it; empty means the system beep.
inline std::function<void()> HistoryBeepSound;

void HistoryBeep();
