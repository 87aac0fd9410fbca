// The smiley, colour and font pickers, side by side under the room window.
#include "screens/Shots.h"

#include "support/Globals.h"
#include "widgets/FontOption.h"
#include "widgets/frmSmileys.h"
#include "widgets/frmcolor.h"

#include <QFontDatabase>
#include <utility>

namespace {

// Side by side under the room window.
bool savePickers(const QDir& folder) {
    // As a user whose display font is installed sees the font dialog.
    const QStringList fonts = QFontDatabase::families();
    if (!fonts.isEmpty())
        G().FontName =
            fonts.contains(QStringLiteral("DejaVu Sans")) ? QStringLiteral("DejaVu Sans") : fonts.first();
    const std::pair<Form*, const char*> pickers[] = {{&frmSmileys::form(), "smileys.png"},
                                                     {&frmcolor::form(), "colour-picker.png"},
                                                     {&FontOption::form(), "font-dialog.png"}};
    bool ok = true;
    int left = 40;
    for (const auto& [picker, file] : pickers) {
        picker->move(left, 500);
        picker->show();
        ok = Shots::save(*picker, folder.filePath(QString::fromLatin1(file))) && ok;
        left += picker->frameGeometry().width() + 40;
    }
    return ok;
}

const bool added = Shots::add(30, savePickers);

} // namespace
