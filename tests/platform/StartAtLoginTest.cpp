// The start-at-login entry: what it holds, where it goes, and the folders it
// cannot be written to.
#include "platform/StartAtLogin.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kEntry = QStringLiteral("start-at-login-test.desktop");

// A configuration folder of the test's own.
class StartAtLoginTest : public testing::Test {
protected:
    void SetUp() override {
        m_saved = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", m_saved); }
    QString autostart() const { return QDir(m_config.path()).filePath("autostart"); }
    static QString read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QTemporaryDir m_config;
    QByteArray m_saved;
};

TEST_F(StartAtLoginTest, WritesTheEntryAndRemovesOnlyIt) {
    EXPECT_EQ(StartAtLogin::entryPath(kEntry), autostart() + "/" + kEntry);
    ASSERT_TRUE(StartAtLogin::writeEntry(kEntry, "Tazmir Test", "/opt/korvu/tazmir-korvu"));
    EXPECT_EQ(read(StartAtLogin::entryPath(kEntry)),
              "[Desktop Entry]\nType=Application\nName=Tazmir Test\nExec=/opt/korvu/tazmir-korvu\n");

    QFile other(QDir(autostart()).filePath("other.desktop"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();
    EXPECT_TRUE(StartAtLogin::removeEntry(kEntry));
    EXPECT_FALSE(QFile::exists(StartAtLogin::entryPath(kEntry)));
    EXPECT_TRUE(other.exists());
    EXPECT_TRUE(StartAtLogin::removeEntry(kEntry)); // nothing left to remove is no failure
}

TEST_F(StartAtLoginTest, FailsWhereTheFolderCannotBeMade) {
    QFile blocker(autostart()); // a file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(StartAtLogin::writeEntry(kEntry, "Tazmir Test", "/bin/true"));
    EXPECT_TRUE(QFileInfo(autostart()).isFile());
}

TEST_F(StartAtLoginTest, FailsInAReadOnlyFolder) {
    ASSERT_TRUE(QDir().mkpath(autostart()));
    QFile::setPermissions(autostart(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile probe(QDir(autostart()).filePath("probe"));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        QFile::setPermissions(autostart(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        GTEST_SKIP() << "folder permissions do not bind this user";
    }
    EXPECT_FALSE(StartAtLogin::writeEntry(kEntry, "Tazmir Test", "/bin/true"));
    QFile::setPermissions(autostart(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

} // namespace
