// The sign-in window: its load with and without stored options and
// credentials, signing in against a real server and what that stores, the
// menus, closing, the notification-area icon and a second instance.
#include "account/Login.h"
#include "chatroom/Channel.h"
#include "chatroom/DebugWin.h"
#include "fixtures/ClientFixture.h"
#include "fixtures/IrcTestServer.h"
#include "fixtures/NamedRows.h"
#include "fixtures/OpenedUrls.h"
#include "fixtures/Wait.h"
#include "platform/DesktopEntry.h"
#include "platform/InstanceLock.h"
#include "platform/StartAtLogin.h"
#include "support/Globals.h"
#include "support/Settings.h"
#include "support/WebAddresses.h"
#include "widgets/About.h"
#include "widgets/Author.h"
#include "widgets/clsSysTray.h"
#include "widgets/frmPopup.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace {

const QString kCredentials = QStringLiteral("TazmirKorvu");

QString stored(const QString& key) {
    return getSetting(kCredentials, "main", key, "<none>");
}

void store(const QString& nick, const QString& password) {
    saveSetting(kCredentials, "main", "name", nick);
    saveSetting(kCredentials, "main", "pass", password);
}

QString entryPath() {
    return StartAtLogin::entryPath(Login::kStartupEntry);
}

// The value a settings key holds in the file, without writing a default back.
QString inFile(const QString& section, const QString& key) {
    QFile file(settingsFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return "<no file>";
    QString current;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        if (line.startsWith('['))
            current = line.mid(1, line.indexOf(']') - 1);
        else if (current.compare(section, Qt::CaseInsensitive) == 0 && line.section('=', 0, 0) == key)
            return line.section('=', 1);
    }
    return "<missing>";
}

class LoginTest : public ClientTest {
protected:
    IrcTestServer& server = IrcTestServer::shared();

    // The window as the program starts it, pointed at the test server.
    Login& signInWindow() {
        Login& login = Login::form();
        pointAt(server);
        return login;
    }
};

TEST_F(LoginTest, FirstRunWithNoFiles) {
    Login& login = Login::form();
    EXPECT_TRUE(G().bRemNick);
    EXPECT_FALSE(G().bRemPass);
    EXPECT_TRUE(G().bStartup);
    EXPECT_FALSE(G().bGuest);
    EXPECT_EQ(Login::checkValue(login.Check3), 1);
    EXPECT_EQ(Login::checkValue(login.check1), 0);
    EXPECT_EQ(Login::checkValue(login.check2), 0);
    EXPECT_EQ(Login::checkValue(login.ChkStartUp), 1);
    EXPECT_EQ(login.Text1->text(), "");
    EXPECT_EQ(login.Text2->text(), "");
    // Reading the options writes nothing, and the entry waits for a sign-in.
    EXPECT_FALSE(QFile::exists(settingsFilePath()));
    EXPECT_FALSE(QFile::exists(entryPath()));
    EXPECT_EQ(login.mnu_Sign->text(), "Sign In");
    EXPECT_TRUE(login.Timer2.isActive());
    EXPECT_FALSE(login.Timer1.isActive());
    EXPECT_EQ(login.gSysTray->ToolTip(), "TazmirKorvu Messenger V. 1.0");
    EXPECT_EQ(login.gSysTray->SourceWindow(), &login);
    EXPECT_EQ(login.gSysTray->Icon(), DebugWin::form().windowIcon().cacheKey());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_LE((login.frameGeometry().center() - screen.center()).manhattanLength(), 2);
}

struct StoredCase {
    const char* name;
    const char* password;
    const char* passwordFlag;
    int rememberPassword;
};

class StoredCredentialsTest : public LoginTest, public testing::WithParamInterface<StoredCase> {};

