// The start-up as the user meets it, measured on the real program's code: the
// time from starting the process to the splash on screen, from the splash to
// the sign-in window, and the processor time the program takes while it sits
// signed in and idle.
//
// The parent starts this same program as a child for each sample (so the
// figures include starting the process and loading its libraries) and plays
// the IRC server for the idle run. Run it under Xvfb to see a real display:
//   xvfb-run -a ./build/bench/bench_startup [runs]
// KORVU_BENCH_IDLE_S sets the idle time (60 s).
#include "account/Login.h"
#include "account/frmSplash.h"
#include "chatroom/Channel.h"
#include "chatroom/RegisterWindows.h"
#include "support/Globals.h"

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLineEdit>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <sys/resource.h>
#include <vector>

namespace {

qint64 monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

double cpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// ---- the child: the program's start, watched ---------------------------------

// Notes when the splash and then the sign-in window are first exposed.
class ExposeWatch : public QObject {
public:
    qint64 splashNs = 0;
    qint64 signInNs = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Expose || !watched->isWindowType() ||
            !static_cast<QWindow*>(watched)->isExposed())
            return false;
        const frmSplash* splash = frmSplash::loaded();
        const Login* login = Login::loaded();
        if (!splashNs && splash && watched == splash->windowHandle())
            splashNs = monotonicNs();
        if (!signInNs && login && watched == login->windowHandle())
            signInNs = monotonicNs();
        return false;
    }
};

// Runs the event loop until done holds, looking every millisecond.
void spinUntil(const std::function<bool()>& done) {
    QEventLoop loop;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    look.start(1);
    if (!done())
        loop.exec();
}

// Signs in against the parent's server and sits there; returns the processor
// time taken over the idle seconds.
double idleSignedIn(quint16 port, int seconds) {
    Login& login = *Login::loaded();
    Channel& room = Channel::form();
    G().ServerHost = QStringLiteral("127.0.0.1");
    room.Text1->setText(QString::number(port));
    room.IDENT.LocalPort = 0;
    login.Text1->setText(QStringLiteral("bench"));
    login.cmdSignIn_Click();
    spinUntil([&] { return room.isVisible() && !room.RoomName().isEmpty(); });
    QEventLoop settle;
    QTimer::singleShot(1000, &settle, &QEventLoop::quit);
    settle.exec();
    const double before = cpuMs();
    QEventLoop idle;
    QTimer::singleShot(seconds * 1000, &idle, &QEventLoop::quit);
    idle.exec();
    return cpuMs() - before;
}

int runChild(int argc, char** argv, quint16 idlePort) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TazmirKorvu"));
    QApplication::setApplicationDisplayName(QStringLiteral("TazmirKorvu Messenger"));
    ExposeWatch watch;
    app.installEventFilter(&watch);
    registerWindows();
    frmSplash::form().show();
    spinUntil([&] { return watch.signInNs != 0; });
    std::printf("splash %lld\nsignin %lld\n", watch.splashNs, watch.signInNs);
    if (idlePort) {
        const int seconds = qEnvironmentVariableIntValue("KORVU_BENCH_IDLE_S");
        std::printf("idle_cpu_ms %.1f\nidle_s %d\n", idleSignedIn(idlePort, seconds > 0 ? seconds : 60),
                    seconds > 0 ? seconds : 60);
    }
    return 0;
}

// ---- the parent: samples and the server -----------------------------------

// Just enough of an IRC server for a sign-in: the welcome, the join of the
// room asked for, and PONGs. Quiet otherwise, as a server is while nobody talks.
class StandInServer : public QObject {
public:
    StandInServer() {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* peer = m_server.nextPendingConnection();
            connect(peer, &QTcpSocket::readyRead, this, [this, peer] { answer(peer); });
        });
    }
    quint16 port() const { return m_server.serverPort(); }

private:
    void answer(QTcpSocket* peer) {
        while (peer->canReadLine()) {
            const QByteArray line = peer->readLine().trimmed();
            const QList<QByteArray> words = line.split(' ');
            const QByteArray command = words.value(0).toUpper();
            const QByteArray argument = words.value(1);
            if (command == "NICK") {
                m_nick = argument;
            } else if (command == "USER") {
                for (const char* number : {"001", "002", "003", "004", "005"})
                    peer->write(":bench.server " + QByteArray(number) + " " + m_nick + " :Hello\r\n");
            } else if (command == "JOIN") {
                peer->write(":" + m_nick + "!u@h JOIN :" + argument + "\r\n:bench.server 353 " + m_nick +
                            " = " + argument + " :" + m_nick + "\r\n:bench.server 366 " + m_nick + " " +
                            argument + " :End\r\n");
            } else if (command == "PING") {
                peer->write(":bench.server PONG " + line.mid(5) + "\r\n");
            }
        }
    }

    QTcpServer m_server;
    QByteArray m_nick = "bench";
};

struct Sample {
    double startToSplashMs;
    double splashToSignInMs;
    QString idleCpu;
};

Sample runSample(const QString& program, quint16 idlePort) {
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home.path());
    environment.insert("XDG_CONFIG_HOME", home.path() + "/config");
    environment.insert("XDG_RUNTIME_DIR", home.path());
    QProcess child;
    child.setProcessEnvironment(environment);
    const qint64 startNs = monotonicNs();
    child.start(program,
                idlePort ? QStringList{"--child", QString::number(idlePort)} : QStringList{"--child"});
    QEventLoop wait;
    QObject::connect(&child, &QProcess::finished, &wait, &QEventLoop::quit);
    if (child.state() != QProcess::NotRunning)
        wait.exec();
    qint64 splashNs = 0;
    qint64 signInNs = 0;
    Sample sample{-1, -1, QString()};
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        const QByteArray key = words.value(0);
        const QByteArray value = words.value(1);
        if (key == "splash")
            splashNs = value.toLongLong();
        if (key == "signin")
            signInNs = value.toLongLong();
        if (key == "idle_cpu_ms" || key == "idle_s")
            sample.idleCpu += QString::fromUtf8(line) + "  ";
    }
    if (splashNs && signInNs) {
        sample.startToSplashMs = (splashNs - startNs) / 1e6;
        sample.splashToSignInMs = (signInNs - splashNs) / 1e6;
    }
    return sample;
}

int runParent(int argc, char** argv) {
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
    std::vector<double> toSplash;
    std::vector<double> toSignIn;
    for (int k = 0; k < runs; ++k) {
        const Sample s = runSample(QCoreApplication::applicationFilePath(), 0);
        toSplash.push_back(s.startToSplashMs);
        toSignIn.push_back(s.splashToSignInMs);
    }
    std::sort(toSplash.begin(), toSplash.end());
    std::sort(toSignIn.begin(), toSignIn.end());
    std::printf("platform: %s, %d runs\n", qPrintable(QGuiApplication::platformName()), runs);
    std::printf("start to splash on screen: min %.1f ms, median %.1f ms, max %.1f ms\n", toSplash.front(),
                toSplash[toSplash.size() / 2], toSplash.back());
    std::printf("splash to sign-in window:  min %.1f ms, median %.1f ms, max %.1f ms\n", toSignIn.front(),
                toSignIn[toSignIn.size() / 2], toSignIn.back());
    std::fflush(stdout);
    StandInServer server;
    const Sample idle = runSample(QCoreApplication::applicationFilePath(), server.port());
    std::printf("signed in and idle: %s\n", qPrintable(idle.idleCpu));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && qstrcmp(argv[1], "--child") == 0)
        return runChild(argc, argv, argc > 2 ? quint16(atoi(argv[2])) : 0);
    return runParent(argc, argv);
}
