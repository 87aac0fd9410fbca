#include "account/frmSplash.h"
#include "chatroom/RegisterWindows.h"
#include "platform/HeapPages.h"
#include "platform/ShownWindows.h"
#include "platform/WebEngineProcess.h"

#include <QApplication>

// The splash opens the program; the sign-in window it hands over to carries
// the rest of the start-up.
int main(int argc, char** argv) {
    startWithHugeHeapPages(argv);
    prepareWebEngine();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TazmirKorvu"));
    QApplication::setApplicationDisplayName(QStringLiteral("TazmirKorvu Messenger"));
    registerWindows();
    reportShownWindows();
    frmSplash::form().show();
    return QApplication::exec();
}
