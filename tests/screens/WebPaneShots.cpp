// A web pane with the Home page, as the Home tab shows it.
#include "screens/Shots.h"

#include "platform/WebBrowser.h"
#include "support/WebAddresses.h"

namespace {

bool saveWebPane(const QDir& folder) {
    WebBrowser pane;
    pane.setWindowTitle(QStringLiteral("Home"));
    pane.resize(760, 460);
    pane.move(40, 40);
    pane.Navigate(WebAddresses::Home);
    pane.show();
    Shots::waitUntilDrawn(pane);
    return Shots::save(pane, folder.filePath(QStringLiteral("web-pane.png")));
}

const bool added = Shots::add(90, saveWebPane);

} // namespace
