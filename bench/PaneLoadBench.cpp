// The room pane under the loads busy and hostile servers bring, fed through the
// room window's real socket by the loopback server (the window shown, as a user
// has it); every time runs until the client answers a PING sent after the
// workload.
//
//   bench_pane_load                 every workload, three fresh processes each; medians
//   bench_pane_load <workload>      one workload in this process
//
// Workloads:
//   room      100,000 room messages with colours, smileys and links, in tenths:
//             lines a second, the first and the last tenth, peak resident memory
//   members   50,000 JOIN/PART/NICK/QUIT lines in a room of 1,000 members
//   flood     1,000,000 room messages, sent in runs: resident memory after each 100,000
//   stream    1,000,000 lines of every length from a server of its own process at
//             30,000 lines a second: resident memory, how far the client falls behind
//   words     one PRIVMSG line of 1,000,000 bytes of words
//   words300  the same of 300,000 bytes
//   coded     one line of 1,000,000 bytes with a colour or style code every few words
//   smileys   one line of 300,000 ":)" smileys
//   smileys1m one line of 1,000,000 bytes of ":)", half a million pictures
//   mixed1m   one line of 1,000,000 bytes of words, codes and smileys
//
// Run it offscreen (QT_QPA_PLATFORM=offscreen) and under Xvfb
// (QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1400x900x24"); scripts/bench does both.
#include "RoomLoad.h"

#include "account/Login.h"
#include "chatroom/Channel.h"
#include "chatroom/RegisterWindows.h"
#include "platform/RichTextBox.h"
#include "support/Globals.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <sys/resource.h>
#include <vector>

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// KORVU_BENCH_SCALE shrinks or grows every workload (for a quick look under a profiler).
int scaled(int count) {
    static const double scale = qEnvironmentVariable("KORVU_BENCH_SCALE", QStringLiteral("1")).toDouble();
    return std::max(10, int(count * (scale > 0 ? scale : 1)));
}

double mebibytes(long kib) {
    return double(kib) / 1024.0;
}

// A figure of the workload, printed as "name value" for the parent to read.
void report(const char* name, double value) {
    std::printf("%s %.3f\n", name, value);
    std::fflush(stdout);
}

// ---- what the server sends ------------------------------------------------------

// Room chat as people write it: colours, styles, smileys and links.
QList<QByteArray> chatLines(int count, int first = 0) {
    static const char* texts[] = {
        "hello everyone, how are you today? :)",
        "\x03"
        "4red \x03"
        "12blue \x02"
        "bold\x02 and \x1funder\x1f text :D",
        "have a look at http://www.example.org/pages/index.html before tonight",
        "\x03"
        "7,1orange on black\x03 with a wink ;) and a grin :))",
        "nothing special here, just a line of chat of ordinary length",
        "see www.example.com or mail me, mailto:someone@example.com (B-) ok",
    };
    QList<QByteArray> lines;
    lines.reserve(count);
    for (int k = first; k < first + count; ++k)
        lines.append(":user" + QByteArray::number(k % 500) + "!u@host PRIVMSG #bench :" + texts[k % 6]);
    return lines;
}

// A names reply of count members cut into 353 lines of at most 510 bytes, then 366.
QList<QByteArray> namesReply(int count) {
    static const char* prefixes[] = {"@", "%", "+", "", ""};
    const QByteArray lead = ":irc.bench 353 me = #bench :";
    QList<QByteArray> lines;
    QByteArray line = lead;
    for (int k = 0; k < count; ++k) {
        const QByteArray name = QByteArray(prefixes[k % 5]) + "member" + QByteArray::number(k);
        if (line.size() + 1 + name.size() > 510) {
            lines.append(line.trimmed());
            line = lead;
        }
        line += name + ' ';
    }
    lines.append(line.trimmed());
    lines.append(":irc.bench 366 me #bench :End of NAMES list");
    return lines;
}

