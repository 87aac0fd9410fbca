#include "webpane/WebPaneView.h"

#include <QUrl>

WebPaneView::WebPaneView(QWidget* parent) : QWebEngineView(parent) {
    connect(this, &QWebEngineView::loadStarted, this, [this] { m_loading = true; });
    connect(this, &QWebEngineView::loadFinished, this, [this] { m_loading = false; });
}

void WebPaneView::openAddress(const QString& address) {
    // Addresses may come as a user types them ("www.example.net"), as a
    // browser's address box takes them.
    load(QUrl::fromUserInput(address));
}
