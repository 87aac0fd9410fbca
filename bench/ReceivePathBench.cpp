// The real receive path under load: a loopback server of our own writes IRC
// lines to the room window's socket, which is shown on the offscreen platform as
// a user has it; each workload ends with a PING whose PONG tells that every line
// before it went through sock_DataArrival, interpret, the pane and the nick list.
#include "RoomLoad.h"
#include "chatroom/Channel.h"
#include "chatroom/RegisterWindows.h"
#include "account/Login.h"
#include "platform/RichTextBox.h"
#include "support/ColouredText.h"
#include "support/Globals.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

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

void clearPane() {
    Channel::form().DataIn->setText(QString());
    settle();
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
    state.counters["rss_MiB"] = static_cast<double>(statusKiB("VmRSS")) / 1024.0;
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
