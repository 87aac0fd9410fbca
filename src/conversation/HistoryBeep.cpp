#include "conversation/HistoryBeep.h"

#include "platform/EventPump.h"

void HistoryBeep() {
    if (HistoryBeepSound)
        HistoryBeepSound();
    else
        Beep();
}
