// The start of the program as a person meets it, against a real server: the
// splash, the sign-in window, the room, the tray menu and the exit; a second
// start that finds the nick and password stored; and the program itself
// started twice at once.
#include "account/Login.h"
#include "account/frmPassword.h"
#include "account/frmSplash.h"
#include "chatroom/Channel.h"
#include "fixtures/ClientFixture.h"
#include "fixtures/IrcPeer.h"
#include "fixtures/IrcTestServer.h"
#include "fixtures/Wait.h"
#include "platform/InstanceLock.h"
#include "support/Settings.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QScreen>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <cstdlib>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kSplashMs = 2000;
// Timers may fire a little early; the splash stays about two seconds.
constexpr int kSplashAtLeastMs = kSplashMs * 9 / 10;

// Within the few pixels of the frame the offscreen platform draws around a
// shown window.
bool centred(const QWidget& window) {
    const QPoint off =
        window.frameGeometry().center() - QGuiApplication::primaryScreen()->geometry().center();
    return std::abs(off.x()) <= 4 && std::abs(off.y()) <= 4;
}

class StartUpTest : public ClientTest {};

TEST_F(StartUpTest, TheWholeStartAsAPersonMeetsIt) {
    IrcTestServer& server = IrcTestServer::shared();
    const QString nick = IrcTestServer::uniqueNick("person");
    const QString roomName = "#" + IrcTestServer::uniqueNick("start");
    IrcPeer friendly;
    ASSERT_TRUE(friendly.connectAndRegister(server, IrcTestServer::uniqueNick("friend")));
    friendly.send("JOIN " + roomName);
    friendly.send("TOPIC " + roomName + " :Good morning");
    friendly.waitForLine(QRegularExpression(" TOPIC "));
    WriteSetting("connect", "server", server.host());
    WriteSetting("connect", "autojoin", roomName);

    QElapsedTimer clock;
    clock.start();
    frmSplash::form().show(); // what the program's main does
    EXPECT_TRUE(frmSplash::form().isVisible());
    EXPECT_TRUE(centred(frmSplash::form()));
    ASSERT_TRUE(waitUntil([] { return Login::loaded() && Login::loaded()->isVisible(); }, kSplashMs + 3000));
    EXPECT_GE(clock.elapsed(), kSplashAtLeastMs);
    EXPECT_EQ(frmSplash::loaded(), nullptr);
    Login& login = *Login::loaded();
    EXPECT_TRUE(centred(login));

    pointAt(server); // the port the settings cannot give
    QTest::keyClicks(login.Text1, nick);
    QTest::keyClick(login.Text1, Qt::Key_Return);
    ASSERT_TRUE(waitForPane("You have entered to the chat room", 10000)) << paneText().toStdString();
    friendly.waitForLine(relayedFrom(nick, "JOIN"));
    EXPECT_TRUE(room().isVisible());
    EXPECT_EQ(room().RoomName(), roomName);
    EXPECT_TRUE(login.Label6->isVisibleTo(&login));
    EXPECT_EQ(login.Label6->text(), "You're logged in...");

    room().mnu_systray_hide->trigger();
    EXPECT_TRUE(login.isVisible());
    EXPECT_TRUE(login.Label6->isVisible());

    EXPECT_EQ(runEventLoop([&] { room().mnu_systray_exit->trigger(); }), 0);
    EXPECT_FALSE(friendly.waitForLine(relayedFrom(nick, "QUIT")).isEmpty());
}

TEST_F(StartUpTest, ASecondStartIdentifiesWithTheStoredPassword) {
    IrcTestServer& server = IrcTestServer::shared(IrcTestServer::Services::NickServ);
    const QString nick = IrcTestServer::uniqueNick("back");
    IrcPeer owner;
    ASSERT_TRUE(owner.connectAndRegister(server, nick));
    owner.send("PRIVMSG NickServ :REGISTER secret mail@example.com");
    ASSERT_FALSE(owner.waitForLine(QRegularExpression(" registered\\.$")).isEmpty());
    ASSERT_TRUE(owner.quit());
    // What the first start stored, remembering both.
    saveSetting("TazmirKorvu", "main", "name", nick);
    saveSetting("TazmirKorvu", "main", "pass", "secret");
    WriteSetting("irc", "Password", "True");
    WriteSetting("connect", "autojoin", "#" + IrcTestServer::uniqueNick("back"));

    Login& login = Login::form();
    EXPECT_EQ(login.Text1->text(), nick);
    EXPECT_EQ(login.Text2->text(), "secret");
    EXPECT_EQ(Login::checkValue(login.check1), 1);
    pointAt(server);
    login.cmdSignIn_Click();
    ASSERT_TRUE(waitForPane("Password accepted - you are now recognized.", 10000))
        << paneText().toStdString();
    EXPECT_EQ(frmPassword::loaded(), nullptr);
    EXPECT_EQ(login.Text2->text(), "secret"); // remembered: it stays for the next sign-in
}

