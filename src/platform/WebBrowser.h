#pragma once

#include <QString>
#include <QWidget>

// An embedded web browser pane. The browser engine is heavy, so it is loaded only
// when the pane is first shown; until then Navigate only records the address, and
// the view loads the last recorded address when it is created.
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
    QString LocationURL() const;
};
