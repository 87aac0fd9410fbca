#pragma once

#include "support/IrcText.h"

// Parameters first..last of a server line joined by blanks (last -1: to the
// end), "" where the line has none: how the handlers read every server line.
inline QString P(const IrcMessage& msg, int first, int last = -1) {
    return JoinWordsOf(msg, first, last);
}
