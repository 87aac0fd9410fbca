// The menu entry as `cmake --install` writes it, into a prefix whose path
// holds characters the Exec key's quoting must escape: read back as a desktop
// reads it, the entry runs the installed program. (CMake itself cannot install
// under a path with a backslash; the quoting of one is tested with the rule.)
#include "platform/DesktopEntry.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A string value with its escapes undone.
QString unescaped(const QString& value) {
    QString out;
    for (qsizetype k = 0; k < value.size(); ++k) {
        if (value[k] != '\\' || k + 1 == value.size()) {
            out += value[k];
            continue;
        }
        const QChar next = value[++k];
        out += next == 'n'   ? QChar('\n')
               : next == 't' ? QChar('\t')
               : next == 'r' ? QChar('\r')
               : next == 's' ? QChar(' ')
                             : next;
    }
    return out;
}

// The Exec key's one argument as a desktop takes it apart: string escapes
// first, then quotes with their backslash escapes, then %% for %.
QString execArgument(const QString& exec) {
    const QString value = unescaped(exec);
    QString argument;
    bool quoted = false;
    for (qsizetype k = 0; k < value.size(); ++k) {
        const QChar c = value[k];
        if (c == '"')
            quoted = !quoted;
        else if (quoted && c == '\\' && k + 1 < value.size())
            argument += value[++k];
        else if (c == '%' && k + 1 < value.size() && value[k + 1] == '%')
            argument += value[++k];
        else
            argument += c;
    }
    return argument;
}

QString keyOf(const QString& entry, const QString& key) {
    for (const QString& line : entry.split('\n'))
        if (line.startsWith(key + "="))
            return line.mid(key.size() + 1);
    return "<missing>";
}

TEST(MenuEntryInstallTest, ExecRunsTheInstalledProgramWhateverThePrefix) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString prefix = root.filePath("a \"quoted\" `ticked` $dollar 100% pre");
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(KORVU_CMAKE), {"--install", QStringLiteral(KORVU_BUILD_DIR), "--prefix",
                                                prefix, "--component", "menu-entry"});
    ASSERT_TRUE(install.waitForFinished(60000));
    ASSERT_EQ(install.exitCode(), 0) << install.readAll().toStdString();

    QFile file(QDir(prefix).filePath("share/applications/tazmir-korvu.desktop"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    const QString entry = QString::fromUtf8(file.readAll());
    const QString program = QDir(prefix).filePath("bin/tazmir-korvu");
    EXPECT_EQ(execArgument(keyOf(entry, "Exec")), program);
    EXPECT_EQ(unescaped(keyOf(entry, "TryExec")), program);
    EXPECT_EQ(keyOf(entry, "Exec"), DesktopEntry::execValue(program)); // the start-at-login entry's rule
    EXPECT_FALSE(entry.contains('@')) << entry.toStdString();
}

} // namespace
