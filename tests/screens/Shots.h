// Shared pieces of the screenshot program: feeding server lines to the room
// window, letting the window settle, saving a PNG, and the list of groups of
// pictures that the files of this folder add themselves to.
#pragma once

#include <QDir>
#include <QString>
#include <functional>

class Channel;
class QWidget;
class WebBrowser;

namespace Shots {

void feed(Channel& room, const QString& line);
void settle();
bool save(QWidget& window, const QString& path);
// The browser engine draws in its own time: waits until the pane shows a page.
void waitUntilDrawn(WebBrowser& pane);

// A group of pictures; order sorts groups. Groups of negative order are drawn
// before the room window is filled and shown, the others after.
using Draw = std::function<bool(const QDir& folder)>;
bool add(int order, Draw draw);

} // namespace Shots
