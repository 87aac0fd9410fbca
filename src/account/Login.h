#pragma once

#include "platform/Form.h"
#include "platform/InstanceLock.h"

#include <QTimer>

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class clsSysTray;
class xpButton;

// The sign-in window, the first the user meets: nickname, password and four
// options; it starts the connection through the room window, stores what it
// was given, follows the connection's state as the room window reports it and
// owns the notification-area icon for the whole run. Split by concern:
// LoginWindow.cpp (construction, load, close), LoginSignIn.cpp (sign-in and
// sign-out), LoginOptions.cpp (option boxes and what they store),
// LoginMenus.cpp (menus and the icon's events), LoginLayout.cpp (layout,
// banner, clock).
class Login : public Form {
    Q_OBJECT
public:
    Login();
    ~Login() override;

    static Login& form() { return FormSlot<Login>::get(); }
    static Login* loaded() { return FormSlot<Login>::loaded(); }

    void Form_Load() override;
    // Closing the window only hides it (minimises it where the desktop has no
    // notification area to bring it back from).
    void Form_Unload(bool& cancel) override;
    // Brings the window back into view where the room window, the tray menu
    // and the connection's end show it: one that its close minimised comes
    // back from the taskbar as well.
    void showAgain();

    // Sign-in and sign-out.
    void cmdSignIn_Click();
    // Stops the banner and shows the still logo again.
    void cmdSignout_Click();
    // While the banner runs, the window keeps its design size.
    void TimerGame();
    // Stores the four options in the settings file.
    void SaveConnect();
    // Signed in: the fields give way to "You're logged in...".
    void Login_Log();
    // Signed out: the fields are back.
    void Login_UnLog();

    // The steps the room window takes on this window as its connection goes.
    // The menu item offers to sign in, or to sign out.
    void offerSignIn();
    void offerSignOut();
    // The banner stops and the menu item offers to sign in again.
    void stopSignIn();
    // That, and the fields are back: the window as signed out.
    void showSignedOut();
    // Nick and password are read-only while a connection is tried or held.
    void lockFields(bool locked);
    // Only the nick becomes editable again.
    void unlockNick();
    // The nick as typed, and the password of this run for the nickname service.
    QString typedNick() const;
    QString servicePassword() const;
    // The notification-area icon's events.
    void gSysTray_LButtonDblClk();
    void gSysTray_RButtonUp();

    // True when the load found the program running already and closed the
    // window; the start-up then ends the program.
    bool closedWhileLoading() const { return m_closedWhileLoading; }
    // Takes the icon out of the notification area, for the program's exits.
    void RemoveFromSysTray();

    // Check boxes; their value is 0 unticked, 1 ticked, 2 greyed.
    void Check3_Click();
    void check2_Click();
    void ChkStartUp_Click();
    static int checkValue(const QCheckBox* box);
    // Setting a different value runs the box's handler at once.
    static void setCheckValue(QCheckBox* box, int value);

    // Menus.
    void mnu_Sign_Click();
    void mnu_chatroom_Click();
    void mnu_Close_Click();
    void mnu_Feedback_Click();
    void mnu_About_Click();
    void mnu_author_Click();

    // Layout, banner and clock.
    void Form_Resize();
    void Timer1_Timer();
    void Timer2_Timer();
    // The outer size in twips, frame included, as the design gives sizes.
    int widthTwips() const;
    int heightTwips() const;
    void setWidthTwips(int width);
    void setHeightTwips(int height);

    // Controls.
    QLabel* TopD = nullptr;   // picture across the top
    QLabel* Label2 = nullptr; // product title
    QLabel* Image3 = nullptr; // sign-in picture; a click signs in
    QFrame* Frame2 = nullptr; // layout anchors
    QFrame* Frame1 = nullptr;
    QLabel* Image2 = nullptr;   // decoration
    QLabel* Image1 = nullptr;   // still logo, shown while the banner is not
    QLabel* Picture1 = nullptr; // banner pictures
    QLabel* Picture2 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Text1 = nullptr; // nick
    QLabel* Label4 = nullptr;
    QLineEdit* Text2 = nullptr;      // password
    QLineEdit* Text3 = nullptr;      // the password of this run for the nickname service; never shown
    QCheckBox* check2 = nullptr;     // guest
    QCheckBox* Check3 = nullptr;     // remember me
    QCheckBox* check1 = nullptr;     // remember my password
    QCheckBox* ChkStartUp = nullptr; // start at login
    xpButton* cmdSignIn = nullptr;
    QLabel* Label6 = nullptr; // "You're logged in...": shown while signed in
    QLabel* Label5 = nullptr; // clock
    QLabel* Label7 = nullptr; // credit lines
    QLabel* Label8 = nullptr;
    QTimer Timer1; // banner marquee
    QTimer Timer2; // clock
    QMenu* mnu_File = nullptr;
    QAction* mnu_Sign = nullptr;
    QAction* mnu_chatroom = nullptr; // "&Go Chat!"
    QAction* mnu_Close = nullptr;
    QMenu* mnu_help = nullptr;
    QAction* mnu_Feedback = nullptr;
    QAction* mnu_About = nullptr;
    QAction* mnu_author = nullptr;

    // The notification-area icon, made at load and kept for the whole run.
    clsSysTray* gSysTray = nullptr;

    // The title the start-at-login entry carries, and the entry's file.
    static inline const QString kProgramTitle = QStringLiteral("TazmirKorvu Messenger");
    static inline const QString kStartupEntry = QStringLiteral("tazmir-korvu.desktop");

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls(QWidget* client);
    void buildMenus();
    void connectControls();
    void createTrayIcon();
    void closeWhileLoading();
    void readOptions();

    void DoSignIn();
    void showBanner(bool running);
    QList<QWidget*> signInFields() const;
    QMenu* trayMenu();
    void iconMenuAboutToShow();

    // What the options store.
    void storeCredentials(const QString& nick, const QString& password);
    bool writeStartupEntry();
    void removeStartupEntry();
    void setBoxesFromFlags();

    void layOut();

    QMenu* m_iconMenu = nullptr; // the icon's own menu, with the room window's tray entries
    InstanceLock m_instance;
    bool m_closedWhileLoading = false;
    bool m_resizing = false; // size changes made by the resize handling are not handled again
};
