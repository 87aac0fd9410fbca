#include "platform/DesktopEntry.h"

namespace {

// Characters that make an Exec argument need quotes, and those that need a
// backslash inside the quotes.
const QString kNeedsQuotes = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
const QString kEscapedInQuotes = QStringLiteral("\"`$\\");

QString quotedArgument(const QString& argument) {
    bool needsQuotes = argument.isEmpty();
    for (QChar c : argument)
        needsQuotes = needsQuotes || kNeedsQuotes.contains(c);
    if (!needsQuotes)
        return argument;
    QString quoted = QStringLiteral("\"");
    for (QChar c : argument) {
        if (kEscapedInQuotes.contains(c))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    return quoted + QLatin1Char('"');
}

} // namespace

namespace DesktopEntry {

QString execValue(const QString& program) {
    // A literal percent sign would start a field code.
    return stringValue(quotedArgument(program).replace(QLatin1Char('%'), QStringLiteral("%%")));
}

QString stringValue(const QString& text) {
    QString out;
    for (QChar c : text) {
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

} // namespace DesktopEntry