// Remember-me always ends ticked, filling both boxes and ticking
// remember-password, which an empty stored password unticks again.
TEST_P(StoredCredentialsTest, FillTheBoxesAtLoad) {
    store("tazmir", GetParam().password);
    WriteSetting("irc", "Password", GetParam().passwordFlag);
    WriteSetting("NickName", "bremnick", "False");
    Login& login = Login::form();
    EXPECT_EQ(login.Text1->text(), "tazmir");
    EXPECT_EQ(login.Text2->text(), GetParam().password);
    EXPECT_EQ(Login::checkValue(login.Check3), 1);
    EXPECT_EQ(Login::checkValue(login.check1), GetParam().rememberPassword);
}

INSTANTIATE_TEST_SUITE_P(Cases, StoredCredentialsTest,
                         testing::Values(StoredCase{"Remembered", "secret", "True", 1},
                                         StoredCase{"FlagOff", "secret", "False", 1},
                                         StoredCase{"EmptyPassword", "", "True", 0}),
                         RowName());

TEST_F(LoginTest, GuestAtLoadGivesWayToTheStoredNick) {
    store("bob", "pw");
    WriteSetting("irc", "Guest", "true");
    Login& login = Login::form();
    EXPECT_EQ(Login::checkValue(login.check2), 1);
    EXPECT_EQ(login.Text1->text(), "bob");
    EXPECT_EQ(login.Text2->text(), "pw");
    EXPECT_FALSE(login.Text2->isEnabled());
    EXPECT_FALSE(login.Label4->isEnabled());

    Login::setCheckValue(login.check2, 0);
    EXPECT_EQ(login.Text1->text(), "");
    EXPECT_TRUE(login.Text2->isEnabled());
    Login::setCheckValue(login.check2, 1);
    EXPECT_EQ(login.Text1->text(), "Guest");
}

TEST_F(LoginTest, OptionsThatDoNotReadAsFlags) {
    WriteSetting("irc", "Guest", "maybe");
    WriteSetting("load", "startup", "FALSE");
    ASSERT_TRUE(StartAtLogin::writeEntry(Login::kStartupEntry, "old", "/bin/true"));
    Login& login = Login::form();
    EXPECT_FALSE(G().bGuest);
    EXPECT_EQ(Login::checkValue(login.check2), 0);
    // Start at login switched off: the box unticks and its handler removes the entry.
    EXPECT_EQ(Login::checkValue(login.ChkStartUp), 0);
    EXPECT_FALSE(QFile::exists(entryPath()));
}

TEST_F(LoginTest, SignInConnectsAndStoresWhatTheBoxesSay) {
    Login& login = signInWindow();
    const QString nick = IrcTestServer::uniqueNick("signin");
    login.Text1->setText(nick);
    login.Text2->setText("pw");
    Login::setCheckValue(login.check1, 1);
    login.cmdSignIn_Click();
    EXPECT_EQ(login.mnu_Sign->text(), "Sign Out");
    EXPECT_TRUE(login.Text1->isReadOnly());
    EXPECT_TRUE(login.Text2->isReadOnly());
    EXPECT_TRUE(login.Timer1.isActive());
    EXPECT_TRUE(login.Picture1->isVisibleTo(&login));
    EXPECT_FALSE(login.Image1->isVisibleTo(&login));
    EXPECT_EQ(room().mnu_File_Connect->text(), "&Cancel");

    EXPECT_EQ(stored("name"), nick);
    EXPECT_EQ(stored("pass"), "pw");
    EXPECT_EQ(login.Text2->text(), "pw");
    EXPECT_EQ(login.Text3->text(), "pw"); // the nickname service hears it from here
    EXPECT_EQ(inFile("load", "startup"), "True");
    EXPECT_EQ(inFile("NickName", "bremnick"), "True");
    EXPECT_EQ(inFile("irc", "Password"), "True");
    EXPECT_EQ(inFile("irc", "Guest"), "False");
    QFile entry(entryPath());
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    EXPECT_TRUE(
        QString::fromUtf8(entry.readAll())
            .contains("\nExec=" + DesktopEntry::execValue(QCoreApplication::applicationFilePath()) + "\n"));

    ASSERT_TRUE(waitForWelcome());
    EXPECT_TRUE(login.Label6->isVisibleTo(&login));
    EXPECT_FALSE(login.Text1->isVisibleTo(&login));
    EXPECT_FALSE(login.isVisible()); // the registration replies put it away
    EXPECT_FALSE(login.Timer1.isActive());
}

