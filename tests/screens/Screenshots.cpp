// Writes PNGs of the windows for review. Run under Xvfb (scripts/screenshot):
// the room window with a conversation, coloured text, smiley pictures and the
// nick list, and a conversation window; the splash, the sign-in window signed
// out and signing in, and the two credits windows.
#include "account/Login.h"
#include "account/frmSplash.h"
#include "chatroom/Channel.h"
#include "chatroom/RegisterWindows.h"
#include "platform/EventPump.h"
#include "support/ColouredText.h"
#include "support/Globals.h"
#include "support/QueryWindow.h"
#include "support/WindowTables.h"
#include "widgets/About.h"
#include "widgets/Author.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>

namespace {

void feed(Channel& room, const QString& line) {
    QString copy = line;
    room.interpret(copy);
}

void settle() {
    for (int k = 0; k < 20; ++k)
        DoEvents();
}

bool save(QWidget& window, const QString& path) {
    window.raise();
    window.activateWindow();
    settle();
    const QPixmap shot = window.grab();
    const bool ok = shot.save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

void fillRoom(Channel& room) {
    G().MyNick = QStringLiteral("tazmir");
    feed(room, ":tazmir!t@h JOIN :#Korvu");
    feed(room, ":irc.local 332 tazmir #Korvu :Welcome to the " + Chr3 + "12Korvu" + Chr3 + " room :)");
    feed(room, ":irc.local 333 tazmir #Korvu alice 1765350000");
    feed(room, ":irc.local 353 tazmir = #Korvu :@alice %bob +carol dave erin frank tazmir");
    feed(room, ":greta!g@h JOIN :#Korvu");
    feed(room, ":alice!a@h PRIVMSG #Korvu :Hello everyone :D");
    feed(room, ":carol!c@h PRIVMSG #Korvu :" + Chr3 + "4red, " + Chr3 + "3green" + Chr3 + " and " + Chr2 +
                   "bold" + Chr2 + " and " + Chr31 + "underlined" + Chr31 + " text ;)");
    feed(room, ":dave!d@h PRIVMSG #Korvu :" + Chr1 + "ACTION waves at everybody" + Chr1);
    feed(room, ":erin!e@h NICK :erin_away");
    feed(room, ":alice!a@h MODE #Korvu +v greta");
    feed(room, ":frank!f@h PRIVMSG #Korvu :anyone up for coffee? ~o) or a beer (beer)");
    feed(room, ":bob!b@h QUIT :Quit: see you :((");
    room.DataOut->setText(QStringLiteral("typing a reply..."));
}

QWidget* fillConversation(Channel& room) {
    feed(room, ":alice!alice@host.example PRIVMSG tazmir :hi there! how are you? :)");
    QueryWindow* window = QueryAt(FindQueryIndex(QStringLiteral("alice")));
    if (!window)
        return nullptr;
    window->PutText(QStringLiteral("alice"), Chr1 + QStringLiteral("ACTION smiles") + Chr1);
    PutColouredText(window->DataInPane(), Chr3 + QStringLiteral("4<tazmir> ") + Chr3 + QStringLiteral("1 fine, thanks :D"));
    return qobject_cast<QWidget*>(window->object());
}

// The start as a person meets it: the splash, then the sign-in window, before
// and while signing in.
bool shootStartUp(const QString& folder) {
    frmSplash& splash = frmSplash::form();
    splash.show();
    bool ok = save(splash, QDir(folder).filePath(QStringLiteral("splash.png")));
    splash.Timer1_Timer();
    Login& login = Login::form();
    login.Text1->setText(QStringLiteral("tazmir"));
    login.Text2->setText(QStringLiteral("secret"));
    login.Timer2_Timer();
    ok = save(login, QDir(folder).filePath(QStringLiteral("sign-in.png"))) && ok;

    // The room window's connect command is left idle, so the window stays
    // in its signing-in form with the banner running.
    Channel::form().mnu_File_Connect->setText(QString());
    login.cmdSignIn_Click();
    login.Timer1.stop();
    for (int tick = 0; tick < 9; ++tick)
        login.Timer1_Timer();
    ok = save(login, QDir(folder).filePath(QStringLiteral("sign-in-signing-in.png"))) && ok;
    login.cmdSignout_Click();
    Channel::form().mnu_File_Connect->setText(QStringLiteral("&Connect"));
    login.hide();
    return ok;
}

bool shootCredits(const QString& folder) {
    About& about = About::form();
    about.move(60, 60);
    about.show();
    bool ok = save(about, QDir(folder).filePath(QStringLiteral("about.png")));
    Author& author = Author::form();
    author.move(60, 300);
    author.show();
    return save(author, QDir(folder).filePath(QStringLiteral("author.png"))) && ok;
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
    qputenv("XDG_RUNTIME_DIR", settings.path().toUtf8()); // never mistaken for a running program
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TazmirKorvuScreens"));
    RegisterWindows();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(folder);

    bool ok = shootStartUp(folder);
    ok = shootCredits(folder) && ok;

    Login::form().Text1->setText(QStringLiteral("tazmir"));
    Channel& room = Channel::form();
    room.move(20, 20);
    room.show();
    fillRoom(room);
    ok = save(room, QDir(folder).filePath(QStringLiteral("room-window.png"))) && ok;

    if (QWidget* conversation = fillConversation(room)) {
        conversation->move(860, 60);
        conversation->show();
        ok = save(*conversation, QDir(folder).filePath(QStringLiteral("conversation-window.png"))) && ok;
    }
    return ok ? 0 : 1;
}
