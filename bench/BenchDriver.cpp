#include "BenchDriver.h"

#include "Workloads.h"
#include "XvfbDisplay.h"

#include <QCoreApplication>
#include <QHash>
#include <QProcess>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

using Result = QHash<QString, double>; // the figures of one RESULT line

constexpr double kMinLinesForTenths = 10000;

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// One run of a workload in a fresh process, so that its peak memory is its own.
bool runOnce(const QString& workload, const QString& platform, const QString& display, double scale,
             Result& result) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", platform == QLatin1String("xvfb") ? "xcb" : "offscreen");
    if (platform == QLatin1String("xvfb"))
        environment.insert("DISPLAY", display);
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {"--child", workload, "--scale", QString::number(scale)});
    if (!child.waitForFinished(30 * 60 * 1000))
        return false;
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        if (!line.startsWith("RESULT "))
            continue;
        std::fprintf(stderr, "%s %s: %s\n", qPrintable(platform), qPrintable(workload), line.constData());
        for (const QByteArray& pair : line.mid(7).split(' ')) {
            const qsizetype at = pair.indexOf('=');
            if (at > 0)
                result.insert(QString::fromLatin1(pair.left(at)), pair.mid(at + 1).toDouble());
        }
    }
    return child.exitCode() == 0 && !result.isEmpty();
}

QString figure(double value, int decimals = 0) {
    return QString::number(value, 'f', decimals);
}

QString tableRow(const QString& title, const std::vector<Result>& runs) {
    const auto med = [&](const char* key) {
        std::vector<double> values;
        for (const Result& run : runs)
            values.push_back(run.value(QString::fromLatin1(key)));
        return median(values);
    };
    if (med("lookup_us") > 0)
        return QStringLiteral("| %1 | | %2 µs per click | | | | | | %3 MiB |")
            .arg(title, figure(med("lookup_us"), 2), figure(med("peak_mib"), 1));
    const double ms = med("total_ms");
    const double lines = med("lines");
    // A tenth of a short workload lasts a few milliseconds: about as long as the
    // client may hold an answer before sending it, so no rate can be read from it.
    const bool tenths = lines >= kMinLinesForTenths;
    const double first = med("first_rate");
    const double last = med("last_rate");
    return QStringLiteral("| %1 | %2 | %3 ms | %4 ms | %5 | %6 | %7 | %8 | %9 MiB |")
        .arg(title, figure(lines), figure(ms, 1), figure(med("cpu_ms"), 1),
             figure(ms > 0 ? lines * 1000 / ms : 0), tenths ? figure(first) : "-",
             tenths ? figure(last) : "-", tenths && first > 0 ? figure(last / first, 2) : "-",
             figure(med("peak_mib"), 1));
}

} // namespace

int runDriver(const DriverOptions& options) {
    const QStringList workloads = options.workloads.isEmpty() ? workloadNames() : options.workloads;
    std::unique_ptr<XvfbDisplay> xvfb;
    if (options.platforms.contains("xvfb")) {
        xvfb = std::make_unique<XvfbDisplay>();
        if (xvfb->name().isEmpty()) {
            std::fprintf(stderr, "Xvfb did not start\n");
            return 1;
        }
    }
    bool allRan = true;
    QString tables;
    for (const QString& platform : options.platforms) {
        tables += QStringLiteral("\n%1, medians of %2 runs\n\n").arg(platform).arg(options.runs);
        tables +=
            "| workload | lines | time | client CPU | lines/s | first tenth, lines/s | last tenth, lines/s "
            "| last/first | peak RSS |\n|---|---|---|---|---|---|---|---|---|\n";
        for (const QString& workload : workloads) {
            std::vector<Result> runs;
            for (int k = 0; k < options.runs; ++k) {
                Result result;
                if (runOnce(workload, platform, xvfb ? xvfb->name() : QString(), options.scale, result))
                    runs.push_back(result);
                else
                    allRan = false;
            }
            tables += tableRow(makeWorkload(workload, options.scale).title, runs) + "\n";
        }
    }
    QTextStream(stdout) << tables;
    return allRan ? 0 : 1;
}