struct RememberCase {
    const char* name;
    int rememberMe;
    int rememberPassword;
    const char* storedNick;
    const char* storedPassword;
    const char* passwordBox;
};

class RememberTest : public LoginTest, public testing::WithParamInterface<RememberCase> {};

TEST_P(RememberTest, StoresOnlyWhatIsToBeRemembered) {
    Login& login = signInWindow();
    Login::setCheckValue(login.Check3, GetParam().rememberMe);
    Login::setCheckValue(login.check1, GetParam().rememberPassword);
    const QString nick = IrcTestServer::uniqueNick("keeper");
    login.Text1->setText(nick);
    login.Text2->setText("pw");
    login.cmdSignIn_Click();
    EXPECT_EQ(login.Text1->text(), nick); // the connection sends this nick
    EXPECT_EQ(stored("name"), GetParam().storedNick == QString("keeper") ? nick : QString());
    EXPECT_EQ(stored("pass"), GetParam().storedPassword);
    EXPECT_EQ(login.Text2->text(), GetParam().passwordBox);
    EXPECT_EQ(login.Text3->text(), "pw");
}

INSTANTIATE_TEST_SUITE_P(Cases, RememberTest,
                         testing::Values(RememberCase{"Both", 1, 1, "keeper", "pw", "pw"},
                                         RememberCase{"NotTheNick", 0, 1, "", "pw", "pw"},
                                         RememberCase{"NotThePassword", 1, 0, "keeper", "", ""}),
                         RowName());

TEST_F(LoginTest, StartAtLoginFollowsItsBoxAtSignIn) {
    Login& login = signInWindow();
    login.Text1->setText(IrcTestServer::uniqueNick("start"));
    login.cmdSignIn_Click();
    EXPECT_TRUE(QFile::exists(entryPath()));
    room().mnu_File_Connect_Click();           // cancel
    Login::setCheckValue(login.ChkStartUp, 0); // its own handler removes the entry
    ASSERT_TRUE(StartAtLogin::writeEntry(Login::kStartupEntry, "again", "/bin/true"));
    login.cmdSignIn_Click(); // and the sign-in removes it too
    EXPECT_FALSE(QFile::exists(entryPath()));
    EXPECT_EQ(inFile("load", "startup"), "False");
}

// Where the entry cannot be written the sign-in stores nothing more, but the
// connection it started goes on.
TEST_F(LoginTest, AnUnwritableAutostartFolderSkipsTheStoring) {
    const QString autostart = QFileInfo(entryPath()).path();
    QDir(autostart).removeRecursively();
    QFile blocker(autostart); // a file where the folder belongs: not even root writes there
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Login& login = signInWindow();
    login.Text1->setText(IrcTestServer::uniqueNick("nostore"));
    login.cmdSignIn_Click();
    EXPECT_EQ(stored("name"), "<none>");
    EXPECT_EQ(inFile("load", "startup"), "<missing>");
    EXPECT_TRUE(waitForWelcome());
    QFile::remove(autostart);
}

TEST_F(LoginTest, AnEmptyNickIsRefusedButTheOptionsAreStored) {
    Login& login = signInWindow();
    login.cmdSignIn_Click();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].prompt, "Enter Your NickName");
    EXPECT_EQ(boxes[0].title, "No NickName");
    EXPECT_EQ(boxes[0].icon, Dialogs::Icon::Exclamation);
    EXPECT_EQ(boxes[0].buttons, Dialogs::Buttons::Ok);
    EXPECT_EQ(room().mnu_File_Connect->text(), "&Connect");
    EXPECT_FALSE(login.Timer1.isActive());
    EXPECT_TRUE(login.Image1->isVisibleTo(&login));
    EXPECT_FALSE(login.Text1->isReadOnly());
    EXPECT_EQ(inFile("load", "startup"), "True");
}

