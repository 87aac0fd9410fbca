// The room window's construction and load.
#include "chatroom/Channel.h"

#include "account/Login.h"
#include "account/frmchange.h"
#include "account/frmregister.h"
#include "account/usenick.h"
#include "chatroom/DebugWin.h"
#include "platform/Dialogs.h"
#include "platform/EventPump.h"
#include "platform/KeyEvents.h"
#include "platform/ProgramEnd.h"
#include "platform/RichTextBox.h"
#include "platform/Waits.h"
#include "support/Globals.h"
#include "support/QueryWindow.h"
#include "support/SettingsCatalogue.h"
#include "support/Timing.h"
#include "support/WindowTables.h"
#include "widgets/About.h"
#include "widgets/Author.h"
#include "widgets/frmSmileys.h"

#include <QLabel>
#include <QLineEdit>
#include <QSysInfo>

namespace {
constexpr int kReconnectIntervalMs = 20000;
constexpr int kComputerNameBuffer = 50; // the name fits a buffer of 50 with its NUL
} // namespace

Channel::Channel() {
    setWindowTitle(QStringLiteral("TazmirKorvu Messenger 1.0"));
    buildWindow();
    buildMenus();
    connectSockets();
    connectPane();
    connectFrame();
    connectLayout();
    Timer1.setInterval(kReconnectIntervalMs);
    connect(&Timer1, &QTimer::timeout, this, &Channel::Timer1_Timer);
    IDENT.LocalPort = 113;
    m_ctcpClock.start();
}

Channel::~Channel() = default;

void Channel::connectSockets() {
    connect(&sock, &Winsock::ConnectEvent, this, &Channel::sock_Connect);
    connect(&sock, &Winsock::DataArrival, this, &Channel::sock_DataArrival);
    connect(&sock, &Winsock::CloseEvent, this, &Channel::sock_Close);
    connect(&sock, &Winsock::Error, this, &Channel::sock_Error);
    connect(&IDENT, &Winsock::ConnectionRequest, this, &Channel::IDENT_ConnectionRequest);
    connect(&IDENT, &Winsock::DataArrival, this, &Channel::IDENT_DataArrival);
    connect(&IDENT, &Winsock::Error, this, &Channel::IDENT_Error);
    connect(&Waits::instance(), &Waits::began, this, &Channel::answerWaitingPings);
}

void Channel::Form_Load() {
    Text1->setText(QStringLiteral("6667"));
    Label7->setText(QSysInfo::machineHostName().left(kComputerNameBuffer - 1));
    Pause(0.01);
    const auto rows = roomSettingRows();
    const QString typedNick = Login::form().typedNick();
    for (std::size_t k = 0; k < rows.size(); ++k) {
        if (k == rows.size() - 1)
            ColourCode = QStringLiteral("1");
        loadSetting(rows[k], typedNick);
    }
}

void Channel::MakeVisible() {
    setVisible(true);
}

void Channel::Form_Unload(bool& cancel) {
    cancel = true;
    const auto answer = Dialogs::msgBox(
        QStringLiteral(
            "This will resize (minmize) messenger in system tray. Are you sure you want to to exit Tazmir "
            "Korvu Messenger ChatRoom? Messenger will be running in system tray."),
        Dialogs::Buttons::YesNo, Dialogs::Icon::Question, QStringLiteral("Tazmir Korvu Messenger"));
    if (answer != Dialogs::Answer::Yes)
        return;
    hide();
    Login::form().showAgain();
}

void Channel::mnu_terminate_Click() {
    constexpr int kFinalPumps = 16;
    SendData(QStringLiteral("QUIT :") + G().QuitMsg);
    IDENT.Close();
    sock.Close();
    for (Form* window : std::initializer_list<Form*>{DebugWin::loaded(), frmregister::loaded(),
                                                     frmSmileys::loaded(), frmchange::loaded(),
                                                     usenick::loaded(), Author::loaded(), About::loaded()})
        if (window)
            window->Unload();
    unloadOpenConversations();
    for (int k = 0; k < kFinalPumps; ++k)
        DoEvents();
    // The icon goes with the program rather than lingering until the desktop
    // notices the process is gone.
    if (Login* login = Login::loaded())
        login->RemoveFromSysTray();
    endProgramAtOnce();
}

// Free slots keep their windows: only conversations with someone go.
void Channel::unloadOpenConversations() {
    for (int k = 1; k <= G().QueryCount; ++k)
        if (QueryWindow* window = queryAt(k); window && !window->QueryNick().isEmpty())
            window->unloadWindow();
}

bool Channel::PrivateChatSoundOn() const {
    return mnu_sound_no->isChecked() && !mnu_sound_yes->isChecked();
}

bool Channel::PrivateChatRefused() const {
    return (mnu_pm_no->isChecked() && mnu_blocked->isChecked()) || mnu_pm_yes->isChecked();
}
