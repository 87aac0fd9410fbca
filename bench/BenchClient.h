#pragma once

#include <QString>

// Plays one workload to the room window of this process over a real loopback
// connection and prints one "RESULT ..." line with its figures. The process
// must hold a QApplication.
int RunWorkloadHere(const QString& name, double scale);
