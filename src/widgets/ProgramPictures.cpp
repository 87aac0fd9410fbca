#include "widgets/ProgramPictures.h"

// The resources live in a static library: registering them from code that is
// used keeps the linker from dropping them.
static void registerPictures() {
    Q_INIT_RESOURCE(pictures);
}

namespace {
void ensureRegistered() {
    static const bool registered = (registerPictures(), true);
    (void)registered;
}
} // namespace

QIcon programIcon() {
    ensureRegistered();
    return QIcon(QStringLiteral(":/icons/tazmir-korvu.png"));
}

QPixmap programPicture(const QString& name) {
    ensureRegistered();
    return QPixmap(QStringLiteral(":/pictures/") + name + QStringLiteral(".png"));
}
