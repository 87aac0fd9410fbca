#pragma once

#include <QString>

// The values of a freedesktop desktop entry, written the way desktops read
// them. The start-at-login entry and the installed menu entry both take them
// from here.
namespace DesktopEntry {

// The Exec= value that runs program without arguments: quoted when it holds a
// reserved character, with ", `, $ and \ escaped inside the quotes, % doubled,
// then escaped as every string value is.
QString execValue(const QString& program);

// A string value (Name=, TryExec=, ...): backslash, line end, tab and carriage
// return escaped.
QString stringValue(const QString& text);

} // namespace DesktopEntry
