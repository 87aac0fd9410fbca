#pragma once

#include "platform/Form.h"

#include <QTimer>

class QLabel;

// A small notice that rises out of the lower right corner of the screen, stays
// four seconds, sinks back and closes itself. Geometry is kept in twips. A click
// on the message or a double click on the notice asks for the chat room; the
// program connects that to the room window.
class frmPopup : public Form {
    Q_OBJECT
public:
    frmPopup();

    static frmPopup& form() { return FormSlot<frmPopup>::get(); }
    static frmPopup* loaded() { return FormSlot<frmPopup>::loaded(); }

    void Form_Load() override;
    void Timer1_Timer();
    // Shows the notice with text as its message.
    void showMessage(const QString& text);

    QLabel* Label1 = nullptr; // title
    QLabel* Label2 = nullptr; // message
    QTimer Timer1;

    int topTwips() const { return m_top; }
    int heightTwips() const { return m_height; }
    int leftTwips() const { return m_left; }
    bool rising() const { return m_rising; }
    static int screenHeightTwips();
    static int screenWidthTwips();

    static constexpr int kWidthTwips = 2715;
    static constexpr int kFullHeightTwips = 1740;

signals:
    void chatRoomAsked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void rise();
    void sink();
    void place();

    int m_top = 0;
    int m_height = 0;
    int m_left = 0;
    bool m_rising = false;
};