QList<QByteArray> memberLines(int count) {
    QList<QByteArray> lines;
    lines.reserve(count);
    for (int k = 0; k < count; ++k) {
        const QByteArray nick = "visitor" + QByteArray::number(k / 4);
        switch (k % 4) {
        case 0:
            lines.append(":" + nick + "!v@host JOIN :#bench");
            break;
        case 1:
            lines.append(":" + nick + "!v@host NICK :" + nick + "x");
            break;
        case 2:
            lines.append(":" + nick + "x!v@host PART #bench :bye");
            break;
        default:
            lines.append(":" + nick + "y!v@host QUIT :gone");
            break;
        }
    }
    return lines;
}

QByteArray privmsg(const QByteArray& text) {
    return ":someone!u@host PRIVMSG #bench :" + text;
}

// Text of about bytes bytes, each piece made by piece(k), until it is long enough.
QByteArray longText(int bytes, const std::function<QByteArray(int)>& piece) {
    QByteArray text;
    text.reserve(bytes + 64);
    for (int k = 0; text.size() < bytes; ++k)
        text += piece(k);
    text.truncate(bytes);
    return text;
}

QByteArray words(int k) {
    static const char* list[] = {"lorem ", "ipsum ",       "dolor ",     "sit ",
                                 "amet, ", "consectetur ", "adipiscing "};
    return list[k % 7];
}

QByteArray codedWords(int k) {
    static const char* codes[] = {"\x03"
                                  "4",
                                  "\x02",
                                  "\x03"
                                  "12,1",
                                  "\x1f",
                                  "\x16",
                                  "\x03"};
    return (k % 3 == 0 ? QByteArray(codes[(k / 3) % 6]) : QByteArray()) + words(k);
}

QByteArray smileyWords(int k) {
    static const char* smileys[] = {":) ", ":D ", ";) ", "(beer) ", ":((", "B-) "};
    return k % 2 ? QByteArray(smileys[(k / 2) % 6]) : words(k);
}

QByteArray mixedWords(int k) {
    return k % 3 ? smileyWords(k) : codedWords(k);
}

// ---- workloads (in this process) --------------------------------------------------

// Connects to the loopback server on first use and empties the pane.
void clearPane() {
    server();
    Channel::form().DataIn->setText(QString());
    settle();
}

double timedRun(const QList<QByteArray>& lines) {
    QElapsedTimer clock;
    clock.start();
    server().run(lines);
    return clock.nsecsElapsed() / 1e9;
}

// The line is laid out and painted after the batch it came in, which answers the
// PING behind it: a second PING tells when the client is free again.
void oneLine(const QByteArray& text) {
    clearPane();
    const double cpuBefore = cpuSeconds();
    const double toPong = timedRun({privmsg(text)});
    report("seconds_to_pong", toPong);
    report("seconds", toPong + timedRun({}));
    report("cpu_s", cpuSeconds() - cpuBefore);
    report("pane_chars", Channel::form().DataIn->textLength());
}

void roomText() {
    const int tenth = scaled(10000);
    const int lineCount = tenth * 10;
    clearPane();
    double total = 0;
    for (int part = 0; part < 10; ++part) {
        const double seconds = timedRun(chatLines(tenth, part * tenth));
        total += seconds;
        if (part == 0)
            report("first_tenth_lines_per_s", tenth / seconds);
        if (part == 9)
            report("last_tenth_lines_per_s", tenth / seconds);
    }
    report("lines_per_s", lineCount / total);
    settle();
    report("peak_rss_MiB", mebibytes(statusKiB("VmHWM")));
    report("rss_MiB", mebibytes(statusKiB("VmRSS")));
}

void membersComingAndGoing() {
    clearPane();
    server().run(namesReply(1000));
    clearPane();
    const int lineCount = scaled(50000);
    report("lines_per_s", lineCount / timedRun(memberLines(lineCount)));
    report("members", Channel::form().NickCount());
}

