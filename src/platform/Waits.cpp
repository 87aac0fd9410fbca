#include "platform/Waits.h"

WaitScope::WaitScope() {
    ++Waits::instance().m_depth;
    emit Waits::instance().began();
}

WaitScope::~WaitScope() {
    --Waits::instance().m_depth;
}

Waits& Waits::instance() {
    static Waits waits;
    return waits;
}

int Waits::depth() {
    return instance().m_depth;
}
