#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// "Is the program running already?": one lock file in the user's runtime
// folder, held by the running instance. The lock names its process, so a lock
// left behind by a process that died is taken over rather than obeyed.
class InstanceLock {
public:
    explicit InstanceLock(const QString& programName);
    ~InstanceLock();

    // False only when another running process holds the lock. A folder where
    // no lock can be made (missing, not writable) is no sign of another
    // instance: the temp folder is tried next, and when no lock can be made
    // there either the program runs without one (tryLock true, held false).
    bool tryLock();
    void release();
    bool held() const { return m_lock && m_lock->isLocked(); }

    // Where the lock is looked for first: XDG_RUNTIME_DIR, else the temp folder.
    static QString lockFilePath(const QString& programName);
    // The temp folder's lock; its name carries the user's id, as the temp
    // folder is shared. Empty when there is no temp folder.
    static QString tempLockFilePath(const QString& programName);

private:
    enum class Attempt { Taken, HeldElsewhere, NoLockHere };
    Attempt tryLockAt(const QString& path);

    QString m_programName;
    std::unique_ptr<QLockFile> m_lock;
};
