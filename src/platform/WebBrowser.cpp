#include "platform/WebBrowser.h"

#include <QHash>

// A first cut: the pane records where it should be; the engine comes later.
namespace {
QString& recorded(const WebBrowser* pane) {
    static QHash<const WebBrowser*, QString> addresses;
    return addresses[pane];
}
} // namespace

WebBrowser::WebBrowser(QWidget* parent) : QWidget(parent) {}
WebBrowser::~WebBrowser() = default;

void WebBrowser::Navigate(const QString& address) {
    recorded(this) = address;
}
void WebBrowser::GoBack() {}
void WebBrowser::GoForward() {}
void WebBrowser::GoHome() {}
void WebBrowser::GoSearch() {}
void WebBrowser::Stop() {}
void WebBrowser::Refresh() {}
QString WebBrowser::LocationURL() const {
    return recorded(this);
}
