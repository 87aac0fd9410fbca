// Writes the desktop's menu entry at install time, when the prefix is known:
// the template with the installed program's path put in as the program's own
// start-at-login entry writes it.
//   korvu-menu-entry TEMPLATE OUTPUT PROGRAM
#include "platform/DesktopEntry.h"

#include <QFile>
#include <QSaveFile>
#include <cstdio>

namespace {

QString filled(QString text, const QString& program) {
    return text.replace(QStringLiteral("@KORVU_EXEC@"), DesktopEntry::execValue(program))
        .replace(QStringLiteral("@KORVU_TRY_EXEC@"), DesktopEntry::stringValue(program));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("usage: korvu-menu-entry TEMPLATE OUTPUT PROGRAM\n", stderr);
        return 2;
    }
    QFile input(QFile::decodeName(argv[1]));
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "korvu-menu-entry: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString entry = filled(QString::fromUtf8(input.readAll()), QFile::decodeName(argv[3]));
    QSaveFile output(QFile::decodeName(argv[2]));
    if (!output.open(QIODevice::WriteOnly) || output.write(entry.toUtf8()) < 0 || !output.commit()) {
        std::fprintf(stderr, "korvu-menu-entry: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
