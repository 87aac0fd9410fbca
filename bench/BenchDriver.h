#pragma once

#include <QStringList>

struct DriverOptions {
    QStringList workloads;                      // all when empty
    QStringList platforms{"xvfb", "offscreen"}; // xvfb: an X server the driver starts
    int runs = 3;                               // the table shows medians
    double scale = 1.0;
};

// Runs every workload on every platform, each run a fresh process of this
// program, and prints a table of medians. Returns 0 when every run succeeded.
int runDriver(const DriverOptions& options);
