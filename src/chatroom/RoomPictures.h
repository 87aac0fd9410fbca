#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

// The room window's own pictures (the bands, the send button and the input
// area are the conversation window's). Icons are drawn for every size asked of
// them, so they stay sharp on any screen.
namespace RoomPictures {

// The browser toolbars' buttons, by key: "Back", "Forward", "Stop", "Refresh",
// "Home", "Search"; a null icon for any other key.
QIcon ToolbarIcon(const QString& key);
QIcon FontIcon();           // a serif "A"
QIcon SmileyIcon();         // a smiling face
QIcon BlockListIcon();      // a no-entry sign
QPixmap People(QSize size); // two figures: the badge of the nick list's band

} // namespace RoomPictures
