#pragma once

#include <QObject>

// A handler that waits for time or for the user (a pause, a message box, a modal
// window) runs the event loop meanwhile and marks the wait, so that work which
// must not wait with it (answering the server's keep-alive) can go on.
class WaitScope {
public:
    WaitScope();
    ~WaitScope();
    WaitScope(const WaitScope&) = delete;
    WaitScope& operator=(const WaitScope&) = delete;
};

// The waits in progress, innermost last, and the moment each one begins.
class Waits : public QObject {
    Q_OBJECT
public:
    static Waits& instance();
    static int depth();

signals:
    void began();

private:
    friend class WaitScope;
    int m_depth = 0;
};
