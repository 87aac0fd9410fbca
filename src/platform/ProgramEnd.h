#pragma once

// Ending the program at once, as its exits do. The application's event loop is
// told to end with code 0, and from that moment waits return at once, events
// are no longer pumped and the sockets neither read nor send, so a handler that
// the end interrupted inside a wait finishes without talking to the server.
// The process is not killed here: main returns from its event loop (and tests,
// which run in the same process, see the loop's code and go on).
void endProgramAtOnce();
// True from endProgramAtOnce on.
bool programEnding();
// For tests, which run many lives of the program in one process: the next one
// starts as if nothing had ended.
void forgetProgramEnd();
