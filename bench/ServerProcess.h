#pragma once

#include <QString>
#include <sys/types.h>

// The server side of one benchmark run, in a process of its own forked before
// the client starts, so that the client's memory and CPU are the client's alone:
// it builds the workload, plays it to the client over loopback as fast as the
// connection takes, times each PONG, reads the client's CPU time, and writes
// its figures as one line to a pipe.
struct ServerProcess {
    pid_t pid = -1;
    int port = 0;
    int figuresFd = -1; // the line comes here once the workload is played

    // Forks the server; call before the client's application object exists.
    static ServerProcess start(const QString& workload, double scale);
};
