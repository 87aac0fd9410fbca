#include "platform/ProfileFile.h"

#include "platform/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

struct ProfileFile::Location {
    bool sectionFound = false;
    qsizetype insertAt = -1;  // just after the section's last non-blank line
    qsizetype lineStart = -1; // the key's line, without its line end
    qsizetype lineEnd = -1;
    qsizetype nextLine = -1; // start of the line after the key's
    QByteArray keyName;      // the key as the file spells it
    QByteArray value;
};

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool sameName(const QByteArray& stored, const QString& wanted) {
    return decodeText(stored).trimmed().compare(wanted.trimmed(), Qt::CaseInsensitive) == 0;
}

QByteArray unquoted(QByteArray value) {
    const qsizetype nul = value.indexOf('\0');
    if (nul >= 0)
        value.truncate(nul);
    value = value.trimmed();
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.mid(1, value.size() - 2);
    return value;
}

QByteArray lineBreakOf(const QByteArray& content) {
    return content.contains("\r\n") ? QByteArray("\r\n") : QByteArray("\n");
}

// A value must stay on its own line.
QByteArray storable(const QString& text) {
    QByteArray bytes = encodeText(text);
    bytes.replace('\r', ' ').replace('\n', ' ').replace('\0', ' ');
    return bytes;
}

} // namespace

ProfileFile::ProfileFile(QString path, QFileDevice::Permissions permissions)
    : m_path(std::move(path)), m_permissions(permissions) {}

ProfileFile::Location ProfileFile::locate(const QByteArray& content, const QString& section,
                                          const QString& key) const {
    Location at;
    bool inSection = false;
    qsizetype start = 0;
    while (start < content.size()) {
        qsizetype lf = content.indexOf('\n', start);
        const qsizetype next = lf < 0 ? content.size() : lf + 1;
        qsizetype end = lf < 0 ? content.size() : lf;
        if (end > start && content[end - 1] == '\r')
            --end;
        const QByteArray line = content.mid(start, end - start).trimmed();
        if (line.startsWith('[')) {
            if (inSection)
                break; // the first section of that name is the one read and written
            const qsizetype close = line.indexOf(']');
            inSection = sameName(line.mid(1, close < 0 ? -1 : close - 1), section);
            if (inSection) {
                at.sectionFound = true;
                at.insertAt = next;
            }
        } else if (inSection && !line.isEmpty()) {
            at.insertAt = next;
            const qsizetype eq = line.indexOf('=');
            if (eq >= 0 && at.lineStart < 0 && sameName(line.left(eq), key)) {
                at.lineStart = start;
                at.lineEnd = end;
                at.nextLine = next;
                at.keyName = line.left(eq).trimmed();
                at.value = line.mid(eq + 1);
            }
        }
        start = next;
    }
    return at;
}

std::optional<QString> ProfileFile::read(const QString& section, const QString& key) const {
    const Location at = locate(readAll(m_path), section, key);
    if (at.lineStart < 0)
        return std::nullopt;
    return decodeText(unquoted(at.value));
}

bool ProfileFile::write(const QString& section, const QString& key, const QString& value) {
    QByteArray content = readAll(m_path);
    const Location at = locate(content, section, key);
    const QByteArray eol = lineBreakOf(content);
    if (at.lineStart >= 0) {
        content.replace(at.lineStart, at.lineEnd - at.lineStart, at.keyName + '=' + storable(value));
    } else {
        QByteArray entry = storable(key) + '=' + storable(value) + eol;
        qsizetype insertAt = at.insertAt;
        if (!at.sectionFound) {
            entry = '[' + storable(section) + ']' + eol + entry;
            insertAt = content.size();
        }
        if (insertAt > 0 && content[insertAt - 1] != '\n')
            entry.prepend(eol);
        content.insert(insertAt, entry);
    }
    return save(content);
}

bool ProfileFile::remove(const QString& section, const QString& key) {
    QByteArray content = readAll(m_path);
    const Location at = locate(content, section, key);
    if (at.lineStart < 0)
        return true;
    content.remove(at.lineStart, at.nextLine - at.lineStart);
    return save(content);
}

bool ProfileFile::save(const QByteArray& content) const {
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Set before the content lands, so a private file is never readable by others.
    if (m_permissions)
        file.setPermissions(m_permissions);
    file.write(content);
    return file.commit();
}
