#include "webpane/WebPanePlugin.h"

#include "webpane/WebPaneView.h"

WebView* WebPanePlugin::createView(QWidget* parent) {
    return new WebPaneView(parent);
}
