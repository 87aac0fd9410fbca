#include "widgets/About.h"

#include "widgets/CreditsPage.h"
#include "widgets/ProgramPictures.h"

#include <QLabel>

About::About() {
    const CreditsPage page = buildCreditsPage(
        *this, QStringLiteral("About TazmirKorvu Messenger"), programIcon().pixmap(64, 64),
        {QStringLiteral("TazmirKorvu Messenger"), QStringLiteral("Version 1.0"),
         QStringLiteral("Chat with everyone in the Korvu room, and in private with a friend."),
         QStringLiteral("Made by the Korvu team.")});
    Image1 = page.picture;
    Label1 = page.lines[0];
    Label2 = page.lines[1];
    Label3 = page.lines[2];
    Label4 = page.lines[3];
}
