#pragma once

#include <QString>
#include <QWidget>

class WebView;

// An embedded web browser pane. The browser engine is heavy, so it is loaded only
// when the pane is first shown; until then Navigate only records the address, and
// the view loads the last recorded address when it is created. When the engine
// cannot be loaded the pane says so and every operation stays harmless.
class WebBrowser : public QWidget {
    Q_OBJECT
public:
    explicit WebBrowser(QWidget* parent = nullptr);
    ~WebBrowser() override;

    void Navigate(const QString& address);
    void GoBack();
    void GoForward();
    void GoHome();   // the home address
    void GoSearch(); // the search address
    void Stop();
    void Refresh();
    // The address shown, or the one recorded for when the view is created.
    QString locationUrl() const;
    // The title of the page shown; empty before the view exists.
    QString locationName() const;
    // True while a page is loading.
    bool busy() const;

    // Where GoHome and GoSearch lead; the window that owns the pane sets them.
    QString homeAddress() const { return m_homeAddress; }
    void setHomeAddress(const QString& address) { m_homeAddress = address; }
    QString searchAddress() const { return m_searchAddress; }
    void setSearchAddress(const QString& address) { m_searchAddress = address; }

    // True once the browser view exists (the pane has been shown and the engine loaded).
    bool hasView() const { return m_view != nullptr; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createView();
    void releaseView();
    void showMessage(const QString& reason);

    WebView* m_view = nullptr;
    bool m_creationTried = false;
    QString m_address;
    QString m_homeAddress;
    QString m_searchAddress;
};
