#include "platform/InstanceLock.h"

#include <QDir>
#include <unistd.h>

InstanceLock::InstanceLock(const QString& programName) : m_programName(programName) {}

InstanceLock::~InstanceLock() = default;

bool InstanceLock::tryLock() {
    if (held())
        return true;
    QStringList places{lockFilePath(m_programName), tempLockFilePath(m_programName)};
    places.removeAll(QString());
    places.removeDuplicates();
    for (const QString& path : places) {
        switch (tryLockAt(path)) {
        case Attempt::Taken:
            return true;
        case Attempt::HeldElsewhere:
            return false;
        case Attempt::NoLockHere:
            break;
        }
    }
    // Refusing to start because a folder is unusable would end every start
    // silently; one instance too many is the lesser harm.
    m_lock.reset();
    return true;
}

InstanceLock::Attempt InstanceLock::tryLockAt(const QString& path) {
    m_lock = std::make_unique<QLockFile>(path);
    // Only a dead owner makes a lock stale: an instance may run for weeks.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return Attempt::Taken;
    return m_lock->error() == QLockFile::LockFailedError ? Attempt::HeldElsewhere : Attempt::NoLockHere;
}

void InstanceLock::release() {
    if (m_lock)
        m_lock->unlock();
}

QString InstanceLock::lockFilePath(const QString& programName) {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime))
        return QDir(runtime).filePath(programName + QStringLiteral(".lock"));
    return tempLockFilePath(programName);
}

QString InstanceLock::tempLockFilePath(const QString& programName) {
    const QString temp = QDir::tempPath(); // empty when TMPDIR names no folder
    if (temp.isEmpty())
        return {};
    return QDir(temp).filePath(programName + QStringLiteral("-") + QString::number(getuid()) +
                               QStringLiteral(".lock"));
}
