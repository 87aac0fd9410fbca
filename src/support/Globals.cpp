#include "support/Globals.h"

namespace {
Globals& instance() {
    static Globals globals;
    return globals;
}
} // namespace

Globals& Globals::the() {
    return instance();
}

void Globals::reset() {
    instance() = Globals();
}
