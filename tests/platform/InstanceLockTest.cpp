// The previous-instance test: one holder at a time, a lock left by a process
// that died does not count, and a runtime folder where no lock can be made is
// no sign of another instance.
#include "platform/InstanceLock.h"
#include "fixtures/NamedRows.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString kName = QStringLiteral("instance-lock-test");

// The id of a process that has ended and been reaped.
pid_t deadProcessId() {
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

TEST(InstanceLockTest, OneHolderAtATime) {
    InstanceLock first(kName);
    ASSERT_TRUE(first.tryLock());
    EXPECT_TRUE(first.tryLock()); // asking again keeps it
    InstanceLock second(kName);
    EXPECT_FALSE(second.tryLock());
    first.release();
    EXPECT_TRUE(second.tryLock());
}

TEST(InstanceLockTest, LivesInTheRuntimeFolder) {
    EXPECT_EQ(InstanceLock::lockFilePath(kName),
              qEnvironmentVariable("XDG_RUNTIME_DIR") + "/" + kName + ".lock");
    InstanceLock lock(kName);
    ASSERT_TRUE(lock.tryLock());
    EXPECT_TRUE(QFile::exists(InstanceLock::lockFilePath(kName)));
}

// A lock file as a running instance leaves it: its process id and name, and
// the machine's name.
void writeLockFile(qint64 pid, const QDateTime& written) {
    QFile file(InstanceLock::lockFilePath(kName));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::number(pid) + "\n" +
               QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8() + "\n" +
               QSysInfo::machineHostName().toUtf8() + "\n");
    file.setFileTime(written, QFileDevice::FileModificationTime);
}

TEST(InstanceLockTest, ALockLeftByADeadProcessIsTakenOver) {
    writeLockFile(deadProcessId(), QDateTime::currentDateTime());
    InstanceLock lock(kName);
    EXPECT_TRUE(lock.tryLock());
    EXPECT_TRUE(lock.held());
}

TEST(InstanceLockTest, ALongHeldLockOfARunningProcessStillCounts) {
    writeLockFile(QCoreApplication::applicationPid(), QDateTime::currentDateTime().addDays(-3));
    InstanceLock lock(kName);
    EXPECT_FALSE(lock.tryLock());
    QFile::remove(InstanceLock::lockFilePath(kName));
}

// A runtime folder (and a temp folder) of the test's choosing, put back after.
class UnusableFolderTest : public testing::Test {
public:
    void SetUp() override { ASSERT_TRUE(m_root.isValid()); }
    void TearDown() override {
        for (const QString& place : {m_root.filePath("read-only"), m_root.filePath("temp")})
            QFile::setPermissions(place,
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", m_savedRuntime);
        qputenv("TMPDIR", m_savedTemp);
        if (m_savedTemp.isEmpty())
            qunsetenv("TMPDIR");
    }
    static void useRuntime(const QString& path) { qputenv("XDG_RUNTIME_DIR", path.toUtf8()); }
    static void useTemp(const QString& path) { qputenv("TMPDIR", path.toUtf8()); }
    QString missing() const { return m_root.filePath("missing"); }
    // A file where the folder should be.
    QString notAFolder() const {
        QFile file(m_root.filePath("file"));
        file.open(QIODevice::WriteOnly);
        return file.fileName();
    }
    // A folder its owner may not write in; empty where permissions do not bind
    // this user (root).
    QString readOnly() const {
        const QString place = m_root.filePath("read-only");
        QDir().mkpath(place);
        QFile::setPermissions(place, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QFile probe(QDir(place).filePath("probe"));
        if (!probe.open(QIODevice::WriteOnly))
            return place;
        probe.remove();
        return {};
    }
    QString usableTemp() const {
        const QString place = m_root.filePath("temp");
        QDir().mkpath(place);
        return place;
    }

protected:
    QTemporaryDir m_root;
    QByteArray m_savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    QByteArray m_savedTemp = qgetenv("TMPDIR");
};

struct UnusableCase {
    const char* name;
    QString (UnusableFolderTest::*runtime)() const;
};

void PrintTo(const UnusableCase& c, std::ostream* os) {
    *os << c.name;
}

class UnusableRuntimeTest : public UnusableFolderTest, public testing::WithParamInterface<UnusableCase> {
protected:
    QString runtime() const { return (this->*GetParam().runtime)(); }
};

// The lock moves to the temp folder, where it still keeps a second instance out.
TEST_P(UnusableRuntimeTest, TheTempFolderHoldsTheLock) {
    const QString place = runtime();
    if (place.isEmpty())
        GTEST_SKIP() << "folder permissions do not bind this user";
    useRuntime(place);
    useTemp(usableTemp());
    InstanceLock first(kName);
    ASSERT_TRUE(first.tryLock());
    EXPECT_TRUE(first.held());
    EXPECT_TRUE(QFile::exists(InstanceLock::tempLockFilePath(kName)));
    InstanceLock second(kName);
    EXPECT_FALSE(second.tryLock());
    first.release();
    EXPECT_TRUE(second.tryLock());
}

// Neither folder takes a lock: the program starts all the same, unlocked.
TEST_P(UnusableRuntimeTest, WithNoFolderForALockTheProgramStillStarts) {
    const QString place = runtime();
    if (place.isEmpty())
        GTEST_SKIP() << "folder permissions do not bind this user";
    useRuntime(place);
    useTemp(missing());
    InstanceLock lock(kName);
    EXPECT_TRUE(lock.tryLock());
    EXPECT_FALSE(lock.held());
    EXPECT_TRUE(QDir::current().entryList({kName + "*"}).isEmpty()); // nor one in the working folder
}

INSTANTIATE_TEST_SUITE_P(, UnusableRuntimeTest,
                         testing::Values(UnusableCase{"Missing", &UnusableFolderTest::missing},
                                         UnusableCase{"NotAFolder", &UnusableFolderTest::notAFolder},
                                         UnusableCase{"ReadOnly", &UnusableFolderTest::readOnly}),
                         RowName());

} // namespace
