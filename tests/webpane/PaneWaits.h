// Waiting on a web pane: the browser engine works in its own processes, so a page
// arrives some time after it is asked for, and the first page also waits for the
// engine to start.
#pragma once

#include "platform/WebBrowser.h"

#include <gtest/gtest.h>

inline constexpr int kPageWaitMs = 30000;

// Whether the pane comes to rest on the page at address with the given title.
testing::AssertionResult showsPage(const WebBrowser& pane, const QString& address, const QString& title);

// Whether the browser engine's library is mapped into this process.
bool webEngineMapped();
