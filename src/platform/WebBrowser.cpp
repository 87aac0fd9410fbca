#include "platform/WebBrowser.h"

#include "platform/WebViewLoader.h"
#include "platform/WebViewPlugin.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

WebBrowser::WebBrowser(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

WebBrowser::~WebBrowser() = default;

void WebBrowser::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_creationTried)
        createView();
}

void WebBrowser::createView() {
    m_creationTried = true;
    QString reason;
    WebViewPlugin* plugin = loadWebViewPlugin(&reason);
    if (!plugin) {
        showMessage(reason);
        return;
    }
    m_view = plugin->createView(this);
    layout()->addWidget(m_view->widget());
    m_view->widget()->show();
    if (!m_address.isEmpty())
        m_view->openAddress(m_address);
    // Pages must go before the engine, which ends with the application object.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &WebBrowser::releaseView);
}

void WebBrowser::releaseView() {
    if (!m_view)
        return;
    m_address = m_view->currentAddress();
    delete m_view->widget();
    m_view = nullptr;
}

void WebBrowser::showMessage(const QString& reason) {
    auto* message = new QLabel(this);
    message->setTextFormat(Qt::PlainText);
    message->setAlignment(Qt::AlignCenter);
    message->setWordWrap(true);
    message->setText(tr("Web pages cannot be shown here: the browser component could not be loaded.") +
                     QLatin1Char('\n') + reason);
    layout()->addWidget(message);
    message->show();
}

void WebBrowser::Navigate(const QString& address) {
    m_address = address;
    if (m_view)
        m_view->openAddress(address);
}

void WebBrowser::GoBack() {
    if (m_view)
        m_view->goBack();
}

void WebBrowser::GoForward() {
    if (m_view)
        m_view->goForward();
}

void WebBrowser::GoHome() {
    if (!m_homeAddress.isEmpty())
        Navigate(m_homeAddress);
}

void WebBrowser::GoSearch() {
    if (!m_searchAddress.isEmpty())
        Navigate(m_searchAddress);
}

void WebBrowser::Stop() {
    if (m_view)
        m_view->stopLoading();
}

void WebBrowser::Refresh() {
    if (m_view)
        m_view->reloadPage();
}

QString WebBrowser::locationUrl() const {
    return m_view ? m_view->currentAddress() : m_address;
}

QString WebBrowser::locationName() const {
    return m_view ? m_view->pageTitle() : QString();
}

bool WebBrowser::busy() const {
    return m_view && m_view->isLoading();
}
