// Writes PNGs of the windows for review. Run under Xvfb (scripts/screenshot):
// the room window with a conversation, coloured text, smiley pictures and the
// nick list, at its smallest, larger and with its Home tab, a conversation
// window, then the groups of pictures that the other
// files of this folder add.
#include "screens/Shots.h"

#include "account/Login.h"
#include "chatroom/Channel.h"
#include "chatroom/RegisterWindows.h"
#include "chatroom/RoomDesign.h"
#include "platform/EventPump.h"
#include "platform/WebBrowser.h"
#include "platform/WebEngineProcess.h"
#include "support/ColouredText.h"
#include "support/Globals.h"
#include "support/QueryWindow.h"
#include "support/WebAddresses.h"
#include "support/WindowTables.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <QLineEdit>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <map>

namespace {

std::multimap<int, Shots::Draw>& groups() {
    static std::multimap<int, Shots::Draw> all;
    return all;
}

void fillRoom(Channel& room) {
    G().MyNick = QStringLiteral("tazmir");
    Shots::feed(room, ":tazmir!t@h JOIN :#Korvu");
    Shots::feed(room, ":irc.local 332 tazmir #Korvu :Welcome to the " + Chr3 + "12Korvu" + Chr3 + " room :)");
    Shots::feed(room, ":irc.local 333 tazmir #Korvu alice 1765350000");
    Shots::feed(room, ":irc.local 353 tazmir = #Korvu :@alice %bob +carol dave erin frank tazmir");
    Shots::feed(room, ":greta!g@h JOIN :#Korvu");
    Shots::feed(room, ":alice!a@h PRIVMSG #Korvu :Hello everyone :D");
    Shots::feed(room, ":carol!c@h PRIVMSG #Korvu :" + Chr3 + "4red, " + Chr3 + "3green" + Chr3 + " and " +
                          Chr2 + "bold" + Chr2 + " and " + Chr31 + "underlined" + Chr31 + " text ;)");
    Shots::feed(room, ":dave!d@h PRIVMSG #Korvu :" + Chr1 + "ACTION waves at everybody" + Chr1);
    Shots::feed(room, ":erin!e@h NICK :erin_away");
    Shots::feed(room, ":alice!a@h MODE #Korvu +v greta");
    Shots::feed(room, ":frank!f@h PRIVMSG #Korvu :anyone up for coffee? ~o) or a beer (beer)");
    Shots::feed(room, ":bob!b@h QUIT :Quit: see you :((");
    room.DataOut->setText(QStringLiteral("typing a reply..."));
}

QWidget* fillConversation(Channel& room) {
    Shots::feed(room, ":alice!alice@host.example PRIVMSG tazmir :hi there! how are you? :)");
    QueryWindow* window = queryAt(FindQueryIndex(QStringLiteral("alice")));
    if (!window)
        return nullptr;
    window->PutText(QStringLiteral("alice"), Chr1 + QStringLiteral("ACTION smiles") + Chr1);
    PutColouredText(window->DataInPane(),
                    Chr3 + QStringLiteral("4<tazmir> ") + Chr3 + QStringLiteral("1 fine, thanks :D"));
    return qobject_cast<QWidget*>(window->object());
}

} // namespace

void Shots::feed(Channel& room, const QString& line) {
    QString copy = line;
    room.interpret(copy);
}

void Shots::settle() {
    for (int k = 0; k < 20; ++k)
        DoEvents();
}

bool Shots::save(QWidget& window, const QString& path) {
    window.raise();
    window.activateWindow();
    settle();
    const QPixmap shot = window.grab();
    const bool ok = shot.save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

// Woken by each event, until the pane shows more than one colour, at most 30 s.
void Shots::waitUntilDrawn(WebBrowser& pane) {
    const QDeadlineTimer deadline(30000);
    QTimer tick;
    tick.start(50);
    const auto drawn = [&] {
        const QImage image = pane.grab().toImage();
        return !pane.busy() && !image.isNull() &&
               image.pixel(image.width() / 2, 10) != image.pixel(10, image.height() - 10);
    };
    while (!drawn() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

bool Shots::add(int order, Draw draw) {
    groups().emplace(order, std::move(draw));
    return true;
}

int main(int argc, char** argv) {
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
    qputenv("XDG_RUNTIME_DIR", settings.path().toUtf8()); // never mistaken for a running program
    prepareWebEngine();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TazmirKorvuScreens"));
    registerWindows();
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs"));
    QDir().mkpath(folder.path());

    bool ok = true;
    for (auto group = groups().begin(); group != groups().lower_bound(0); ++group)
        ok = group->second(folder) && ok;

    Login::form().Text1->setText(QStringLiteral("tazmir"));
    Channel& room = Channel::form();
    room.move(20, 20);
    room.show();
    fillRoom(room);
    room.setOuterSize(RoomDesign::kMinWidth, RoomDesign::kMinHeight);
    ok = Shots::save(room, folder.filePath(QStringLiteral("room-window.png"))) && ok;
    room.setOuterSize(16500, 11000);
    ok = Shots::save(room, folder.filePath(QStringLiteral("room-window-large.png"))) && ok;
    room.Home->Navigate(WebAddresses::Home);
    room.TBar->setCurrentIndex(0);
    Shots::waitUntilDrawn(*room.Home);
    ok = Shots::save(room, folder.filePath(QStringLiteral("room-window-home.png"))) && ok;
    room.TBar->setCurrentIndex(1);
    room.setOuterSize(RoomDesign::kMinWidth, RoomDesign::kMinHeight);

    if (QWidget* conversation = fillConversation(room)) {
        conversation->move(860, 60);
        conversation->show();
        ok = Shots::save(*conversation, folder.filePath(QStringLiteral("conversation-window.png"))) && ok;
    }
    for (auto group = groups().lower_bound(0); group != groups().end(); ++group)
        ok = group->second(folder) && ok;
    return ok ? 0 : 1;
}
