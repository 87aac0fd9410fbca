#pragma once

#include <QtGlobal>
#include <deque>

// Lets at most count events through in any window of windowMs milliseconds: a
// sliding window over the times of the events let through.
class RateLimit {
public:
    RateLimit(int count, qint64 windowMs) : m_count(count), m_windowMs(windowMs) {}

    // True, and the event counts, when it may happen at nowMs (times never go back).
    bool allow(qint64 nowMs);

private:
    int m_count;
    qint64 m_windowMs;
    std::deque<qint64> m_times;
};
