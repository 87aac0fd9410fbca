#include "support/RateLimit.h"

bool RateLimit::allow(qint64 nowMs) {
    while (!m_times.empty() && m_times.front() <= nowMs - m_windowMs)
        m_times.pop_front();
    if (static_cast<int>(m_times.size()) >= m_count)
        return false;
    m_times.push_back(nowMs);
    return true;
}
