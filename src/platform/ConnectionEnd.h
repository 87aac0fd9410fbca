#pragma once

#include <QtGlobal>

// A second handle on a connected TCP socket. The socket layer reads a reset
// like an orderly close and lets go of its own handle at once; this one keeps
// the connection's record alive, so that afterwards the system can still be
// asked how the connection ended: the peer's close (FIN) or a reset (RST).
class ConnectionEndProbe {
public:
    ConnectionEndProbe() = default;
    ~ConnectionEndProbe();
    ConnectionEndProbe(const ConnectionEndProbe&) = delete;
    ConnectionEndProbe& operator=(const ConnectionEndProbe&) = delete;

    // Watches the connection of a connected socket's descriptor.
    void watch(qintptr descriptor);
    // Once the connection has ended: true when the peer reset it. Lets go of the handle.
    bool endedByReset();
    // Lets go of the handle; the connection closes when the socket layer has too.
    void release();

private:
    int m_fd = -1;
};
