#include "account/frmSplash.h"

#include "account/Login.h"
#include "platform/ProgramEnd.h"
#include "platform/ScreenCentre.h"
#include "platform/TwipsGeometry.h"
#include "widgets/ProgramPictures.h"

#include <QLabel>

namespace {

constexpr int kShowMs = 2000;
constexpr TwipsRect kClient{0, 0, 7095, 3255};
constexpr TwipsRect kProductName{2760, 480, 4200, 420};
constexpr TwipsRect kFeatures{2760, 1080, 4200, 1050};
constexpr TwipsRect kCredits{2760, 2400, 4200, 600};

QLabel* newText(QWidget* parent, const QString& text, const TwipsRect& place, const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    setTwipsGeometry(*label, place);
    return label;
}

} // namespace

frmSplash::frmSplash() {
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    auto* client = new QWidget(this);
    setCentralWidget(client);
    Picture1 = new QLabel(client);
    Picture1->setPixmap(programPicture(QStringLiteral("splash")));
    setTwipsGeometry(*Picture1, kClient);

    QFont face(QStringLiteral("Arial"));
    face.setStyleHint(QFont::SansSerif);
    face.setPointSizeF(9);
    QFont title = face;
    title.setBold(true);
    title.setPointSizeF(12.5);
    QFont small = face;
    small.setPointSizeF(7.5);
    lblProductName = newText(client, QStringLiteral("TazmirKorvu Instant Messenger!"), kProductName, title);
    lblFeatures = newText(client,
                          QStringLiteral("Chat with everyone in the Korvu room\n"
                                         "Private conversations, smileys and colours\n"
                                         "Your buddies, always one click away"),
                          kFeatures, face);
    lblCredits =
        newText(client, QStringLiteral("Version 1.0\nMade by the Korvu Developers"), kCredits, small);
    setFixedSize(twipsToPixels(kClient).size());
    Timer1.setInterval(kShowMs);
    Timer1.setTimerType(Qt::PreciseTimer); // a coarse one may end the two seconds 100 ms early
    connect(&Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
}

void frmSplash::Form_Load() {
    centreOnScreen(*this);
    Timer1.start();
}

// Another instance running closes the sign-in window while it loads: then
// nothing is shown and the program ends.
void frmSplash::Timer1_Timer() {
    Login& login = Login::form();
    Unload();
    if (login.closedWhileLoading()) {
        endProgramAtOnce();
        return;
    }
    login.show();
}
