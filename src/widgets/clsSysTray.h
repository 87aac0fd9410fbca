#pragma once

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QSystemTrayIcon>

class QMenu;
class QWidget;

// What the class keeps for the notification area: the icon's picture and tip,
// and the hook control its mouse messages go to. Kept whole for the icon's
// whole life and applied whole on every call.
struct TrayIconRecord {
    quint32 cbSize = 88;
    quintptr hWnd = 0; // the hook control; 0 until there is one
    quint32 uID = 1;
    quint32 uFlags = 7; // message, icon and tip are valid on every call
    quint32 uCallbackMessage = 512;
    QIcon hIcon;   // the picture shown
    QString szTip; // exactly 64 characters: the tip, a NUL, then blanks
};

// One icon in the desktop's notification area for a chosen window: keeps its
// picture and tip, turns the mouse on it into six events, and can hide or
// bring back the window from it.
class clsSysTray : public QObject {
    Q_OBJECT
public:
    static constexpr int kTipLength = 63; // characters a tip keeps before its NUL

    // The mouse messages the icon reports to its hook.
    enum MouseMessage {
        LeftButtonDown = 513,
        LeftButtonUp = 514,
        LeftButtonDoubleClick = 515,
        RightButtonDown = 516,
        RightButtonUp = 517,
        RightButtonDoubleClick = 518,
    };

    explicit clsSysTray(QObject* parent = nullptr);

    void setToolTip(const QString& text) { ChangeToolTip(text); }
    QString ToolTip() const { return m_toolTip; }
    void setIcon(const QIcon& picture) { ChangeIcon(picture); }
    qint64 Icon() const; // the record's picture as a number; 0 for none
    void setDefaultDblClk(bool value) { m_defaultDblClk = value; }
    bool DefaultDblClk() const { return m_defaultDblClk; }
    // Stores the window and adds the hook control to it.
    void setSourceWindow(QWidget* window);
    QWidget* SourceWindow() const { return m_sourceWindow; }

    void RemoveFromSysTray();
    void IconInSysTray();
    // Adds the icon and hides the window (and so its taskbar entry).
    void MinToSysTray();
    void ChangeIcon(const QIcon& picture);
    void ChangeToolTip(const QString& text);

    // Desktops whose notification area draws the icon's menu itself show this
    // one, and may never report the right button.
    void setContextMenu(QMenu* menu);

    // The hook's mouse move: the icon's mouse message arrives as x, in twips.
    void pichook_MouseMove(int button, int shift, double x, double y);
    // A double-click: by default it brings back a minimised window, maximised,
    // or else minimises and hides it; LButtonDblClk follows either way.
    void HandleDefaultDblClk();

    const TrayIconRecord& record() const { return m_record; }
    QWidget* pichook() const { return m_pichook; }
    // The icon as the desktop has it.
    QSystemTrayIcon& NotifyIcon() { return m_icon; }

signals:
    void LButtonDblClk();
    void LButtonDown();
    void LButtonUp();
    void RButtonDblClk();
    void RButtonDown();
    void RButtonUp();

private:
    enum class Operation { Add, Modify, Delete };

    void CreateHook();
    void notifyIcon(Operation operation);
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    void handleMouseMessage(int message);

    TrayIconRecord m_record;
    QSystemTrayIcon m_icon;
    QString m_toolTip;
    QPointer<QWidget> m_sourceWindow;
    QPointer<QWidget> m_pichook;
    bool m_defaultDblClk = true;
    bool m_added = false;
    bool m_busy = false; // a message arriving while one is handled is dropped
};
