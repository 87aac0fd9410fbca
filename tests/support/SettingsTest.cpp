#include "support/Settings.h"
#include "support/Globals.h"
#include "support/SettingsCatalogue.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class SettingsTest : public testing::Test {
protected:
    void SetUp() override {
        QFile::remove(settingsFilePath());
        QFile::remove(appSettingsFilePath());
        Globals::reset();
    }
    void writeFile(const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(settingsFilePath()).absolutePath());
        QFile file(settingsFilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

TEST_F(SettingsTest, NoFileGivesEveryDefaultAndCreatesNothing) {
    for (const SettingRow& row : roomSettingRows())
        loadSetting(row, "typed");
    for (const SettingRow& row : signInSettingRows())
        loadSetting(row);
    EXPECT_FALSE(QFile::exists(settingsFilePath()));
    EXPECT_EQ(G().ServerHost, kDefaultServerHost);
    EXPECT_EQ(G().MyNick, "typed");
    EXPECT_EQ(G().FullName, "Tazmir Tazmir Tazmir Tazmir Korvu Messenger V 1.0");
    EXPECT_EQ(G().IdentName, "QVD");
    EXPECT_EQ(G().ServerPort, 6667);
    EXPECT_TRUE(G().ReconnectOn);
    EXPECT_FALSE(G().InvisibleOn);
    EXPECT_EQ(G().RetryCount, 10);
    EXPECT_EQ(G().AutoJoin, "#Korvu");
    EXPECT_EQ(G().FontSize, 10);
    EXPECT_EQ(G().FontName, "Arial");
    EXPECT_FALSE(G().WhoisToQuery);
    EXPECT_EQ(G().MaxTextHistory, 30);
    EXPECT_EQ(G().QuitMsg, "Tazmir Korvu Messenger v 1.0");
    EXPECT_TRUE(G().bRemNick);
    EXPECT_FALSE(G().bRemPass);
    EXPECT_TRUE(G().bStartup);
    EXPECT_FALSE(G().bGuest);
}

TEST_F(SettingsTest, AnEmptyValueHasItsDefaultWrittenBack) {
    writeFile("[connect]\r\nautojoin=\r\n");
    EXPECT_EQ(ReadSetting("connect", "autojoin", "#Korvu"), "#Korvu");
    QFile file(settingsFilePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "[connect]\r\nautojoin=#Korvu\r\n");
}

TEST_F(SettingsTest, ValuesAreCutTo254Characters) {
    writeFile("[irc]\nquitmsg=" + QByteArray(300, 'q') + "\n");
    EXPECT_EQ(ReadSetting("irc", "quitmsg", "x").size(), 254);
}

TEST_F(SettingsTest, ValuesThatDoNotConvertKeepTheVariable) {
    writeFile(
        "[display]\nfontsize=big\n[irc]\nmaxtexthistory=12.5\nwhoisquery=TRUE\n[connect]\nreconnect=maybe\n"
        "port=99999999999\n");
    G().ReconnectOn = true;
    for (const SettingRow& row : roomSettingRows())
        loadSetting(row, "me");
    EXPECT_EQ(G().FontSize, 10);
    EXPECT_EQ(G().MaxTextHistory, 12); // halves round to even
    EXPECT_TRUE(G().WhoisToQuery);
    EXPECT_TRUE(G().ReconnectOn);
    EXPECT_EQ(G().ServerPort, 6667);
}

TEST_F(SettingsTest, FlagsRoundTripAsTrueAndFalse) {
    WriteSetting("load", "startup", boolText(false));
    bool flag = true;
    convertSetting(ReadSetting("load", "startup", "true"), flag);
    EXPECT_FALSE(flag);
    EXPECT_EQ(ReadSetting("load", "startup", "true"), "False");
    EXPECT_EQ(BoolToCheck(true), 1);
    EXPECT_EQ(BoolToCheck(false), 0);
}

TEST_F(SettingsTest, ApplicationSettingsIgnoreTheCaseOfTheirNames) {
    saveSetting("Listsetup", "Sect", "boty1", "2");
    EXPECT_EQ(getSetting("ListSetup", "sect", "BOTY1"), "2");
    EXPECT_EQ(getSetting("TazmirKorvu", "main", "name", "none"), "none");
    deleteSetting("listsetup", "SECT", "boty1");
    EXPECT_EQ(getSetting("Listsetup", "Sect", "boty1"), "");
    const auto others =
        QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
    EXPECT_FALSE(QFileInfo(appSettingsFilePath()).permissions() & others);
}

} // namespace
