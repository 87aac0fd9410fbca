#pragma once

#include <QString>
#include <sys/types.h>

// A virtual X server of our own for the runs on a real display; stopped when
// this object goes.
class XvfbDisplay {
public:
    XvfbDisplay();
    ~XvfbDisplay();
    XvfbDisplay(const XvfbDisplay&) = delete;
    XvfbDisplay& operator=(const XvfbDisplay&) = delete;

    // ":n", or "" when the server did not start.
    QString name() const { return m_name; }

private:
    pid_t m_pid = -1;
    QString m_name;
};
