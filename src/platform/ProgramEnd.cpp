#include "platform/ProgramEnd.h"

#include <QCoreApplication>

namespace {
bool& ending() {
    static bool ended = false;
    return ended;
}
} // namespace

void endProgramAtOnce() {
    ending() = true;
    QCoreApplication::exit(0);
}

bool programEnding() {
    return ending();
}

void forgetProgramEnd() {
    ending() = false;
}
