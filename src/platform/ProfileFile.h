#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>
#include <optional>

// A settings file of "[section]" lines followed by "key=value" lines, with the
// desktop's rules: section and key names compare without case, blanks around
// names and values are ignored, a value in double quotes loses them, a missing
// or unreadable file reads as empty, and writing creates the file, the section
// or the key as needed. Writing changes only the line of its key: every other
// byte of the file stays as it was, whatever it holds.
class ProfileFile {
public:
    explicit ProfileFile(QString path, QFileDevice::Permissions permissions = {});

    const QString& path() const { return m_path; }
    // The value, or nothing when the section or key is absent.
    std::optional<QString> read(const QString& section, const QString& key) const;
    // Returns false when the file cannot be written.
    bool write(const QString& section, const QString& key, const QString& value);
    bool remove(const QString& section, const QString& key);

private:
    struct Location;
    Location locate(const QByteArray& content, const QString& section, const QString& key) const;
    bool save(const QByteArray& content) const;

    QString m_path;
    QFileDevice::Permissions m_permissions; // empty: the platform's default
};
