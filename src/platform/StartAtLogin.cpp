#include "platform/StartAtLogin.h"

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

// Characters that make an Exec argument need quotes, and those that need a
// backslash inside the quotes.
const QString NeedsQuotes = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
const QString EscapedInQuotes = QStringLiteral("\"`$\\");

QString quotedArgument(const QString& argument) {
    bool needsQuotes = argument.isEmpty();
    for (QChar c : argument)
        needsQuotes = needsQuotes || NeedsQuotes.contains(c);
    if (!needsQuotes)
        return argument;
    QString quoted = QStringLiteral("\"");
    for (QChar c : argument) {
        if (EscapedInQuotes.contains(c))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    return quoted + QLatin1Char('"');
}

// The escapes of every string value of a desktop entry, applied last.
QString escapedValue(const QString& value) {
    QString out;
    for (QChar c : value) {
        switch (c.unicode()) {
        case '\\':
            out += QStringLiteral("\\\\");
            break;
        case '\n':
            out += QStringLiteral("\\n");
            break;
        case '\t':
            out += QStringLiteral("\\t");
            break;
        case '\r':
            out += QStringLiteral("\\r");
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace

namespace StartAtLogin {

QString EntryPath(const QString& fileName) {
    return QDir(autostartFolder()).filePath(fileName);
}

QString ExecValue(const QString& program) {
    // A literal percent sign would start a field code.
    return escapedValue(quotedArgument(program).replace(QLatin1Char('%'), QStringLiteral("%%")));
}

bool WriteEntry(const QString& fileName, const QString& title, const QString& program) {
    if (!QDir().mkpath(autostartFolder()))
        return false;
    QSaveFile file(EntryPath(fileName));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QString entry = QStringLiteral("[Desktop Entry]\nType=Application\nName=") + escapedValue(title) +
                          QStringLiteral("\nExec=") + ExecValue(program) + QLatin1Char('\n');
    file.write(entry.toUtf8());
    return file.commit();
}

bool RemoveEntry(const QString& fileName) {
    const QString path = EntryPath(fileName);
    if (!QFileInfo(path).isFile() && !QFileInfo(path).isSymLink())
        return !QFileInfo::exists(path);
    return QFile::remove(path);
}

} // namespace StartAtLogin