TEST_F(LoginTest, SigningInWhileSignedInOnlyShowsTheNotice) {
    Login& login = Login::form();
    login.Text1->setText("again");
    login.Login_Log();
    login.cmdSignIn_Click();
    ASSERT_NE(frmPopup::loaded(), nullptr);
    EXPECT_TRUE(frmPopup::loaded()->isVisible());
    EXPECT_EQ(Channel::loaded(), nullptr); // no connection was even prepared
}

// Enter in the nick box signs in as the button does; Enter in the password box
// goes straight to the sign-in, past the signed-in test and the resizing.
TEST_F(LoginTest, EnterInTheTwoBoxes) {
    Login& login = signInWindow();
    login.show();
    login.Text1->setText(IrcTestServer::uniqueNick("entered"));
    login.Login_Log();
    login.setWidthTwips(7215);
    QTest::keyClick(login.Text1, Qt::Key_Return);
    EXPECT_EQ(room().mnu_File_Connect->text(), "&Connect");
    ASSERT_NE(frmPopup::loaded(), nullptr);
    QTest::keyClick(login.Text2, Qt::Key_Return);
    EXPECT_EQ(room().mnu_File_Connect->text(), "&Cancel");
    EXPECT_EQ(login.widthTwips(), 7215);
}

TEST_F(LoginTest, TheSignMenuFollowsItsCaption) {
    Login& login = signInWindow();
    login.mnu_Sign->trigger(); // no nick: refused, and the caption stays
    EXPECT_EQ(login.mnu_Sign->text(), "Sign In");
    EXPECT_EQ(boxes.size(), 1u);

    login.Text1->setText(IrcTestServer::uniqueNick("menu"));
    login.mnu_Sign->trigger();
    EXPECT_EQ(login.mnu_Sign->text(), "Sign Out");
    ASSERT_TRUE(waitForWelcome());

    login.mnu_Sign->trigger();
    EXPECT_EQ(login.mnu_Sign->text(), "Sign In");
    EXPECT_FALSE(login.Text1->isReadOnly());
    EXPECT_EQ(room().sock.State(), Winsock::sckClosed);
    EXPECT_TRUE(paneText().contains("You are Disconnected from"));
}

TEST_F(LoginTest, CloseAnsweredNoChangesNothing) {
    Login& login = Login::form();
    login.show();
    login.mnu_Close->trigger();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].prompt, "Are you sure you want to exit TazmirKorvu Messenger?");
    EXPECT_EQ(boxes[0].title, "Tazmir Korvu Messenger");
    EXPECT_EQ(boxes[0].icon, Dialogs::Icon::Question);
    EXPECT_EQ(boxes[0].buttons, Dialogs::Buttons::YesNo);
    EXPECT_TRUE(login.isVisible());
}

// Yes ends the program at once: the event loop ends with 0, nothing more goes
// to the server and the icon leaves the notification area.
TEST_F(LoginTest, CloseAnsweredYesEndsTheProgramAtOnce) {
    Login& login = signInWindow();
    login.Text1->setText(IrcTestServer::uniqueNick("closer"));
    login.cmdSignIn_Click();
    ASSERT_TRUE(waitForWelcome());
    DebugWin::form().show();
    answers.push_back({Dialogs::Answer::Yes, {}});
    EXPECT_EQ(runEventLoop([&] { login.mnu_Close->trigger(); }), 0);
    EXPECT_FALSE(traffic().contains("<< "));
    EXPECT_FALSE(login.gSysTray->NotifyIcon().isVisible());
    EXPECT_EQ(room().sock.State(), Winsock::sckConnected);
}

