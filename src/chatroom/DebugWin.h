#pragma once

#include "platform/Form.h"

class QPlainTextEdit;

// The traffic window: while visible, it logs every line sent ("<< ") and every
// block received (">> "). No command of the program shows it.
class DebugWin : public Form {
    Q_OBJECT
public:
    DebugWin();

    static DebugWin& form() { return FormSlot<DebugWin>::get(); }
    static DebugWin* loaded() { return FormSlot<DebugWin>::loaded(); }

    // Appends text, emptying the log first when it would pass its bound.
    void append(const QString& text);
    void logReceived(const QString& data);

    QPlainTextEdit* txtDataIn = nullptr;

    static constexpr int kMaxLogLength = 60000;
};
