#include "support/Settings.h"

#include "platform/ProfileFile.h"

#include <QDir>
#include <QStandardPaths>
#include <cmath>
#include <limits>

namespace {

constexpr int kMaxValueLength = 254; // the reader's buffer holds 255 with its NUL

QString configFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

ProfileFile appSettings() {
    return ProfileFile(appSettingsFilePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

QString appSection(const QString& appName, const QString& section) {
    return appName + QLatin1Char('/') + section;
}

template <typename Int> void convertNumber(const QString& text, Int& variable) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return;
    // Whole numbers round half to even, as the stored values always have.
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<Int>::min() || rounded > std::numeric_limits<Int>::max())
        return;
    variable = static_cast<Int>(rounded);
}

} // namespace

QString settingsFilePath() {
    return QDir(configFolder()).filePath(QStringLiteral("settings.ini"));
}

QString ReadSetting(const QString& section, const QString& key, const QString& defaultValue) {
    const QString value =
        ProfileFile(settingsFilePath()).read(section, key).value_or(defaultValue).left(kMaxValueLength);
    if (!value.isEmpty())
        return value;
    WriteSetting(section, key, defaultValue);
    return defaultValue;
}

void WriteSetting(const QString& section, const QString& key, const QString& value) {
    ProfileFile(settingsFilePath()).write(section, key, value);
}

int BoolToCheck(bool flag) {
    return flag ? 1 : 0;
}

QString appSettingsFilePath() {
    return QDir(configFolder()).filePath(QStringLiteral("appsettings.ini"));
}

QString getSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& defaultValue) {
    return appSettings().read(appSection(appName, section), key).value_or(defaultValue);
}

void saveSetting(const QString& appName, const QString& section, const QString& key, const QString& value) {
    appSettings().write(appSection(appName, section), key, value);
}

void deleteSetting(const QString& appName, const QString& section, const QString& key) {
    appSettings().remove(appSection(appName, section), key);
}

void convertSetting(const QString& text, QString& variable) {
    variable = text;
}

void convertSetting(const QString& text, bool& variable) {
    const QString word = text.trimmed();
    if (word.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) {
        variable = true;
        return;
    }
    if (word.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) {
        variable = false;
        return;
    }
    bool ok = false;
    const double number = word.toDouble(&ok);
    if (ok)
        variable = number != 0;
}

void convertSetting(const QString& text, qint16& variable) {
    convertNumber(text, variable);
}

void convertSetting(const QString& text, qint32& variable) {
    convertNumber(text, variable);
}

QString boolText(bool flag) {
    return flag ? QStringLiteral("True") : QStringLiteral("False");
}