// There is no notification area offscreen: closing minimises the window
// instead of hiding it where nobody could reach it.
TEST_F(LoginTest, ClosingTheWindowKeepsItWithinReach) {
    Login& login = Login::form();
    login.show();
    login.close();
    EXPECT_NE(Login::loaded(), nullptr);
    EXPECT_TRUE(login.isVisible());
    EXPECT_TRUE(login.isMinimized());
}

TEST_F(LoginTest, TheIconsEventsShowTheRoomAndItsMenu) {
    Login& login = Login::form();
    emit login.gSysTray->NotifyIcon().activated(QSystemTrayIcon::DoubleClick);
    ASSERT_NE(Channel::loaded(), nullptr);
    EXPECT_TRUE(room().isVisible());

    emit login.gSysTray->NotifyIcon().activated(QSystemTrayIcon::Context);
    EXPECT_TRUE(room().mnu_systray->isVisible());
    EXPECT_EQ(login.gSysTray->NotifyIcon().contextMenu()->actions(), room().mnu_systray->actions());
    room().mnu_systray->hide();
}

// A desktop that opens the icon's menu itself, and never reports the right
// button, finds a menu there before anyone has signed in: opening it loads
// the room window hidden and shows the room's tray entries, which work.
TEST_F(LoginTest, TheIconHasAWorkingMenuBeforeTheFirstSignIn) {
    Login& login = Login::form();
    QMenu* menu = login.gSysTray->NotifyIcon().contextMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Channel::loaded(), nullptr); // the room window loads at the first reference only

    menu->popup(QPoint(20, 20)); // as the desktop opens it
    ASSERT_NE(Channel::loaded(), nullptr);
    EXPECT_FALSE(room().isVisible());
    EXPECT_EQ(menu->actions(), room().mnu_systray->actions());
    // Where the desktop also reports the click, no second menu opens over it.
    emit login.gSysTray->NotifyIcon().activated(QSystemTrayIcon::Context);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_FALSE(room().mnu_systray->isVisible());
    menu->hide();

    menu->actions().front()->trigger(); // "&Show Main Window"
    EXPECT_TRUE(login.isVisible());
}

TEST_F(LoginTest, TheRoomsTrayMenu) {
    Login& login = Login::form();
    QStringList captions;
    for (QAction* item : room().mnu_systray->actions())
        captions << (item->isSeparator() ? "-" : item->text());
    EXPECT_EQ(captions,
              QStringList({"&Show Main Window", "&Show ChatRoom", "-", "&About Application/Software",
                           "&About Author/Creator", "-", "&Exit Application"}));
    EXPECT_EQ(room().mnu_systray->title(), "&SysTray");

    room().mnu_systray_hide->trigger();
    EXPECT_TRUE(login.isVisible());
    room().mnu_chatroom->trigger();
    EXPECT_TRUE(room().isVisible());
    room().mnu_systray_about->trigger();
    ASSERT_NE(About::loaded(), nullptr);
    EXPECT_TRUE(About::loaded()->isVisible());
    room().mnu_author_systray->trigger();
    ASSERT_NE(Author::loaded(), nullptr);
    EXPECT_TRUE(Author::loaded()->isVisible());
}

TEST_F(LoginTest, TheHelpMenu) {
    Login& login = Login::form();
    OpenedUrls opened;
    login.mnu_Feedback->trigger();
    EXPECT_EQ(opened.urls, QList<QUrl>{QUrl(WebAddresses::Feedback)});
    login.mnu_About->trigger();
    login.mnu_author->trigger();
    ASSERT_NE(About::loaded(), nullptr);
    ASSERT_NE(Author::loaded(), nullptr);
    EXPECT_TRUE(About::loaded()->isVisible());
    EXPECT_TRUE(Author::loaded()->isVisible());
    login.mnu_chatroom->trigger();
    EXPECT_TRUE(room().isVisible());
}

