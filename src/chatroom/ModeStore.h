#pragma once

#include <QList>
#include <QString>

// One channel mode letter and whether it is set.
struct ModeEntry {
    QString Mode;
    bool IsSet = false;
};

// The room's mode letters, in the order they were added.
class ModeStore {
public:
    // Adds a set letter; false when it is already there (nothing changes then).
    bool add(const QString& letter);
    void remove(const QString& letter);
    // Forgets every letter; the storage is kept for the next add.
    void clear();
    // "+" and the letters, with a sign wherever the set state changes; "" when empty.
    QString ModeString() const;
    int ModeCount() const { return m_count; }

    QString ModeText; // the mode string last built

private:
    QList<ModeEntry> m_modes; // elements 1..m_count are in use
    int m_count = 0;
};
