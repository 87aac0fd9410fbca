// The room window's own costs, on a real display (run it under Xvfb):
// - the nick list's right click (rank look-ups, captions, the pop-up) for rooms
//   of growing size: the cost must not grow with the room;
// - one step of resizing the window with a full pane (10,000 lines), from the
//   size request until the window has laid out and painted the new size;
// - the pane's one new layout of its text once resizing stops.
#include "account/Login.h"
#include "chatroom/Channel.h"
#include "chatroom/RegisterWindows.h"
#include "platform/RichTextBox.h"
#include "support/ColouredText.h"
#include "support/Globals.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void settle() {
    for (int k = 0; k < 20; ++k)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void fillMembers(Channel& room, int count) {
    room.Nicks.clear();
    static const char* prefixes[] = {"@", "%", "+", "", ""};
    room.Nicks.beginBatch();
    for (int k = 0; k < count; ++k)
        room.AddNick(QString::fromLatin1(prefixes[k % 5]) + QStringLiteral("member%1").arg(k));
    room.Nicks.endBatch();
    settle();
}

// The entry in the middle of the list, selected as with the left button.
void selectMiddle(Channel& room) {
    const QModelIndex item = room.lstNicks->model()->index(room.lstNicks->model()->rowCount() / 2, 0);
    room.lstNicks->setCurrentIndex(item);
}

void NickListRightClick(benchmark::State& state) {
    Channel& room = Channel::form();
    fillMembers(room, static_cast<int>(state.range(0)));
    selectMiddle(room);
    room.lstNicks_MouseDown(2, 0, 0, 0); // the menu's first showing creates its window
    room.mnu_nicks->hide();
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        room.lstNicks_MouseDown(2, 0, 0, 0);
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
        room.mnu_nicks->hide();
    }
    state.counters["members"] = room.NickCount();
}

void fillPane(Channel& room, int lines) {
    static const QString texts[] = {
        QStringLiteral("hello everyone, how are you today?"),
        Chr3 + QStringLiteral("4red ") + Chr3 + QStringLiteral("12blue ") + Chr2 + QStringLiteral("bold") +
            Chr2 + QStringLiteral(" and underlined text"),
        QStringLiteral(
            "nothing special here, just a line of chat of ordinary length that goes on long enough to "
            "wrap in a narrow pane and take two lines there"),
        Chr3 + QStringLiteral("7orange") + Chr3 + QStringLiteral(" words of a short line"),
    };
    room.DataIn->setText(QString());
    RichTextBox::Batch batch;
    for (int k = 0; k < lines; ++k)
        PutColouredText(*room.DataIn, Chr3 + QStringLiteral("12<user%1>").arg(k % 500) + Chr3 +
                                          QStringLiteral(" ") + texts[k % 4]);
}

// Alternates between two widths (and heights), so each step changes the width
// of the pane's text.
void ResizeWithFullPane(benchmark::State& state) {
    Channel& room = Channel::form();
    fillPane(room, static_cast<int>(state.range(0)));
    settle();
    bool wide = false;
    for (auto _ : state) {
        wide = !wide;
        const int width = wide ? 15100 : 13600;
        const int height = wide ? 10005 : 9405;
        QElapsedTimer clock;
        clock.start();
        room.setOuterSize(width, height);
        while (room.OuterWidth() != width || room.OuterHeight() != height)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        room.repaint();
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
        settle();
    }
    state.counters["pane_lines"] = room.DataIn->document()->blockCount();
}

// The one layout of the whole scrollback at the new width, once resizing has
// stopped: from the last size change until the pane's text has its new wrap
// width (the pause that ends a resize included).
void RewrapAfterResizing(benchmark::State& state) {
    Channel& room = Channel::form();
    fillPane(room, static_cast<int>(state.range(0)));
    settle();
    bool wide = false;
    for (auto _ : state) {
        wide = !wide;
        const int width = wide ? 15100 : 13600;
        QElapsedTimer clock;
        clock.start();
        room.setOuterSize(width, 9405);
        while (room.OuterWidth() != width ||
               room.DataIn->lineWrapColumnOrWidth() != room.DataIn->viewport()->width())
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        room.repaint();
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
        settle();
    }
}

BENCHMARK(NickListRightClick)
    ->Arg(200)
    ->Arg(2000)
    ->Arg(20000)
    ->Iterations(50)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(ResizeWithFullPane)->Arg(10000)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(RewrapAfterResizing)->Arg(10000)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir settings; // the benchmark never touches the user's settings
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TazmirKorvuBench"));
    registerWindows();
    Login::form().Text1->setText(QStringLiteral("me"));
    Channel& room = Channel::form();
    room.setRoomName(QStringLiteral("#bench"));
    room.show();
    settle();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
