#include "XvfbDisplay.h"

#include <csignal>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

// The server picks a free display number itself and writes it to a pipe.
XvfbDisplay::XvfbDisplay() {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return;
    m_pid = ::fork();
    if (m_pid == 0) {
        ::close(pipeEnds[0]);
        const std::string fd = std::to_string(pipeEnds[1]);
        ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1400x900x24", "-nolisten", "tcp",
                 static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(pipeEnds[1]);
    std::string number;
    char c = 0;
    while (m_pid > 0 && ::read(pipeEnds[0], &c, 1) == 1 && c != '\n')
        number += c;
    ::close(pipeEnds[0]);
    if (!number.empty())
        m_name = QStringLiteral(":") + QString::fromStdString(number);
}

XvfbDisplay::~XvfbDisplay() {
    if (m_pid <= 0)
        return;
    ::kill(m_pid, SIGTERM);
    ::waitpid(m_pid, nullptr, 0);
}
