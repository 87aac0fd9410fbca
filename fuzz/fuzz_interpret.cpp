// Arbitrary bytes from the server, in chunks, through the room window's receive
// path into the interpreter and the windows it drives. Pauses take no real time,
// and each input starts from the same room; the conversation windows opened stay
// (at most 30), so the full table is met too.
#include "account/Login.h"
#include "chatroom/Channel.h"
#include "chatroom/RegisterWindows.h"
#include "platform/Dialogs.h"
#include "platform/RichTextBox.h"
#include "support/Globals.h"
#include "support/QueryWindow.h"
#include "support/Timing.h"
#include "support/WindowTables.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cstdint>

namespace {

// The windows are shown and behave as shown, but they are kept off the screen
// and nothing is drawn: drawing is the toolkit's work, and it would cost more
// than all the rest of an input.
class OffTheScreen : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Polish)
            if (auto* widget = qobject_cast<QWidget*>(watched); widget && widget->isWindow())
                widget->setAttribute(Qt::WA_DontShowOnScreen);
        return event->type() == QEvent::UpdateRequest || event->type() == QEvent::Paint;
    }
};

Channel& room() {
    static QTemporaryDir* settings = [] {
        auto* dir = new QTemporaryDir;
        qputenv("XDG_CONFIG_HOME", dir->path().toUtf8());
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("QT_NO_FAST_SCROLL", "1"); // a scroll marks the area for drawing instead of moving pixels
        return dir;
    }();
    static int argc = 1;
    static char name[] = "fuzz_interpret";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    static Channel* window = [] {
        app->installEventFilter(new OffTheScreen);
        registerWindows();
        setPausesTakeNoTime(true); // a topic reply pauses 0.2 s; here it costs nothing
        Dialogs::setAnswerer([](const Dialogs::Request&) { return Dialogs::Reply{}; });
        Login::form().Text1->setText(QStringLiteral("me"));
        Channel& channel = Channel::form();
        channel.show();
        G().MyNick = QStringLiteral("me");
        // The room of every input: the table holds one room, so later own joins leave it be.
        channel.ReceiveChunk(":me!u@h JOIN :#r\r\n");
        return &channel;
    }();
    (void)settings;
    (void)app;
    return *window;
}

// Each input starts from the same room: the own nick "me" in #r, no members,
// no modes (and empty panes, see below); so a room grown over millions of inputs
// does not slow them down.
void startAfresh(Channel& window) {
    G().MyNick = QStringLiteral("me");
    window.Nicks.clear();
    window.ClearModes();
}

// Emptied before the input's batch closes, the panes' text is never laid out:
// that is the toolkit's work, and it would cost more than the rest of an input.
void emptyPane(RichTextBox& pane) {
    if (pane.textLength() > 0)
        pane.setText(QString());
}

void emptyPanes(Channel& window) {
    emptyPane(*window.DataIn);
    emptyPane(*window.rtbTopic);
    for (int k = 1; k <= Globals::kMaxQueries; ++k)
        if (QueryWindow* query = queryAt(k))
            emptyPane(query->DataInPane());
}

} // namespace

// Heap reports keep short allocation and free stacks: recording 30 frames for
// each of the many small allocations of a line would cost more than the line.
// Run a finding again with ASAN_OPTIONS=malloc_context_size=30 for full stacks.
// Freed memory waits in a quarantine of 64 MiB rather than 256: an input frees
// far less than that, so a use after free is still caught, and the heap stays in
// pages already touched instead of faulting in fresh ones for every input.
extern "C" const char* __asan_default_options() {
    return "malloc_context_size=2:quarantine_size_mb=64";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Channel& window = room();
    startAfresh(window);
    if (size == 0)
        return 0;
    {
        RichTextBox::Batch batch;
        const std::size_t chunk = 1 + data[0] % 97;
        for (std::size_t at = 1; at < size; at += chunk)
            window.ReceiveChunk(QByteArray(reinterpret_cast<const char*>(data + at),
                                           static_cast<qsizetype>(std::min(chunk, size - at))));
        // Ends the last line; after a complete one it adds only empty lines, not
        // a line of its own that the pane would show.
        window.ReceiveChunk("\n");
        emptyPanes(window);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
