#pragma once

#include "platform/WebViewPlugin.h"

#include <QObject>

// The plugin that brings the browser engine into the program on demand.
class WebPanePlugin : public QObject, public WebViewPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID WebViewPlugin_iid)
    Q_INTERFACES(WebViewPlugin)
public:
    WebView* createView(QWidget* parent) override;
};
