#include "chatroom/ModeStore.h"

bool ModeStore::add(const QString& letter) {
    for (int k = 0; k < m_count; ++k)
        if (m_modes[k].Mode == letter)
            return false;
    if (m_count == m_modes.size())
        m_modes.append(ModeEntry());
    m_modes[m_count++] = ModeEntry{letter, true};
    return true;
}

void ModeStore::remove(const QString& letter) {
    for (int k = 0; k < m_count; ++k) {
        if (m_modes[k].Mode != letter)
            continue;
        m_modes.removeAt(k);
        --m_count;
        return;
    }
}

void ModeStore::clear() {
    for (int k = 0; k < m_count; ++k)
        m_modes[k] = ModeEntry();
    m_count = 0;
}

QString ModeStore::ModeString() const {
    if (m_count == 0)
        return QString();
    bool sign = m_modes[0].IsSet;
    QString result = sign ? QStringLiteral("+") : QStringLiteral("-");
    for (int k = 0; k < m_count; ++k) {
        if (m_modes[k].IsSet != sign) {
            sign = !sign;
            result += sign ? QLatin1Char('+') : QLatin1Char('-');
        }
        result += m_modes[k].Mode;
    }
    return result;
}
