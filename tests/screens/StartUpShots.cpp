// The start as a person meets it: the splash, then the sign-in window, before
// and while signing in; and the two credits windows.
#include "screens/Shots.h"

#include "account/Login.h"
#include "account/frmSplash.h"
#include "chatroom/Channel.h"
#include "widgets/About.h"
#include "widgets/Author.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>

namespace {

using Shots::save;

bool shootStartUp(const QDir& folder) {
    frmSplash& splash = frmSplash::form();
    splash.show();
    bool ok = save(splash, folder.filePath(QStringLiteral("splash.png")));
    splash.Timer1_Timer();
    Login& login = Login::form();
    login.Text1->setText(QStringLiteral("tazmir"));
    login.Text2->setText(QStringLiteral("secret"));
    login.Timer2_Timer();
    ok = save(login, folder.filePath(QStringLiteral("sign-in.png"))) && ok;

    // The room window's connect command is left idle, so the window stays
    // in its signing-in form with the banner running.
    Channel::form().mnu_File_Connect->setText(QString());
    login.cmdSignIn_Click();
    login.Timer1.stop();
    for (int tick = 0; tick < 9; ++tick)
        login.Timer1_Timer();
    ok = save(login, folder.filePath(QStringLiteral("sign-in-signing-in.png"))) && ok;
    login.cmdSignout_Click();
    Channel::form().mnu_File_Connect->setText(QStringLiteral("&Connect"));
    login.hide();
    return ok;
}

bool shootCredits(const QDir& folder) {
    About& about = About::form();
    about.move(60, 60);
    about.show();
    bool ok = save(about, folder.filePath(QStringLiteral("about.png")));
    Author& author = Author::form();
    author.move(60, 300);
    author.show();
    ok = save(author, folder.filePath(QStringLiteral("author.png"))) && ok;
    about.hide();
    author.hide();
    return ok;
}

const bool added = Shots::add(-20, shootStartUp) && Shots::add(-10, shootCredits);

} // namespace