// Lines of every length up to 400 bytes, each with its own number.
QList<QByteArray> floodLines(int count, int first) {
    QList<QByteArray> lines;
    lines.reserve(count);
    for (int k = first; k < first + count; ++k) {
        QByteArray text = "flood line " + QByteArray::number(k) + " ";
        const int length = 20 + int(qint64(k) * 7919 % 380);
        while (text.size() < length)
            text += words(k + text.size());
        lines.append(":flooder" + QByteArray::number(k % 50) +
                     "!f@host PRIVMSG #bench :" + text.left(length));
    }
    return lines;
}

// Sent in runs of 1,000 lines, as a server streams them: what grows is the client's.
void flood() {
    const int step = scaled(100000);
    constexpr int kRun = 1000;
    clearPane();
    for (int part = 1; part <= 10; ++part) {
        for (int sent = 0; sent < step; sent += kRun)
            server().run(qEnvironmentVariableIsSet("KORVU_BENCH_CHAT_FLOOD")
                             ? chatLines(kRun, (part - 1) * step + sent)
                             : floodLines(kRun, (part - 1) * step + sent));
        settle();
        report(QByteArray("rss_MiB_at_" + QByteArray::number(part * step) + "_lines").constData(),
               mebibytes(statusKiB("VmRSS")));
    }
    report("peak_rss_MiB", mebibytes(statusKiB("VmHWM")));
}

// ---- a server of its own process, streaming at a steady rate ---------------------

// The child's side: listens, prints its port, welcomes the one client and streams
// the flood at `rate` lines a second, keeping at most 1 MiB queued as a server's
// send queue does; then a PING, and it ends at the PONG.
int serveFlood(int argc, char** argv, int lines, int rate) {
    QCoreApplication app(argc, argv);
    QTcpServer listener;
    listener.listen(QHostAddress::LocalHost, 0);
    std::printf("%d\n", listener.serverPort());
    std::fflush(stdout);
    QTcpSocket* client = nullptr;
    int sent = 0;
    QTimer tick;
    QObject::connect(&listener, &QTcpServer::newConnection, [&] {
        client = listener.nextPendingConnection();
        client->write(":irc.bench 001 me :Welcome\r\n:me!u@h JOIN :#bench\r\n");
        QObject::connect(client, &QTcpSocket::readyRead, [&] {
            if (client->readAll().contains("PONG :end"))
                app.quit();
        });
        QObject::connect(client, &QTcpSocket::disconnected, &app, &QCoreApplication::quit);
        tick.start(10);
    });
    QObject::connect(&tick, &QTimer::timeout, [&] {
        if (client->bytesToWrite() > (1 << 20))
            return;
        QByteArray chunk;
        const int count = std::min(rate / 100, lines - sent);
        for (const QByteArray& line : floodLines(count, sent))
            chunk += line + "\r\n";
        sent += count;
        if (sent == lines) {
            chunk += "PING :end\r\n";
            tick.stop();
        }
        client->write(chunk);
    });
    return app.exec();
}

// The number of the last flood line in the pane, or -1.
int lastFloodLine() {
    RichTextBox& pane = *Channel::form().DataIn;
    const int end = pane.textLength();
    const QString tail = pane.textRange(std::max(0, end - 1000), 1000);
    const qsizetype at = tail.lastIndexOf(QLatin1String("flood line "));
    return at < 0 ? -1 : QStringView(tail).sliced(at + 11).split(u' ').first().toInt();
}

