// The room window's construction and load.
#include "chatroom/Channel.h"

#include "account/Login.h"
#include "platform/RichTextBox.h"
#include "support/ColouredText.h"
#include "support/Globals.h"
#include "support/SettingsCatalogue.h"
#include "support/Timing.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QSysInfo>
#include <QVBoxLayout>

namespace {
constexpr int ReconnectIntervalMs = 20000;
constexpr int ComputerNameBuffer = 50; // the name fits a buffer of 50 with its NUL
} // namespace

Channel::Channel() {
    setWindowTitle(QStringLiteral("TazmirKorvu Messenger 1.0"));
    buildWindow();
    buildMenus();
    connectSockets();
    Timer1.setInterval(ReconnectIntervalMs);
    connect(&Timer1, &QTimer::timeout, this, &Channel::Timer1_Timer);
    IDENT.LocalPort = 113;
}

Channel::~Channel() = default;

void Channel::buildWindow() {
    auto* central = new QWidget(this);
    DataIn = new RichTextBox(central);
    lstNicks = new QListWidget(central);
    cmdCount = new QLabel(central);
    Text1 = new QLineEdit(central);
    Text1->hide();
    Label7 = new QLabel(central);
    Label7->hide();

    auto* side = new QVBoxLayout;
    side->addWidget(cmdCount);
    side->addWidget(lstNicks);
    auto* row = new QHBoxLayout(central);
    row->addWidget(DataIn, 4);
    row->addLayout(side, 1);
    setCentralWidget(central);
    resize(800, 560);
}

void Channel::buildMenus() {
    mnu_File = menuBar()->addMenu(QStringLiteral("&File"));
    mnu_File_Connect = mnu_File->addAction(QStringLiteral("&Connect"));
    mnu_File_Disconnect = mnu_File->addAction(QStringLiteral("&Disconnect"));
    mnu_File_Disconnect->setEnabled(false);
    connect(mnu_File_Connect, &QAction::triggered, this, &Channel::mnu_File_Connect_Click);
    connect(mnu_File_Disconnect, &QAction::triggered, this, &Channel::mnu_File_Disconnect_Click);
}

void Channel::connectSockets() {
    connect(&sock, &Winsock::ConnectEvent, this, &Channel::sock_Connect);
    connect(&sock, &Winsock::DataArrival, this, &Channel::sock_DataArrival);
    connect(&sock, &Winsock::CloseEvent, this, &Channel::sock_Close);
    connect(&sock, &Winsock::Error, this, &Channel::sock_Error);
    connect(&IDENT, &Winsock::ConnectionRequest, this, &Channel::IDENT_ConnectionRequest);
    connect(&IDENT, &Winsock::DataArrival, this, &Channel::IDENT_DataArrival);
    connect(&IDENT, &Winsock::Error, this, &Channel::IDENT_Error);
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

bool Channel::PrivateChatSoundOn() const {
    return true;
}
