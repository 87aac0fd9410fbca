#pragma once

#include "platform/WebViewPlugin.h"

#include <QWebEngineView>

// The browser view of a web pane, on the browser engine.
class WebPaneView : public QWebEngineView, public WebView {
    Q_OBJECT
public:
    explicit WebPaneView(QWidget* parent);

    QWidget* widget() override { return this; }
    void openAddress(const QString& address) override;
    void goBack() override { back(); }
    void goForward() override { forward(); }
    void stopLoading() override { stop(); }
    void reloadPage() override { reload(); }
    QString currentAddress() const override { return url().toString(); }
    QString pageTitle() const override { return title(); }
    bool isLoading() const override { return m_loading; }

private:
    bool m_loading = false;
};