// A runtime folder that cannot hold the lock is no other instance: the window
// loads in full. The lock then goes to a temp folder of the test's own, which
// no other program running meanwhile can hold.
TEST_F(LoginTest, AMissingRuntimeFolderIsNoOtherInstance) {
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray savedTemp = qgetenv("TMPDIR");
    QTemporaryDir nowhere;
    qputenv("XDG_RUNTIME_DIR", QDir(nowhere.path()).filePath("missing").toUtf8());
    qputenv("TMPDIR", nowhere.path().toUtf8());
    Login& login = Login::form();
    qputenv("XDG_RUNTIME_DIR", savedRuntime);
    qputenv("TMPDIR", savedTemp);
    EXPECT_FALSE(login.closedWhileLoading());
    EXPECT_TRUE(login.Timer2.isActive());
    EXPECT_EQ(Login::loaded(), &login);
}

TEST_F(LoginTest, AnotherInstanceClosesTheWindowWhileItLoads) {
    InstanceLock running(QStringLiteral("tazmir-korvu"));
    ASSERT_TRUE(running.tryLock());
    Login& login = Login::form();
    EXPECT_TRUE(login.closedWhileLoading());
    EXPECT_FALSE(login.isVisible());
    EXPECT_FALSE(login.Timer2.isActive()); // the load stopped at the test
    EXPECT_TRUE(waitUntil([] { return Login::loaded() == nullptr; }));
}

TEST_F(LoginTest, TheLockGoesWithTheWindow) {
    Login::form();
    InstanceLock other(QStringLiteral("tazmir-korvu"));
    EXPECT_FALSE(other.tryLock());
    resetClient();
    EXPECT_TRUE(other.tryLock());
}

// Offscreen there is no notification area, so closing the window minimised
// it. Each path that shows it again brings it back into view.
class BackIntoViewTest;
struct ShowingPath {
    const char* name;
    void (BackIntoViewTest::*showsTheWindow)();
};

void PrintTo(const ShowingPath& path, std::ostream* os) {
    *os << path.name;
}

class BackIntoViewTest : public ClientTest, public testing::WithParamInterface<ShowingPath> {
public:
    void roomClosedWithYes() {
        room().show();
        answers.push_back({Dialogs::Answer::Yes, {}});
        room().close();
    }
    void trayShowMainWindow() { room().mnu_systray_hide->trigger(); }
    void kickedFromTheRoom() {
        joinTheRoom();
        feed(":op!o@h KICK #r me :out");
    }
    void roomRefused() {
        joinTheRoom();
        feed(":s 474 me #r :Cannot join channel (+b)");
    }

private:
    void joinTheRoom() {
        loadRoomAs("me");
        G().AutoJoin = "#r";
        feed(":me!u@h JOIN #r");
        ASSERT_EQ(room().RoomName(), "#r");
    }
};

TEST_P(BackIntoViewTest, TheMinimisedWindowComesBack) {
    Login& login = Login::form();
    login.show();
    login.close();
    waitUntil([&] { return login.isMinimized(); });
    ASSERT_TRUE(login.isMinimized());
    (this->*GetParam().showsTheWindow)();
    waitUntil([&] { return login.isVisible() && !login.isMinimized(); });
    EXPECT_TRUE(login.isVisible());
    EXPECT_FALSE(login.isMinimized());
}

INSTANTIATE_TEST_SUITE_P(
    , BackIntoViewTest,
    testing::Values(ShowingPath{"RoomClosed", &BackIntoViewTest::roomClosedWithYes},
                    ShowingPath{"TrayShowMainWindow", &BackIntoViewTest::trayShowMainWindow},
                    ShowingPath{"KickedFromTheRoom", &BackIntoViewTest::kickedFromTheRoom},
                    ShowingPath{"RoomRefused", &BackIntoViewTest::roomRefused}),
    RowName());

} // namespace
