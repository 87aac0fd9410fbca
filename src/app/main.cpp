#include "account/Login.h"
#include "chatroom/Channel.h"
#include "chatroom/RegisterWindows.h"
#include "platform/WebEngineProcess.h"
#include "support/Settings.h"

#include <QApplication>
#include <QLineEdit>

int main(int argc, char** argv) {
    PrepareWebEngine();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TazmirKorvu"));
    QApplication::setApplicationDisplayName(QStringLiteral("TazmirKorvu Messenger"));
    RegisterWindows();

    // Until the sign-in window takes over: connect with the nick of the settings.
    const QString nick = ReadSetting(QStringLiteral("connect"), QStringLiteral("nick"),
                                     qEnvironmentVariable("USER", QStringLiteral("Guest")));
    Login::form().Text1->setText(nick);
    Channel& room = Channel::form();
    room.show();
    room.mnu_File_Connect_Click();
    return QApplication::exec();
}
