#include "platform/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

template <std::size_t N> QByteArray bytes(const char (&text)[N]) {
    return QByteArray(text, N - 1); // keeps embedded NULs
}

class ProfileFileTest : public testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("sub/settings.ini");

    void store(const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray stored() const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(ProfileFileTest, MissingFileReadsAsAbsentAndIsNotCreated) {
    ProfileFile profile(path);
    EXPECT_FALSE(profile.read("connect", "server").has_value());
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(ProfileFileTest, NamesCompareWithoutCaseAndValuesAreTrimmedAndUnquoted) {
    store("; comment\r\n[Connect]\r\n  Server = irc.example \r\nquoted=\"a b\"\r\n[irc]\r\nserver=other\r\n");
    ProfileFile profile(path);
    EXPECT_EQ(profile.read("CONNECT", "server"), "irc.example");
    EXPECT_EQ(profile.read("connect", "QUOTED"), "a b");
    EXPECT_EQ(profile.read("irc", "server"), "other");
    EXPECT_FALSE(profile.read("connect", "nick").has_value());
}

TEST_F(ProfileFileTest, WritingChangesOnlyItsOwnLine) {
    const QByteArray before = bytes("[a]\r\nk=1\r\nbinary=\xff\xfe\x00\x01 stays\r\n\r\n[b]\r\nx=y");
    store(before);
    ProfileFile profile(path);
    ASSERT_TRUE(profile.write("A", "K", "2"));
    ASSERT_TRUE(profile.write("a", "new", "3"));
    ASSERT_TRUE(profile.write("b", "z", "4"));
    ASSERT_TRUE(profile.write("c", "w", "5"));
    EXPECT_EQ(stored(),
              bytes("[a]\r\nk=2\r\nbinary=\xff\xfe\x00\x01 stays\r\nnew=3\r\n\r\n[b]\r\nx=y\r\nz=4\r\n"
                    "[c]\r\nw=5\r\n"));
    EXPECT_EQ(profile.read("a", "k"), "2");
}

TEST_F(ProfileFileTest, AValueCannotBreakIntoTheNextLine) {
    ProfileFile profile(path);
    ASSERT_TRUE(profile.write("s", "k", "one\r\n[evil]\nx=1"));
    EXPECT_EQ(profile.read("s", "k"), "one  [evil] x=1");
    EXPECT_FALSE(profile.read("evil", "x").has_value());
}

TEST_F(ProfileFileTest, BinaryAndHugeFilesAreReadSafely) {
    QByteArray junk(4096, '\0');
    for (int k = 0; k < junk.size(); ++k)
        junk[k] = static_cast<char>((k * 7919) & 0xff);
    store(junk + "\n[s]\nbig=" + QByteArray(10 << 20, 'v') + "\n");
    ProfileFile profile(path);
    EXPECT_EQ(profile.read("s", "big")->size(), 10 << 20);
    ASSERT_TRUE(profile.write("s", "k", "v"));
    EXPECT_TRUE(stored().startsWith(junk));
}

TEST_F(ProfileFileTest, PrivateFilesAreOnlyForTheOwner) {
    ProfileFile profile(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ASSERT_TRUE(profile.write("TazmirKorvu/main", "pass", "secret"));
    struct stat info {};
    ASSERT_EQ(stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    ASSERT_TRUE(profile.remove("TazmirKorvu/main", "pass"));
    EXPECT_FALSE(profile.read("TazmirKorvu/main", "pass").has_value());
}

} // namespace
