#include "platform/StartAtLogin.h"

#include "platform/DesktopEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

QString autostartFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("autostart"));
}

} // namespace

namespace StartAtLogin {

QString entryPath(const QString& fileName) {
    return QDir(autostartFolder()).filePath(fileName);
}

bool writeEntry(const QString& fileName, const QString& title, const QString& program) {
    if (!QDir().mkpath(autostartFolder()))
        return false;
    QSaveFile file(entryPath(fileName));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QString entry = QStringLiteral("[Desktop Entry]\nType=Application\nName=") +
                          DesktopEntry::stringValue(title) + QStringLiteral("\nExec=") +
                          DesktopEntry::execValue(program) + QLatin1Char('\n');
    file.write(entry.toUtf8());
    return file.commit();
}

bool removeEntry(const QString& fileName) {
    const QString path = entryPath(fileName);
    if (!QFileInfo(path).isFile() && !QFileInfo(path).isSymLink())
        return !QFileInfo::exists(path);
    return QFile::remove(path);
}

} // namespace StartAtLogin
