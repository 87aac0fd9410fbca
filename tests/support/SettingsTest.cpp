#include "support/Globals.h"
#include "support/Settings.h"
#include "support/SettingsCatalogue.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class SettingsTest : public testing::Test {
protected:
    void SetUp() override {
        QFile::remove(SettingsFilePath());
        QFile::remove(AppSettingsFilePath());
        Globals::reset();
    }
    void writeFile(const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(SettingsFilePath()).absolutePath());
        QFile file(SettingsFilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

TEST_F(SettingsTest, NoFileGivesEveryDefaultAndCreatesNothing) {
    for (const SettingRow& row : RoomSettingRows())
        LoadSetting(row, "typed");
    for (const SettingRow& row : SignInSettingRows())
        LoadSetting(row);
    EXPECT_FALSE(QFile::exists(SettingsFilePath()));
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
    QFile file(SettingsFilePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "[connect]\r\nautojoin=#Korvu\r\n");
}

TEST_F(SettingsTest, ValuesAreCutTo254Characters) {
    writeFile("[irc]\nquitmsg=" + QByteArray(300, 'q') + "\n");
    EXPECT_EQ(ReadSetting("irc", "quitmsg", "x").size(), 254);
}

TEST_F(SettingsTest, ValuesThatDoNotConvertKeepTheVariable) {
    writeFile("[display]\nfontsize=big\n[irc]\nmaxtexthistory=12.5\nwhoisquery=TRUE\n[connect]\nreconnect=maybe\n"
              "port=99999999999\n");
    G().ReconnectOn = true;
    for (const SettingRow& row : RoomSettingRows())
        LoadSetting(row, "me");
    EXPECT_EQ(G().FontSize, 10);
    EXPECT_EQ(G().MaxTextHistory, 12); // halves round to even
    EXPECT_TRUE(G().WhoisToQuery);
    EXPECT_TRUE(G().ReconnectOn);
    EXPECT_EQ(G().ServerPort, 6667);
}

TEST_F(SettingsTest, FlagsRoundTripAsTrueAndFalse) {
    WriteSetting("load", "startup", BoolText(false));
    bool flag = true;
    ConvertSetting(ReadSetting("load", "startup", "true"), flag);
    EXPECT_FALSE(flag);
    EXPECT_EQ(ReadSetting("load", "startup", "true"), "False");
    EXPECT_EQ(BoolToCheck(true), 1);
    EXPECT_EQ(BoolToCheck(false), 0);
}

TEST_F(SettingsTest, ApplicationSettingsIgnoreTheCaseOfTheirNames) {
    SaveSetting("Listsetup", "Sect", "boty1", "2");
    EXPECT_EQ(GetSetting("ListSetup", "sect", "BOTY1"), "2");
    EXPECT_EQ(GetSetting("TazmirKorvu", "main", "name", "none"), "none");
    DeleteSetting("listsetup", "SECT", "boty1");
    EXPECT_EQ(GetSetting("Listsetup", "Sect", "boty1"), "");
    const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther |
                        QFileDevice::WriteOther;
    EXPECT_FALSE(QFileInfo(AppSettingsFilePath()).permissions() & others);
}

} // namespace
