#pragma once

#include <functional>

// Lets pending events run once, as the desktop's event pump does; nothing once
// the program is ending.
void DoEvents();
// The same, but at most once every few milliseconds: for loops that pump once per
// item (one per received line), where pumping every time would cost more than
// the work itself. Events still run within milliseconds.
void doEventsThrottled();
// Whether doEventsThrottled would let events run now.
bool throttledEventsDue();
// The system beep.
void beep();
// Replaces the beep's sound (tests listen to it); nullptr restores the system beep.
void setBeepSound(std::function<void()> sound);
