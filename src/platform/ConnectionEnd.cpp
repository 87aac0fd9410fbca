#include "platform/ConnectionEnd.h"

#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

ConnectionEndProbe::~ConnectionEndProbe() {
    release();
}

void ConnectionEndProbe::watch(qintptr descriptor) {
    release();
    if (descriptor >= 0)
        m_fd = ::fcntl(static_cast<int>(descriptor), F_DUPFD_CLOEXEC, 0);
}

// A reset leaves the connection closed outright. A close leaves it waiting for
// our side to close too, and a reset that comes after the close (our data
// reaching a socket the peer had closed) leaves EPIPE behind: both were closes.
bool ConnectionEndProbe::endedByReset() {
    if (m_fd < 0)
        return false;
    tcp_info info{};
    socklen_t infoSize = sizeof info;
    bool reset = false;
    if (::getsockopt(m_fd, IPPROTO_TCP, TCP_INFO, &info, &infoSize) == 0 && info.tcpi_state == TCP_CLOSE) {
        int pending = 0;
        socklen_t pendingSize = sizeof pending;
        ::getsockopt(m_fd, SOL_SOCKET, SO_ERROR, &pending, &pendingSize);
        reset = pending != EPIPE;
    }
    release();
    return reset;
}

void ConnectionEndProbe::release() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}
