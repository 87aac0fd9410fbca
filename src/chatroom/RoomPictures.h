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
QIcon toolbarIcon(const QString& key);
QIcon fontIcon();           // a serif "A"
QIcon smileyIcon();         // a smiling face
QIcon blockListIcon();      // a no-entry sign
QPixmap people(QSize size); // two figures: the badge of the nick list's band

} // namespace RoomPictures
