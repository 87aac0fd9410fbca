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
#include "platform/RichTextBox.h"
#include "platform/Waits.h"
#include "support/ColouredText.h"
#include "support/Globals.h"
#include "support/SettingsCatalogue.h"
#include "support/QueryWindow.h"
#include "support/Timing.h"
#include "support/WindowTables.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QSysInfo>
#include <QVBoxLayout>

namespace {
constexpr int ReconnectIntervalMs = 20000;
constexpr int ComputerNameBuffer = 50; // the name fits a buffer of 50 with its NUL

QAction* checkable(QMenu* menu, const QString& caption, bool checked) {
    QAction* action = menu->addAction(caption);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

// A pair of radio items: choosing one unticks the other.
void radioPair(QObject* owner, QAction* a, QAction* b) {
    auto* group = new QActionGroup(owner);
    group->addAction(a);
    group->addAction(b);
}
} // namespace

Channel::Channel() {
    setWindowTitle(QStringLiteral("TazmirKorvu Messenger 1.0"));
    buildWindow();
    buildMenus();
    connectSockets();
    connectPane();
    Timer1.setInterval(ReconnectIntervalMs);
    connect(&Timer1, &QTimer::timeout, this, &Channel::Timer1_Timer);
    IDENT.LocalPort = 113;
    m_ctcpClock.start();
}

Channel::~Channel() = default;

void Channel::buildWindow() {
    auto* central = new QWidget(this);
    rtbTopic = new RichTextBox(central);
    rtbTopic->setReadOnly(false);
    rtbTopic->setFixedHeight(44);
    rtbTopic->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    DataIn = new RichTextBox(central);
    lstNicks = new QListView(central);
    lstNicks->setModel(&Nicks.model());
    lstNicks->setUniformItemSizes(true); // constant cost per item, whatever the room's size
    lstNicks->setEditTriggers(QAbstractItemView::NoEditTriggers);
    cmdCount = new QLabel(central);
    Text1 = new QLineEdit(central);
    Text1->hide();
    Label7 = new QLabel(central);
    Label7->hide();

    DataOut = new QLineEdit(central);
    auto* keys = new KeyEvents(DataOut);
    connect(keys, &KeyEvents::KeyDown, this, [this](int& keyCode, int) { DataOut_KeyDown(keyCode); });
    connect(keys, &KeyEvents::KeyPress, this, &Channel::DataOut_KeyPress);
    Image2 = new QPushButton(QStringLiteral("Send"), central);
    Check3 = new QCheckBox(QStringLiteral("Bold"), central);
    Check4 = new QCheckBox(QStringLiteral("UnderLine"), central);
    check2 = new QPushButton(central);
    check2->setFixedSize(22, 22);
    check2->setToolTip(QStringLiteral("Colour"));

    // The nick column keeps its width whatever the count says: a change of the
    // pane's width would lay all its lines out again.
    constexpr int NickColumnWidth = 170;
    lstNicks->setFixedWidth(NickColumnWidth);
    cmdCount->setFixedWidth(NickColumnWidth);
    auto* side = new QVBoxLayout;
    side->addWidget(cmdCount);
    side->addWidget(lstNicks);
    auto* panes = new QHBoxLayout;
    panes->addWidget(DataIn, 1);
    panes->addLayout(side);
    auto* input = new QHBoxLayout;
    input->addWidget(Check3);
    input->addWidget(Check4);
    input->addWidget(check2);
    input->addWidget(DataOut, 1);
    input->addWidget(Image2);
    auto* column = new QVBoxLayout(central);
    column->addWidget(rtbTopic);
    column->addLayout(panes, 1);
    column->addLayout(input);
    setCentralWidget(central);
    resize(820, 580);
}

void Channel::buildMenus() {
    mnu_File = menuBar()->addMenu(QStringLiteral("&File"));
    mnu_File_Connect = mnu_File->addAction(QStringLiteral("&Connect"));
    mnu_File_Disconnect = mnu_File->addAction(QStringLiteral("&Disconnect"));
    mnu_File_Disconnect->setEnabled(false);
    mnu_options_clear = mnu_File->addAction(QStringLiteral("&Get Clear Screen"));
    mnu_File->addSeparator();
    mnu_Terminate = mnu_File->addAction(QStringLiteral("&Exit Application"));
    connect(mnu_Terminate, &QAction::triggered, this, &Channel::mnu_terminate_Click);
    connect(mnu_File_Connect, &QAction::triggered, this, &Channel::mnu_File_Connect_Click);
    connect(mnu_File_Disconnect, &QAction::triggered, this, &Channel::mnu_File_Disconnect_Click);
    connect(mnu_options_clear, &QAction::triggered, this, &Channel::mnu_options_clear_Click);

    QMenu* option = menuBar()->addMenu(QStringLiteral("&Option"));
    QMenu* pm = option->addMenu(QStringLiteral("&Recieve/Send Private Chat"));
    mnu_pm_no = checkable(pm, QStringLiteral("&Yes"), true);
    mnu_pm_yes = checkable(pm, QStringLiteral("&No"), false);
    radioPair(this, mnu_pm_no, mnu_pm_yes);
    QMenu* sound = option->addMenu(QStringLiteral("&Get Private Chat Sound"));
    mnu_sound_no = checkable(sound, QStringLiteral("&Yes"), true);
    mnu_sound_yes = checkable(sound, QStringLiteral("&No"), false);
    radioPair(this, mnu_sound_no, mnu_sound_yes);

    auto* nicks = new QMenu(QStringLiteral("nicks"), this);
    mnu_blocked = checkable(nicks, QStringLiteral("Block Conversation"), false);
}

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
    G().BoldChar = Chr2;
    G().UnderlineChar = Chr31;
    G().ColourChar = Chr3;
    G().ReverseChar = Chr22;
    G().CtcpChar = Chr1;
    Text1->setText(QStringLiteral("6667"));
    Label7->setText(QSysInfo::machineHostName().left(ComputerNameBuffer - 1));
    Pause(0.01);
    const auto rows = RoomSettingRows();
    const QString typedNick = Login::form().Text1->text();
    for (std::size_t k = 0; k < rows.size(); ++k) {
        if (k == rows.size() - 1)
            ColourCode = QStringLiteral("1");
        LoadSetting(rows[k], typedNick);
    }
}

