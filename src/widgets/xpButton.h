#pragma once

#include <QColor>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

class QLabel;

// A push button whose whole face is a picture: five looks (normal, hover,
// pressed, focused, disabled) in three fixed sizes, with a centred caption.
// Hovering is followed by a fast timer that asks which widget lies under the
// cursor, so a face never sticks when the pointer leaves in between events.
// Keys raise only the key events: Enter and space do not click it.
class xpButton : public QWidget {
    Q_OBJECT
public:
    enum Size { Small = 0, Big = 1, Long = 2 };
    enum LookState { Normal = 0, Hovered = 1, Pressed = 2 };
    // The picture holder that is the face right now.
    enum class Box { Empty, Hover, Down, Disabled, Focus };

    // The caption starts as the object name, as for a freshly placed control.
    explicit xpButton(const QString& name, QWidget* parent = nullptr);

    int ButtonSize() const { return m_buttonSize; }
    void setButtonSize(int size);
    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    QFont Font() const;
    void setFont(const QFont& font); // the caption's font
    QColor ForeColor() const { return m_foreColor; }
    void setForeColor(const QColor& colour);
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool focused() const { return m_focused; }
    int look() const { return m_look; }
    Box face() const { return m_face; }
    const QPixmap& facePicture() const;

    void RefreshButton();
    void SetSmall();
    void SetBig();
    void SetLong();
    void LayoutCaption();
    void EnableHoverTimer();
    // One tick of the hover timer, told whether the cursor is over the button.
    void followHover(bool over);
    void Timer1_Timer();

    // The faces of the current size.
    QPixmap emptyBox;
    QPixmap hoverBox;
    QPixmap downBox;
    QPixmap disabledBox;
    QPixmap focusBox;
    QLabel* Label1 = nullptr; // caption
    QTimer Timer1;            // hover

    // The application-workspace colour: the caption of a disabled button.
    static inline const QColor kWorkspaceGrey = QColor(171, 171, 171);

signals:
    void Click();
    // Coordinates in twips; button and shift as bit masks (1 left / shift, 2 right / ctrl, 4 middle / alt).
    void MouseDown(int button, int shift, int x, int y);
    void MouseMove(int button, int shift, int x, int y);
    void MouseUp(int button, int shift, int x, int y);
    void KeyPress(int keyAscii);
    void KeyDown(int keyCode, int shift);
    void KeyUp(int keyCode, int shift);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void applySize(int size);
    void showBox(Box box);
    bool cursorIsOver() const;
    void emitMouse(void (xpButton::*signal)(int, int, int, int), const QMouseEvent& event, int buttons);

    int m_buttonSize = Big;
    int m_look = Normal;
    QString m_caption;
    QColor m_foreColor = Qt::black;
    bool m_enabled = true;
    bool m_focused = false;
    Box m_face = Box::Empty;
};
