#pragma once

#include <QString>
#include <QtPlugin>

class QWidget;

// The browser view behind a web pane. It comes from a plugin that carries the
// browser engine, so a session that never shows a web pane never maps the engine.
class WebView {
public:
    virtual ~WebView() = default;

    // The view as a widget; it is a child of the parent given at creation and is
    // destroyed with it, together with this object.
    virtual QWidget* widget() = 0;
    virtual void openAddress(const QString& address) = 0;
    virtual void goBack() = 0;
    virtual void goForward() = 0;
    virtual void stopLoading() = 0;
    virtual void reloadPage() = 0;
    virtual QString currentAddress() const = 0;
    virtual QString pageTitle() const = 0;
    virtual bool isLoading() const = 0;
};

// What the web-pane plugin offers: views on demand.
class WebViewPlugin {
public:
    virtual ~WebViewPlugin() = default;
    virtual WebView* createView(QWidget* parent) = 0;
};

#define WebViewPlugin_iid "net.example.korvu.WebViewPlugin/1"
Q_DECLARE_INTERFACE(WebViewPlugin, WebViewPlugin_iid)
