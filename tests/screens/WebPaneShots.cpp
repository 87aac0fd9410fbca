// A web pane with the Home page, as the Home tab shows it.
#include "screens/Shots.h"

#include "platform/WebBrowser.h"
#include "support/WebAddresses.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <QTimer>

namespace {

// The browser engine draws in its own time: waits, woken by each event, until
// the pane shows more than one colour (the page is drawn), at most 30 s.
void waitUntilDrawn(WebBrowser& pane) {
    const QDeadlineTimer deadline(30000);
    QTimer tick;
    tick.start(50);
    const auto drawn = [&] {
        const QImage image = pane.grab().toImage();
        return !pane.Busy() && !image.isNull() &&
               image.pixel(image.width() / 2, 10) != image.pixel(10, image.height() - 10);
    };
    while (!drawn() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

bool saveWebPane(Channel&, const QDir& folder) {
    WebBrowser pane;
    pane.setWindowTitle(QStringLiteral("Home"));
    pane.resize(760, 460);
    pane.move(40, 40);
    pane.Navigate(WebAddresses::Home);
    pane.show();
    waitUntilDrawn(pane);
    return Shots::save(pane, folder.filePath(QStringLiteral("web-pane.png")));
}

const bool added = Shots::add(90, saveWebPane);

} // namespace
