// Memory of a session, under a real X server (Xvfb) as on a desktop: the room
// joined with 1,000 members and 1,000 lines in its pane while the two web panes
// exist, hidden, with their pages recorded (the browser engine is not loaded);
// then the Home tab shown, for contrast. Figures are the program's peak resident
// memory (VmHWM) and, once shown, the engine's helper processes (their PSS).
#include "RoomLoad.h"
#include "account/Login.h"
#include "chatroom/Channel.h"
#include "chatroom/RegisterWindows.h"
#include "platform/WebBrowser.h"
#include "platform/WebEngineProcess.h"
#include "support/WebAddresses.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <unistd.h>

namespace {

constexpr int kMembers = 1000;
constexpr int kLines = 1000;

// The room window's two web panes as it holds them: hidden until their tab is
// chosen, told their pages after sign-in.
struct WebPanes {
    WebBrowser* home = nullptr;
    WebBrowser* misc = nullptr;
};

WebPanes& panes() {
    static WebPanes held;
    return held;
}

void addWebPanes(Channel& room) {
    panes().home = new WebBrowser(&room);
    panes().misc = new WebBrowser(&room);
    for (WebBrowser* pane : {panes().home, panes().misc}) {
        pane->setGeometry(10, 76, room.width() - 33, room.height() - 167);
        pane->hide();
    }
    panes().home->Navigate(WebAddresses::Home);
    panes().misc->Navigate(WebAddresses::Misc);
}

double mib(long kib) {
    return static_cast<double>(kib) / 1024.0;
}

bool engineMapped() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngine");
}

// The processes started by this one, and theirs (the engine's zygote starts the renderers).
QList<int> descendants() {
    QHash<int, int> parentOf;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (entry.toInt() > 0 && stat.open(QIODevice::ReadOnly)) {
            // "pid (name) state ppid ...": the name may hold blanks, so count after its ')'.
            const QByteArray text = stat.readAll();
            parentOf[entry.toInt()] = text.mid(text.lastIndexOf(')') + 2).split(' ').value(1).toInt();
        }
    }
    QList<int> found{getpid()};
    for (int k = 0; k < found.size(); ++k)
        for (auto it = parentOf.cbegin(); it != parentOf.cend(); ++it)
            if (it.value() == found[k])
                found.append(it.key());
    found.removeFirst();
    return found;
}

// Proportional set size, so pages the helpers share are counted once.
long helpersPssKiB() {
    long total = 0;
    for (int pid : descendants()) {
        QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
        if (!rollup.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& line : rollup.readAll().split('\n'))
            if (line.startsWith("Pss:"))
                total += line.mid(4).trimmed().split(' ').first().toLong();
    }
    return total;
}

void report(benchmark::State& state) {
    state.counters["peak_rss_MiB"] = mib(statusKiB("VmHWM"));
    state.counters["rss_MiB"] = mib(statusKiB("VmRSS"));
    state.counters["engine_loaded"] = engineMapped();
    state.counters["helpers_pss_MiB"] = mib(helpersPssKiB());
}

void RoomJoinedWebPanesHidden(benchmark::State& state) {
    for (auto _ : state) {
        server().run({namesLine(kMembers)});
        server().run(roomLines(kLines));
        settle();
    }
    state.counters["members"] = Channel::form().NickCount();
    report(state);
}

// Waits, woken by each event, until the pane has its page.
void waitForPage(const WebBrowser& pane) {
    const QDeadlineTimer deadline(30000);
    QTimer tick;
    tick.start(50);
    while ((pane.busy() || pane.locationName().isEmpty()) && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void HomeTabShown(benchmark::State& state) {
    for (auto _ : state) {
        panes().home->show();
        waitForPage(*panes().home);
        settle();
    }
    report(state);
}

BENCHMARK(RoomJoinedWebPanesHidden)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(HomeTabShown)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir settings; // the benchmark never touches the user's settings
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
    prepareWebEngine();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TazmirKorvuBench"));
    registerWindows();
    Login::form().Text1->setText(QStringLiteral("me"));
    Channel& room = Channel::form();
    room.resize(800, 600);
    room.show();
    addWebPanes(room);
    server();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // Pages go before the engine, which ends with the application object.
    delete panes().home;
    delete panes().misc;
    return 0;
}
