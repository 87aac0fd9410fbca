#pragma once

#include <QLockFile>
#include <QString>

// "Is the program running already?": one lock file in the user's runtime
// folder, held by the running instance. The lock names its process, so a lock
// left behind by a process that died is taken over rather than obeyed.
class InstanceLock {
public:
    explicit InstanceLock(const QString& programName);

    // True when no other running process holds the lock; this one then holds
    // it until Release or destruction.
    bool TryLock();
    void Release();
    bool Held() const { return m_lock.isLocked(); }

    // XDG_RUNTIME_DIR, else the temp folder (then the file name carries the
    // user's id, as the temp folder is shared).
    static QString LockFilePath(const QString& programName);

private:
    QLockFile m_lock;
};
