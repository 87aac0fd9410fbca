#include "widgets/Author.h"

#include "support/Shell.h"
#include "support/WebAddresses.h"
#include "widgets/CreditsPage.h"
#include "widgets/ProgramPictures.h"

#include <QLabel>
#include <QMouseEvent>

Author::Author() {
    const CreditsPage page = buildCreditsPage(
        *this, QStringLiteral("About Author/Creator"), programPicture(QStringLiteral("portrait")),
        {QStringLiteral("The Korvu Developers"),
         QStringLiteral("Author and creator of TazmirKorvu Messenger"),
         QStringLiteral("We build small, friendly programs for chatting with people.")},
        QStringLiteral("CLICK HERE TO KNOW ABOUT ME"));
    Image1 = page.picture;
    Label1 = page.lines[0];
    Label2 = page.lines[1];
    Label3 = page.lines[2];
    Label10 = page.link;
    Label10->installEventFilter(this);
}

void Author::Label10_Click() {
    OpenURL(WebAddresses::Author);
}

bool Author::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label10 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        Label10_Click();
    return Form::eventFilter(watched, event);
}
