#include "platform/InstanceLock.h"

#include <QDir>
#include <unistd.h>

InstanceLock::InstanceLock(const QString& programName) : m_lock(LockFilePath(programName)) {
    // Only a dead owner makes a lock stale: an instance may run for weeks.
    m_lock.setStaleLockTime(0);
}

bool InstanceLock::TryLock() {
    return m_lock.isLocked() || m_lock.tryLock(0);
}

void InstanceLock::Release() {
    m_lock.unlock();
}

QString InstanceLock::LockFilePath(const QString& programName) {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime))
        return QDir(runtime).filePath(programName + QStringLiteral(".lock"));
    return QDir(QDir::tempPath())
        .filePath(programName + QStringLiteral("-") + QString::number(getuid()) + QStringLiteral(".lock"));
}
