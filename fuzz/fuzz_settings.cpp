// Settings files of any content: reading every name, then writing one key.
#include "platform/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <cstdint>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QString path = QDir::temp().filePath(QStringLiteral("fuzz-settings-%1.ini").arg(getpid()));
    const QByteArray content(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 0;
        file.write(content);
    }
    ProfileFile profile(path);
    for (const char* section : {"connect", "irc", "", "[", "a"})
        for (const char* key : {"server", "nick", "", "="})
            (void)profile.read(QString::fromLatin1(section), QString::fromLatin1(key));
    profile.write(QStringLiteral("connect"), QStringLiteral("nick"), QStringLiteral("fuzz"));
    if (profile.read(QStringLiteral("connect"), QStringLiteral("nick")) != QStringLiteral("fuzz"))
        __builtin_trap();
    return 0;
}