// The program itself, twice, with one runtime folder between them. A lock left
// by an instance that died does not stop the first; the second sees the first.
// Each tells which windows it shows, as a person would see them.
class TwoProcessesTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(runtime()));
        QFile::setPermissions(runtime(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        environment.insert("HOME", home.path());
        environment.insert("XDG_CONFIG_HOME", QDir(home.path()).filePath("config"));
        environment.insert("XDG_RUNTIME_DIR", runtime());
        // Where the lock goes when the runtime folder cannot have it.
        environment.insert("TMPDIR", home.path());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("QT_LOGGING_RULES", "korvu.windows.debug=true");
        environment.insert("QT_MESSAGE_PATTERN", "%{category}: %{message}");
    }
    QString runtime() const { return QDir(home.path()).filePath("runtime"); }
    QString lockFile() const { return QDir(runtime()).filePath("tazmir-korvu.lock"); }

    void start(QProcess& program) {
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::MergedChannels);
        // A test that dies takes the program with it.
        program.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
        program.start(QStringLiteral(KORVU_PROGRAM), {});
        ASSERT_TRUE(program.waitForStarted()) << program.errorString().toStdString();
    }
    // The windows the program has shown so far, by class, in order.
    static QStringList shownWindows(QProcess& program, QString& output) {
        output += QString::fromUtf8(program.readAll());
        QStringList shown;
        for (const QString& line : output.split('\n'))
            if (line.startsWith("korvu.windows: shown "))
                shown << line.section(' ', 2).trimmed();
        return shown;
    }
    qint64 lockOwner() const {
        QFile file(lockFile());
        return file.open(QIODevice::ReadOnly) ? file.readLine().trimmed().toLongLong() : 0;
    }
    void leaveLockOfADeadInstance() {
        const pid_t dead = fork();
        if (dead == 0)
            _exit(0);
        waitpid(dead, nullptr, 0);
        QFile file(lockFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::number(dead) + "\ntazmir-korvu\n" + QSysInfo::machineHostName().toUtf8() +
                   "\n");
    }

    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

TEST_F(TwoProcessesTest, TheSecondShowsTheSplashAndEnds) {
    leaveLockOfADeadInstance();
    QProcess first;
    QString firstSaid;
    start(first);
    ASSERT_TRUE(waitUntil([&] { return lockOwner() == first.processId(); }, kSplashMs + 5000))
        << first.readAll().toStdString();
    ASSERT_TRUE(waitUntil([&] { return shownWindows(first, firstSaid).contains("Login"); }, 5000))
        << firstSaid.toStdString();
    EXPECT_EQ(shownWindows(first, firstSaid), (QStringList{"frmSplash", "Login"}));

    QProcess second;
    QString secondSaid;
    QElapsedTimer clock;
    clock.start();
    start(second);
    ASSERT_TRUE(second.waitForFinished(kSplashMs + 8000)) << second.readAll().toStdString();
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_GE(clock.elapsed(), kSplashAtLeastMs); // the splash had its two seconds
    EXPECT_EQ(shownWindows(second, secondSaid), QStringList{"frmSplash"}) << secondSaid.toStdString();
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_EQ(lockOwner(), first.processId());

    first.terminate();
    EXPECT_TRUE(first.waitForFinished());
}

// A runtime folder that cannot hold a lock (a file stands where it should be,
// so not even Qt can make it) is no other instance: the program shows the
// sign-in window and stays, and a second start still finds it running.
TEST_F(TwoProcessesTest, AnUnusableRuntimeFolderStillStartsOneInstance) {
    QFile blocker(QDir(home.path()).filePath("not-a-folder"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    environment.insert("XDG_RUNTIME_DIR", blocker.fileName());
    QProcess first;
    QString firstSaid;
    start(first);
    ASSERT_TRUE(waitUntil([&] { return shownWindows(first, firstSaid).contains("Login"); }, kSplashMs + 5000))
        << firstSaid.toStdString();
    EXPECT_EQ(first.state(), QProcess::Running);

    QProcess second;
    QString secondSaid;
    start(second);
    ASSERT_TRUE(second.waitForFinished(kSplashMs + 8000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(shownWindows(second, secondSaid), QStringList{"frmSplash"}) << secondSaid.toStdString();
    EXPECT_EQ(first.state(), QProcess::Running);

    first.terminate();
    EXPECT_TRUE(first.waitForFinished());
}

} // namespace
