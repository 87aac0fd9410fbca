// The real receive path under load: a loopback server of our own writes IRC
// lines to the room window's socket, which is shown on the offscreen platform as
// a user has it; each workload ends with a PING whose PONG tells that every line
// before it went through sock_DataArrival, interpret, the pane and the nick list.
#include "chatroom/Channel.h"
#include "chatroom/RegisterWindows.h"
#include "account/Login.h"
#include "platform/RichTextBox.h"
#include "support/ColouredText.h"
#include "support/Globals.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

namespace {

// The server side of the room window's connection.
class LoopbackServer {
public:
    LoopbackServer() {
        m_server.listen(QHostAddress::LocalHost, 0);
        Channel& room = Channel::form();
        G().ServerHost = QStringLiteral("127.0.0.1");
        room.Text1->setText(QString::number(m_server.serverPort()));
        room.mnu_File_Connect_Click();
        while (!m_server.hasPendingConnections())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        m_peer.reset(m_server.nextPendingConnection());
        while (room.sock.State() != 7 || !room.mnu_File_Disconnect->isEnabled())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        run({":irc.bench 001 me :Welcome", ":me!u@h JOIN :#bench"});
    }

    // Writes the lines as fast as the connection takes them, as a busy server
    // does, and returns once the room window has handled all of them.
    void run(const QList<QByteArray>& lines) {
        QByteArray stream;
        for (const QByteArray& line : lines)
            stream += line + "\r\n";
        const QByteArray token = "done" + QByteArray::number(++m_round);
        stream += "PING :" + token + "\r\n";
        m_received.clear();
        m_peer->write(stream);
        while (!m_received.contains("PONG :" + token)) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            m_received += m_peer->readAll();
        }
    }

private:
    QTcpServer m_server;
    std::unique_ptr<QTcpSocket> m_peer;
    QByteArray m_received;
    int m_round = 0;
};

LoopbackServer& server() {
    static LoopbackServer instance;
    return instance;
}

QList<QByteArray> roomLines(int count) {
    static const char* texts[] = {
        "hello everyone, how are you today? :)",
        "\x03" "4red \x03" "12blue \x02" "bold\x02 and \x1funder\x1f text :D",
        "nothing special here, just a line of chat of ordinary length",
        "\x03" "7,1orange on black\x03 with a wink ;) and a grin :))",
    };
    QList<QByteArray> lines;
    lines.reserve(count);
    for (int k = 0; k < count; ++k)
        lines.append(":user" + QByteArray::number(k % 500) + "!u@host PRIVMSG #bench :" + texts[k % 4]);
    return lines;
}

QList<QByteArray> memberLines(int count) {
    QList<QByteArray> lines;
    lines.reserve(count);
    for (int k = 0; k < count; ++k) {
        const QByteArray nick = "visitor" + QByteArray::number(k / 4);
        switch (k % 4) {
        case 0: lines.append(":" + nick + "!v@host JOIN :#bench"); break;
        case 1: lines.append(":" + nick + "!v@host NICK :" + nick + "x"); break;
        case 2: lines.append(":" + nick + "x!v@host PART #bench :bye"); break;
        default: lines.append(":" + nick + "y!v@host QUIT :gone"); break;
        }
    }
    return lines;
}

QByteArray namesLine(int count) {
    QByteArray line = ":irc.bench 353 me = #bench :";
    static const char* prefixes[] = {"@", "%", "+", "", ""};
    for (int k = 0; k < count; ++k)
        line += QByteArray(prefixes[k % 5]) + "member" + QByteArray::number(k) + (k + 1 < count ? " " : "");
    return line;
}

// Lets the work a workload left behind (painting, deferred deletes) finish
// before the next one is timed.
void settle() {
    for (int k = 0; k < 50; ++k)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void clearPane() {
    Channel::form().DataIn->setText(QString());
    settle();
}

long residentKiB() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// Times lines through the room window, from an empty pane, as lines per second.
void timeLines(benchmark::State& state, const QList<QByteArray>& lines) {
    for (auto _ : state) {
        clearPane();
        QElapsedTimer clock;
        clock.start();
        server().run(lines);
        const double seconds = clock.nsecsElapsed() / 1e9;
        state.counters["lines_per_s"] = benchmark::Counter(static_cast<double>(lines.size()) / seconds);
        state.SetIterationTime(seconds);
    }
}

void RoomMessages(benchmark::State& state) {
    timeLines(state, roomLines(static_cast<int>(state.range(0))));
    state.counters["rss_MiB"] = static_cast<double>(residentKiB()) / 1024.0;
}

void MembersComingAndGoing(benchmark::State& state) {
    timeLines(state, memberLines(static_cast<int>(state.range(0))));
}

void NamesReply(benchmark::State& state) {
    const QByteArray line = namesLine(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Channel::form().Nicks.Clear();
        settle();
        QElapsedTimer clock;
        clock.start();
        server().run({line});
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    }
    state.counters["members"] = Channel::form().NickCount();
}

// The reply handled as it arrives, without the time the bytes take to come.
void NamesReplyHandling(benchmark::State& state) {
    const QByteArray line = namesLine(static_cast<int>(state.range(0))) + "\r\n";
    for (auto _ : state) {
        Channel::form().Nicks.Clear();
        settle();
        QElapsedTimer clock;
        clock.start();
        Channel::form().ReceiveChunk(line);
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    }
}

// The rate of the first and the last tenth of a long run must be alike: no work
// per line may grow with the scrollback or the nick list.
void LongRunTenths(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const int tenth = count / 10;
    for (auto _ : state) {
        clearPane();
        double first = 0;
        double last = 0;
        QElapsedTimer whole;
        whole.start();
        for (int part = 0; part < 10; ++part) {
            QList<QByteArray> lines = roomLines(tenth);
            if (part % 2)
                lines = memberLines(tenth);
            QElapsedTimer clock;
            clock.start();
            server().run(lines);
            const double rate = tenth / (clock.nsecsElapsed() / 1e9);
            if (part == 0)
                first = rate;
            if (part == 8)
                last = rate; // room lines, like the first tenth
        }
        state.SetIterationTime(whole.nsecsElapsed() / 1e9);
        state.counters["first_tenth_lines_per_s"] = first;
        state.counters["last_room_tenth_lines_per_s"] = last;
    }
}

// KORVU_BENCH_SCALE shrinks every workload (for a quick look under a profiler).
int scaled(int lines) {
    static const double scale = qEnvironmentVariable("KORVU_BENCH_SCALE", QStringLiteral("1")).toDouble();
    return std::max(10, static_cast<int>(lines * (scale > 0 ? scale : 1)));
}

BENCHMARK(RoomMessages)->Arg(scaled(100000))->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(MembersComingAndGoing)->Arg(scaled(50000))->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(NamesReply)->Arg(scaled(20000))->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(NamesReplyHandling)->Arg(scaled(20000))->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(LongRunTenths)->Arg(scaled(200000))->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QTemporaryDir settings; // the benchmark never touches the user's settings
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TazmirKorvuBench"));
    RegisterWindows();
    Login::form().Text1->setText(QStringLiteral("me"));
    Channel::form().show();
    server();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
