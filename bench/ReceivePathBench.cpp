// The receive path under load, as a user meets it: a loopback server writes
// what a real server sends to the room window's socket, with the window shown
// under Xvfb and on the offscreen platform. Each run times from the first byte
// until the client answers a PING sent after the workload, and prints lines a
// second, the first tenth against the last, and peak resident memory. The server
// runs in a process of its own, so the client's memory and CPU are its alone.
//
//   bench_receive_path [--workloads names,members,...] [--platforms xvfb,offscreen]
//                      [--runs 3] [--scale 1.0]
//   bench_receive_path --child WORKLOAD [--scale s]   one run in this process
#include "BenchClient.h"
#include "BenchDriver.h"
#include "Workloads.h"
#include "platform/HeapPages.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>

namespace {

QString valueOf(const QStringList& args, const QString& option, const QString& fallback) {
    const qsizetype at = args.indexOf(option);
    return at >= 0 && at + 1 < args.size() ? args[at + 1] : fallback;
}

int runChild(int argc, char** argv, const QString& workload, double scale) {
    const ServerProcess server = ServerProcess::start(workload, scale);
    if (server.pid < 0)
        return 1;
    QTemporaryDir settings; // the benchmark never touches the user's settings
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TazmirKorvuBench"));
    return runWorkloadHere(workload, server);
}

} // namespace

int main(int argc, char** argv) {
    startWithHugeHeapPages(argv); // a run's process starts as the program does
    QStringList args;
    for (int k = 1; k < argc; ++k)
        args << QString::fromLocal8Bit(argv[k]);
    const double scale = valueOf(args, "--scale", "1").toDouble();
    if (args.contains("--child"))
        return runChild(argc, argv, valueOf(args, "--child", QString()), scale > 0 ? scale : 1);

    QCoreApplication app(argc, argv);
    DriverOptions options;
    options.scale = scale > 0 ? scale : 1;
    options.runs = std::max(1, valueOf(args, "--runs", "3").toInt());
    if (args.contains("--workloads"))
        options.workloads = valueOf(args, "--workloads", QString()).split(',', Qt::SkipEmptyParts);
    if (args.contains("--platforms"))
        options.platforms = valueOf(args, "--platforms", QString()).split(',', Qt::SkipEmptyParts);
    if (args.contains("--help")) {
        std::printf("workloads: %s\n", qPrintable(workloadNames().join(',')));
        return 0;
    }
    return runDriver(options);
}
