#include "platform/ProgramEnd.h"

#include <QCoreApplication>

namespace {
bool& ending() {
    static bool ended = false;
    return ended;
}
} // namespace

void EndProgramAtOnce() {
    ending() = true;
    QCoreApplication::exit(0);
}

bool ProgramEnding() {
    return ending();
}

void ForgetProgramEnd() {
    ending() = false;
}
