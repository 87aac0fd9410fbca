// Arbitrary bytes from the server, in chunks, through the room window's receive
// path into the interpreter, with the window shown offscreen.
#include "account/Login.h"
#include "chatroom/Channel.h"
#include "chatroom/RegisterWindows.h"
#include "platform/Dialogs.h"
#include "platform/RichTextBox.h"
#include "support/Globals.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cstdint>

namespace {

Channel& room() {
    static QTemporaryDir* settings = [] {
        auto* dir = new QTemporaryDir;
        qputenv("XDG_CONFIG_HOME", dir->path().toUtf8());
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return dir;
    }();
    static int argc = 1;
    static char name[] = "fuzz_interpret";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    static Channel* window = [] {
        RegisterWindows();
        Dialogs::SetAnswerer([](const Dialogs::Request&) { return Dialogs::Reply{}; });
        Login::form().Text1->setText(QStringLiteral("me"));
        Channel& channel = Channel::form();
        channel.show();
        return &channel;
    }();
    (void)settings;
    (void)app;
    return *window;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Channel& window = room();
    G().MyNick = QStringLiteral("me");
    window.ReceiveChunk(":me!u@h JOIN :#r\r\n");
    if (size == 0)
        return 0;
    const std::size_t chunk = 1 + data[0] % 97;
    for (std::size_t at = 1; at < size; at += chunk)
        window.ReceiveChunk(QByteArray(reinterpret_cast<const char*>(data + at),
                                       static_cast<qsizetype>(std::min(chunk, size - at))));
    window.ReceiveChunk("\r\n");
    window.DataIn->setText(QString());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
