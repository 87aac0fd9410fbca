#include "LoopbackServer.h"

#include <arpa/inet.h>
#include <chrono>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

qint64 nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

LoopbackServer::LoopbackServer() {
    m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(m_listener, 1);
    socklen_t length = sizeof address;
    ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length);
    m_port = ntohs(address.sin_port);
}

LoopbackServer::~LoopbackServer() {
    if (m_peer >= 0)
        ::close(m_peer);
    if (m_listener >= 0)
        ::close(m_listener);
}

bool LoopbackServer::accept() {
    m_peer = ::accept(m_listener, nullptr, nullptr);
    if (m_peer < 0)
        return false;
    ::fcntl(m_peer, F_SETFL, ::fcntl(m_peer, F_GETFL) | O_NONBLOCK);
    return true;
}

std::vector<qint64> LoopbackServer::play(const QByteArray& stream, const QList<QByteArray>& tokens) {
    std::vector<qint64> answered;
    QByteArray received;
    qsizetype written = 0;
    const qint64 start = nowNs();
    while (answered.size() < static_cast<std::size_t>(tokens.size())) {
        pollfd fd{m_peer, static_cast<short>(POLLIN | (written < stream.size() ? POLLOUT : 0)), 0};
        if (::poll(&fd, 1, 60000) <= 0 || (fd.revents & (POLLERR | POLLHUP)))
            break;
        if (fd.revents & POLLOUT) {
            const ssize_t n = ::send(m_peer, stream.constData() + written,
                                     static_cast<std::size_t>(stream.size() - written), MSG_NOSIGNAL);
            if (n > 0)
                written += n;
        }
        if (fd.revents & POLLIN) {
            char buffer[4096];
            const ssize_t n = ::recv(m_peer, buffer, sizeof buffer, 0);
            if (n <= 0)
                break;
            received.append(buffer, n);
            for (;;) {
                if (answered.size() == static_cast<std::size_t>(tokens.size()))
                    break;
                const QByteArray pong = "PONG :" + tokens[static_cast<qsizetype>(answered.size())] + "\n";
                const qsizetype at = received.indexOf(pong);
                if (at < 0)
                    break;
                answered.push_back(nowNs() - start);
                received.remove(0, at + pong.size());
            }
            if (received.size() > 4096)
                received.remove(0, received.size() - 256); // keep what may start an answer
        }
    }
    return answered;
}

void LoopbackServer::waitForClose() {
    ::fcntl(m_peer, F_SETFL, ::fcntl(m_peer, F_GETFL) & ~O_NONBLOCK);
    char buffer[4096];
    while (::recv(m_peer, buffer, sizeof buffer, 0) > 0) {
    }
}