// A million flood lines from a server of its own process at 30,000 lines a second:
// resident memory as the lines go by.
void stream() {
    constexpr int kRate = 30000;
    const int lines = scaled(1000000);
    const int step = lines / 10;
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {"--serve", QString::number(lines), QString::number(kRate)});
    child.waitForReadyRead(-1);
    const int port = child.readLine().trimmed().toInt();
    Channel& room = Channel::form();
    room.DataIn->setText(QString());
    G().ServerHost = QStringLiteral("127.0.0.1");
    room.Text1->setText(QString::number(port));
    room.mnu_File_Connect_Click();
    QElapsedTimer clock;
    clock.start();
    int nextReport = step;
    // Lines sent but not shown yet: the server sends at its rate from the first line.
    QElapsedTimer sinceFirst;
    double mostBehind = 0;
    while (child.state() != QProcess::NotRunning) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        const int shown = lastFloodLine() + 1;
        if (shown > 0 && !sinceFirst.isValid())
            sinceFirst.start();
        if (shown > 0 && sinceFirst.isValid())
            mostBehind =
                std::max(mostBehind, std::min<double>(lines, sinceFirst.elapsed() * kRate / 1000.0) - shown);
        if (lastFloodLine() + 1 >= nextReport) {
            report(QByteArray("rss_MiB_at_" + QByteArray::number(nextReport) + "_lines").constData(),
                   mebibytes(statusKiB("VmRSS")));
            nextReport += step;
        }
    }
    report("lines_per_s", lines / (clock.nsecsElapsed() / 1e9));
    report("most_lines_behind", mostBehind);
    report("peak_rss_MiB", mebibytes(statusKiB("VmHWM")));
}

const std::map<QString, std::function<void()>>& workloads() {
    static const std::map<QString, std::function<void()>> table{
        {"room", roomText},
        {"members", membersComingAndGoing},
        {"flood", flood},
        {"stream", stream},
        {"words", [] { oneLine(longText(scaled(1000000), words)); }},
        {"words300", [] { oneLine(longText(scaled(300000), words)); }},
        {"coded", [] { oneLine(longText(scaled(1000000), codedWords)); }},
        {"smileys", [] { oneLine(longText(scaled(600000), [](int) { return QByteArray(":)"); })); }},
        {"smileys1m", [] { oneLine(longText(scaled(1000000), [](int) { return QByteArray(":)"); })); }},
        {"mixed1m", [] { oneLine(longText(scaled(1000000), mixedWords)); }},
    };
    return table;
}

int runWorkload(int argc, char** argv, const QString& name) {
    QTemporaryDir settings; // never the user's settings
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TazmirKorvuBench"));
    registerWindows();
    Login::form().Text1->setText(QStringLiteral("me"));
    Channel::form().show();
    settle();
    workloads().at(name)();
    return 0;
}

// ---- the parent: fresh processes, medians ------------------------------------------

std::map<QString, double> runChild(const QString& program, const QString& workload) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(program, {workload});
    child.waitForFinished(-1);
    std::map<QString, double> figures;
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() == 2)
            figures[QString::fromUtf8(parts[0])] = parts[1].toDouble();
    }
    return figures;
}

int runAll(const QString& program) {
    constexpr int kRuns = 3;
    std::printf("platform %s, medians of %d\n", qgetenv("QT_QPA_PLATFORM").constData(), kRuns);
    for (const auto& [workload, run] : workloads()) {
        std::map<QString, std::vector<double>> samples;
        for (int k = 0; k < kRuns; ++k)
            for (const auto& [name, value] : runChild(program, workload))
                samples[name].push_back(value);
        for (auto& [name, values] : samples) {
            std::sort(values.begin(), values.end());
            std::printf("%-9s %-26s %12.3f\n", qPrintable(workload), qPrintable(name),
                        values[values.size() / 2]);
        }
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 3 && QByteArray(argv[1]) == "--serve")
        return serveFlood(argc, argv, QByteArray(argv[2]).toInt(), QByteArray(argv[3]).toInt());
    if (argc > 1)
        return workloads().count(argv[1]) ? runWorkload(argc, argv, argv[1]) : 2;
    QCoreApplication app(argc, argv);
    return runAll(QCoreApplication::applicationFilePath());
}
