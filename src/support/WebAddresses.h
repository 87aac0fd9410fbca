#pragma once

#include <QString>

// The web pages the program shows in its web panes or opens in the browser. The
// two panes' pages ship inside the program, so they work without a network.
namespace WebAddresses {
inline const QString Home = QStringLiteral("qrc:/web/home.html"); // the Home pane after sign-in
inline const QString Misc = QStringLiteral("qrc:/web/misc.html"); // the Misc pane after sign-in
inline const QString Search = QStringLiteral("https://korvu.example.net/search"); // a pane's Search button
inline const QString Feedback = QStringLiteral("https://korvu.example.net/feedback");
inline const QString Homepage = QStringLiteral("https://korvu.example.net/");     // "Application Homepage"
inline const QString Author = QStringLiteral("https://korvu.example.net/author"); // the credits window's link
} // namespace WebAddresses
