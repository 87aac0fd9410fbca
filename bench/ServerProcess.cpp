#include "ServerProcess.h"

#include "LoopbackServer.h"
#include "Workloads.h"

#include <QFile>
#include <cstdio>
#include <thread>
#include <unistd.h>

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

// Nanoseconds the client's main thread (its only GUI thread) has run.
qint64 clientCpuNs(pid_t client) {
    QFile stat(QStringLiteral("/proc/%1/task/%1/schedstat").arg(client));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    return stat.readAll().split(' ').first().toLongLong();
}

struct Figures {
    int lines = 0;
    double totalMs = 0;
    double cpuMs = 0;
    double firstTenthRate = 0;
    double lastTenthRate = 0;
};

// Writes stream with a PING after it; true once its PONG came.
bool playUntimed(LoopbackServer& server, const QByteArray& stream) {
    return server.play(stream + ping("untimed"), {"untimed"}).size() == 1;
}

// The lead lines, then the body in tenths, a PING after each and one at the end.
Figures playTimed(LoopbackServer& server, const Workload& work, pid_t client) {
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
    tokens.append("end");
    stream += ping("end");
    const qint64 cpuBefore = clientCpuNs(client);
    const std::vector<qint64> times = server.play(stream, tokens);
    Figures figures;
    figures.cpuMs = static_cast<double>(clientCpuNs(client) - cpuBefore) / 1e6;
    figures.lines = static_cast<int>(work.lead.size() + work.body.size());
    if (times.size() != static_cast<std::size_t>(tokens.size()))
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

[[noreturn]] void serve(LoopbackServer& server, const QString& name, double scale, pid_t client, int out) {
    Figures figures;
    const QByteArray welcome =
        ":irc.bench 001 " + kBenchNick + " :Welcome\r\n:" + kBenchNick + "!u@h JOIN :" + kBenchRoom + "\r\n";
    if (server.accept() && playUntimed(server, welcome)) {
        const Workload work = makeWorkload(name, scale);
        if (work.untimed.empty() || playUntimed(server, joined(work.untimed))) {
            // The client's connect handler pauses for a second after connecting
            // (the web panes are told their pages in between), and what the set-up
            // left behind (painting, deferred deletes) ends too, before the timing.
            std::this_thread::sleep_for(std::chrono::milliseconds(1500));
            figures = playTimed(server, work, client);
        }
    }
    char line[256];
    const int length = std::snprintf(
        line, sizeof line, "lines=%d total_ms=%.3f cpu_ms=%.3f first_rate=%.1f last_rate=%.1f\n",
        figures.lines, figures.totalMs, figures.cpuMs, figures.firstTenthRate, figures.lastTenthRate);
    [[maybe_unused]] const ssize_t written = ::write(out, line, static_cast<std::size_t>(length));
    server.waitForClose();
    _exit(0);
}

} // namespace

ServerProcess ServerProcess::start(const QString& workload, double scale) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return {};
    auto* server = new LoopbackServer; // listening before the fork, so the client finds it
    const pid_t client = ::getpid();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(pipeFds[0]);
        serve(*server, workload, scale, client, pipeFds[1]);
    }
    ::close(pipeFds[1]);
    ServerProcess process{pid, server->port(), pipeFds[0]};
    delete server; // the client's copy of the listener
    return process;
}
