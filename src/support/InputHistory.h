#pragma once

#include <QString>
#include <QStringList>

class QLineEdit;

// The lines sent from an input line, walked with the Up and Down keys. It works
// on the window's own list and cursor, which the window keeps under its names.
// The cursor starts at 0 and stands one past the newest line after each line is
// added, so Up first shows the newest line; Down stops at the newest line and
// never empties the input.
class InputHistory {
public:
    InputHistory(QStringList& lines, qint16& position) : m_lines(lines), m_position(position) {}

    // The oldest line goes first while more than limit are kept, so the history
    // settles at limit + 1 lines.
    void add(const QString& line, int limit);
    // Up and Down show the older or newer line in input and cancel the key; past
    // either end they only beep. Other keys pass untouched.
    void keyDown(int& keyCode, QLineEdit& input);

private:
    void show(QLineEdit& input, int& keyCode);

    QStringList& m_lines;
    qint16& m_position;
};
