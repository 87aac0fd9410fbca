#include "support/InputHistory.h"

#include "platform/EventPump.h"
#include "platform/KeyCodes.h"

#include <QLineEdit>

void InputHistory::add(const QString& line, int limit) {
    if (m_lines.size() > limit)
        m_lines.removeFirst();
    m_lines.append(line);
    m_position = static_cast<qint16>(m_lines.size() + 1);
}

void InputHistory::keyDown(int& keyCode, QLineEdit& input) {
    if (keyCode == kKeyUp) {
        if (m_position > 1) {
            --m_position;
            show(input, keyCode);
        } else {
            beep();
        }
    } else if (keyCode == kKeyDown) {
        if (m_position < m_lines.size()) {
            ++m_position;
            show(input, keyCode);
        } else {
            beep();
        }
    }
}

void InputHistory::show(QLineEdit& input, int& keyCode) {
    input.setText(m_lines.at(m_position - 1));
    keyCode = 0;
}
