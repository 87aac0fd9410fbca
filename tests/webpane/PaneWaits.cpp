#include "webpane/PaneWaits.h"

#include "fixtures/Wait.h"

#include <QFile>

testing::AssertionResult showsPage(const WebBrowser& pane, const QString& address, const QString& title) {
    const auto atRest = [&] {
        return !pane.busy() && pane.locationUrl() == address && pane.locationName() == title;
    };
    if (waitInEventLoop(atRest, kPageWaitMs))
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "expected " << address.toStdString() << " \"" << title.toStdString() << "\", shows "
           << pane.locationUrl().toStdString() << " \"" << pane.locationName().toStdString() << "\""
           << (pane.busy() ? ", busy" : "");
}

bool webEngineMapped() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngine");
}
