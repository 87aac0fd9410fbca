#include "support/Shell.h"

#include "support/RoomWindow.h"
#include "support/Windows.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QHash>
#include <QSoundEffect>
#include <QUrl>

namespace {

QSoundEffect* soundFor(const QString& path) {
    static QHash<QString, QSoundEffect*> effects;
    QSoundEffect*& effect = effects[path];
    if (!effect) {
        effect = new QSoundEffect(QCoreApplication::instance());
        effect->setSource(QUrl::fromLocalFile(path));
    }
    return effect;
}

} // namespace

void PlaySoundFile(const QString& file) {
    if (!Windows::room().PrivateChatSoundOn())
        return;
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(file);
    soundFor(path)->play();
}

void OpenURL(const QString& target) {
    QDesktopServices::openUrl(QUrl::fromUserInput(target));
}
