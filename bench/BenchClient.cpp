#include "BenchClient.h"

#include "LoopbackServer.h"
#include "Workloads.h"
#include "account/Login.h"
#include "chatroom/Channel.h"
#include "chatroom/RegisterWindows.h"
#include "support/Globals.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace {

QByteArray joined(const std::vector<QByteArray>& lines) {
    QByteArray stream;
    for (const QByteArray& line : lines)
        stream += line + "\r\n";
    return stream;
}

QByteArray ping(const QByteArray& token) {
    return "PING :" + token + "\r\n";
}

// Lets the work a phase left behind (painting, deferred deletes) finish before
// the next one is timed.
void settle() {
    QEventLoop idle;
    QTimer::singleShot(300, &idle, &QEventLoop::quit);
    idle.exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

double peakResidentMiB() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return -1;
}

// The client, connected and in the room.
class BenchClient {
public:
    BenchClient() {
        RegisterWindows();
        Login::form().Text1->setText(QString::fromLatin1(BenchNick));
        Channel& room = Channel::form();
        room.show();
        G().ServerHost = QStringLiteral("127.0.0.1");
        room.Text1->setText(QString::number(m_server.port()));
        room.mnu_File_Connect_Click();
        RunBesideEventLoop([this] { m_server.accept(); });
        play(":irc.bench 001 " + BenchNick + " :Welcome\r\n:" + BenchNick + "!u@h JOIN :" + BenchRoom +
                 "\r\n",
             {});
    }

    // Sends stream with a PING after it and after each marked place; the
    // nanoseconds until each PONG, the last one for the whole stream.
    std::vector<qint64> play(QByteArray stream, QList<QByteArray> tokens) {
        tokens.append("end");
        stream += ping("end");
        std::vector<qint64> times;
        RunBesideEventLoop([&] { times = m_server.play(stream, tokens); });
        return times;
    }

private:
    LoopbackServer m_server;
};

// CPU time of this thread (the client's: the server has a thread of its own),
// which a busy machine disturbs less than the time on the clock.
double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

struct Figures {
    int lines = 0;
    double totalMs = 0;
    double cpuMs = 0;
    double firstTenthRate = 0;
    double lastTenthRate = 0;
    double lookupUs = 0;
};

// The timed stream: the lead lines, then the body in tenths, a PING after each.
Figures playTimed(BenchClient& client, const Workload& work) {
    QByteArray stream = joined(work.lead) + ping("lead");
    QList<QByteArray> tokens{"lead"};
    const std::size_t tenth = std::max<std::size_t>(1, work.body.size() / 10);
    std::vector<std::size_t> tenthSizes;
    for (std::size_t at = 0; at < work.body.size(); at += tenth) {
        const std::size_t end = std::min(work.body.size(), at + tenth);
        for (std::size_t k = at; k < end; ++k)
            stream += work.body[k] + "\r\n";
        tenthSizes.push_back(end - at);
        tokens.append("tenth" + QByteArray::number(static_cast<qsizetype>(tenthSizes.size())));
        stream += ping(tokens.last());
    }
    const double cpuBefore = threadCpuMs();
    const std::vector<qint64> times = client.play(stream, tokens);
    Figures figures;
    figures.cpuMs = threadCpuMs() - cpuBefore;
    figures.lines = static_cast<int>(work.lead.size() + work.body.size());
    if (times.size() != static_cast<std::size_t>(tokens.size()) + 1)
        return figures; // the connection broke
    figures.totalMs = static_cast<double>(times.back()) / 1e6;
    const auto rateOfTenth = [&](std::size_t k) {
        return static_cast<double>(tenthSizes[k]) * 1e9 / static_cast<double>(times[k + 1] - times[k]);
    };
    if (!tenthSizes.empty()) {
        figures.firstTenthRate = rateOfTenth(0);
        figures.lastTenthRate = rateOfTenth(tenthSizes.size() - 1);
    }
    return figures;
}

// What one right click on the nick list asks, for the nicks that are the most
// work to find: the last of many spellings of one nick, and one not there.
double lookupMicroseconds() {
    const Channel& room = Channel::form();
    const QStringList nicks{"CASEVARIANTNICK", "casevariantNICK", "member19999", "nobody"};
    constexpr int Rounds = 2000;
    QElapsedTimer clock;
    clock.start();
    int found = 0;
    for (int k = 0; k < Rounds; ++k) {
        const QString& nick = nicks[k % nicks.size()];
        found += room.isOp(nick) + room.isVoice(nick) + room.isHalfOp(nick);
    }
    std::fprintf(stderr, "flags found: %d\n", found);
    return static_cast<double>(clock.nsecsElapsed()) / 1e3 / Rounds;
}

} // namespace

int RunWorkloadHere(const QString& name, double scale) {
    const Workload work = MakeWorkload(name, scale);
    if (work.name.isEmpty()) {
        std::fprintf(stderr, "unknown workload %s\n", qPrintable(name));
        return 2;
    }
    BenchClient client;
    if (!work.untimed.empty())
        client.play(joined(work.untimed), {});
    settle();
    Figures figures;
    if (work.name == QLatin1String("lookups"))
        figures.lookupUs = lookupMicroseconds();
    else
        figures = playTimed(client, work);
    const Channel& room = Channel::form();
    std::printf("RESULT lines=%d total_ms=%.3f cpu_ms=%.3f first_rate=%.1f last_rate=%.1f lookup_us=%.3f "
                "peak_mib=%.1f members=%d count=%s\n",
                figures.lines, figures.totalMs, figures.cpuMs, figures.firstTenthRate, figures.lastTenthRate,
                figures.lookupUs, peakResidentMiB(), room.NickCount(),
                qPrintable(room.cmdCount->text().simplified().remove(' ')));
    std::fflush(stdout);
    return figures.totalMs > 0 || figures.lookupUs > 0 ? 0 : 1;
}
