// The previous-instance test: one holder at a time, and a lock left by a
// process that died does not count.
#include "platform/InstanceLock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString Name = QStringLiteral("instance-lock-test");

// The id of a process that has ended and been reaped.
pid_t deadProcessId() {
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

TEST(InstanceLockTest, OneHolderAtATime) {
    InstanceLock first(Name);
    ASSERT_TRUE(first.TryLock());
    EXPECT_TRUE(first.TryLock()); // asking again keeps it
    InstanceLock second(Name);
    EXPECT_FALSE(second.TryLock());
    first.Release();
    EXPECT_TRUE(second.TryLock());
}

TEST(InstanceLockTest, LivesInTheRuntimeFolder) {
    EXPECT_EQ(InstanceLock::LockFilePath(Name),
              qEnvironmentVariable("XDG_RUNTIME_DIR") + "/" + Name + ".lock");
    InstanceLock lock(Name);
    ASSERT_TRUE(lock.TryLock());
    EXPECT_TRUE(QFile::exists(InstanceLock::LockFilePath(Name)));
}

// A lock file as a running instance leaves it: its process id and name, and
// the machine's name.
void writeLockFile(qint64 pid, const QDateTime& written) {
    QFile file(InstanceLock::LockFilePath(Name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::number(pid) + "\n" +
               QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8() + "\n" +
               QSysInfo::machineHostName().toUtf8() + "\n");
    file.setFileTime(written, QFileDevice::FileModificationTime);
}

TEST(InstanceLockTest, ALockLeftByADeadProcessIsTakenOver) {
    writeLockFile(deadProcessId(), QDateTime::currentDateTime());
    InstanceLock lock(Name);
    EXPECT_TRUE(lock.TryLock());
    EXPECT_TRUE(lock.Held());
}

TEST(InstanceLockTest, ALongHeldLockOfARunningProcessStillCounts) {
    writeLockFile(QCoreApplication::applicationPid(), QDateTime::currentDateTime().addDays(-3));
    InstanceLock lock(Name);
    EXPECT_FALSE(lock.TryLock());
    QFile::remove(InstanceLock::LockFilePath(Name));
}

} // namespace
