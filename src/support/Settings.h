#pragma once

#include <QString>

// The settings file "settings.ini" in the user's configuration folder.
QString settingsFilePath();
// The value of key in section; an empty value (or a missing key with an empty
// default) has its default written back. Values are at most 254 characters.
QString ReadSetting(const QString& section, const QString& key, const QString& defaultValue);
void WriteSetting(const QString& section, const QString& key, const QString& value);
// 1 for a true flag, 0 for a false one: the value given to a check box.
int BoolToCheck(bool flag);

// The per-user application settings (nickname, password, buddy list), kept apart
// from the settings file in a file only the user can read. Application and
// section names compare without case.
QString appSettingsFilePath();
QString getSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& defaultValue = QString());
void saveSetting(const QString& appName, const QString& section, const QString& key, const QString& value);
void deleteSetting(const QString& appName, const QString& section, const QString& key);

// Text conversions of stored values. A value that does not convert leaves the
// variable as it was.
void convertSetting(const QString& text, QString& variable);
void convertSetting(const QString& text, bool& variable);
void convertSetting(const QString& text, qint16& variable);
void convertSetting(const QString& text, qint32& variable);
QString boolText(bool flag); // "True" or "False"
