#include "webpane/PaneWaits.h"

#include "fixtures/Wait.h"

#include <QFile>

testing::AssertionResult showsPage(const WebBrowser& pane, const QString& address, const QString& title) {
    const auto atRest = [&] {
        return !pane.Busy() && pane.LocationURL() == address && pane.LocationName() == title;
    };
    if (waitInEventLoop(atRest, kPageWaitMs))
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "expected " << address.toStdString() << " \"" << title.toStdString() << "\", shows "
           << pane.LocationURL().toStdString() << " \"" << pane.LocationName().toStdString() << "\""
           << (pane.Busy() ? ", busy" : "");
}

bool webEngineMapped() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngine");
}
