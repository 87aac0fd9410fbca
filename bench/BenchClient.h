#pragma once

#include "ServerProcess.h"

#include <QString>

// Connects the room window of this process to the server, which plays one
// workload to it, and prints one "RESULT ..." line with the figures. The
// process must hold a QApplication.
int runWorkloadHere(const QString& name, const ServerProcess& server);