void Channel::MakeVisible() {
    setVisible(true);
}

void Channel::Form_Unload(bool& cancel) {
    cancel = true;
    const auto answer = Dialogs::MsgBox(
        QStringLiteral("This will resize (minmize) messenger in system tray. Are you sure you want to to exit Tazmir "
                       "Korvu Messenger ChatRoom? Messenger will be running in system tray."),
        Dialogs::Buttons::YesNo, Dialogs::Icon::Question, QStringLiteral("Tazmir Korvu Messenger"));
    if (answer != Dialogs::Answer::Yes)
        return;
    hide();
    Login::form().show();
}

void Channel::mnu_terminate_Click() {
    constexpr int FinalPumps = 16;
    SendData(QStringLiteral("QUIT :") + G().QuitMsg);
    IDENT.Close();
    sock.Close();
    for (Form* window : std::initializer_list<Form*>{DebugWin::loaded(), frmregister::loaded(), frmchange::loaded(),
                                                     usenick::loaded()})
        if (window)
            window->Unload();
    for (int k = 1; k <= G().QueryCount; ++k)
        if (QueryWindow* window = QueryAt(k); window && !window->QueryNick().isEmpty())
            window->UnloadWindow();
    for (int k = 0; k < FinalPumps; ++k)
        DoEvents();
    QCoreApplication::exit(0);
}

bool Channel::PrivateChatSoundOn() const {
    return mnu_sound_no->isChecked() && !mnu_sound_yes->isChecked();
}

bool Channel::PrivateChatRefused() const {
    return (mnu_pm_no->isChecked() && mnu_blocked->isChecked()) || mnu_pm_yes->isChecked();
}

bool Channel::IsBlocked(const QString&) const {
    return false;
}

void Channel::ToggleBuddyList() {}
