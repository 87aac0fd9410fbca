#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// What a server sends in each workload, as lines without their line ends.
// Untimed lines set the room up; lead lines are timed but not counted in the
// tenths (a names reply before the members leave); body lines are timed in tenths.
struct Workload {
    QString name;
    QString title; // as the table shows it
    std::vector<QByteArray> untimed;
    std::vector<QByteArray> lead;
    std::vector<QByteArray> body;
};

// The room every workload plays in, and the nick the client registers with.
inline const QByteArray kBenchRoom = "#bench";
inline const QByteArray kBenchNick = "me";

// scale shrinks every workload (for a quick look under a profiler).
Workload makeWorkload(const QString& name, double scale);
QStringList workloadNames();

// A names reply cut into 353 lines of at most 510 bytes, as ngircd sends it, then 366.
std::vector<QByteArray> namesReply(const std::vector<QByteArray>& names);
