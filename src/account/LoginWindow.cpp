// The sign-in window's construction, load and close.
#include "account/Login.h"

#include "account/LoginDesign.h"
#include "chatroom/DebugWin.h"
#include "platform/ScreenCentre.h"
#include "platform/TwipsGeometry.h"
#include "widgets/DialogLook.h"
#include "widgets/ProgramPictures.h"
#include "widgets/clsSysTray.h"
#include "widgets/xpButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSystemTrayIcon>

namespace {

constexpr int kBannerIntervalMs = 32;
constexpr int kClockIntervalMs = 500;
const QString kProgramName = QStringLiteral("tazmir-korvu"); // names the instance lock
const QColor kTitleColour(255, 255, 255);
const QColor kCreditColour(70, 84, 120);

QLabel* newLabel(QWidget* client, const QString& text, const TwipsRect& design,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(text, client);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    setTwipsGeometry(*label, design);
    return label;
}

QLabel* newPicture(QWidget* client, const QPixmap& picture, const TwipsRect& design, bool stretched) {
    auto* label = new QLabel(client);
    setTwipsGeometry(*label, design);
    label->setPixmap(picture);
    label->setScaledContents(stretched);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

template <typename Control> Control* placed(Control* control, const TwipsRect& design) {
    setTwipsGeometry(*control, design);
    return control;
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QFont withBold(QFont font, qreal scale) {
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

} // namespace

Login::Login() : m_instance(kProgramName) {
    setWindowTitle(QStringLiteral("TazmirKorvu Messenger"));
    setWindowIcon(programIcon());
    QWidget* client = newDesignClient(this);
    buildControls(client);
    buildMenus();
    connectControls();
    Timer1.setInterval(kBannerIntervalMs);
    Timer2.setInterval(kClockIntervalMs);
    setMinimumSize(twipsToPixels(LoginDesign::kMinWidth - LoginDesign::kFrameWidth),
                   twipsToPixelsY(LoginDesign::kMinHeight - LoginDesign::kFrameHeight) +
                       menuBar()->sizeHint().height());
    resize(minimumSize());
}

Login::~Login() = default;

void Login::buildControls(QWidget* client) {
    namespace D = LoginDesign;
    TopD = newPicture(client, programPicture(QStringLiteral("topd")), D::TopD, true);
    Label2 = newLabel(client, QStringLiteral("TazmirKorvu Messenger Alpha 1.0a"), D::Label2);
    Label2->setFont(withBold(client->font(), 1.2));
    setTextColour(Label2, kTitleColour);
    Image3 = newPicture(client, programIcon().pixmap(64, 64), D::Image3, false);
    Image3->setCursor(Qt::PointingHandCursor);

    // The band the banner runs along: the left frame and the stretched
    // decoration meet in the middle.
    Frame2 = placed(new QFrame(client), D::Frame2);
    Frame2->setAutoFillBackground(true);
    QPalette band = Frame2->palette();
    band.setBrush(QPalette::Window, QBrush(programPicture(QStringLiteral("band"))));
    Frame2->setPalette(band);
    Frame1 = placed(new QFrame(client), D::Frame1);
    Image2 = newPicture(client, programPicture(QStringLiteral("image2")), D::Image2, true);
    Image1 = newPicture(client, programPicture(QStringLiteral("still-logo")), D::Image1, false);
    Picture1 = newPicture(client, programPicture(QStringLiteral("banner")), D::Picture1, false);
    Picture2 = newPicture(client, programPicture(QStringLiteral("banner")), D::Picture2, false);
    Picture1->hide();
    Picture2->hide();

    Label3 = newLabel(client, QStringLiteral("Your UserName:"), D::Label3);
    Text1 = placed(new QLineEdit(client), D::Text1);
    Label4 = newLabel(client, QStringLiteral("Your Password:"), D::Label4);
    Text2 = placed(new QLineEdit(client), D::Text2);
    Text2->setEchoMode(QLineEdit::Password);
    Text3 = new QLineEdit(client);
    Text3->hide();
    check2 = placed(new QCheckBox(QStringLiteral("Sign me as Guest On Chat"), client), D::check2);
    Check3 = placed(new QCheckBox(QStringLiteral("Remember me [recommend]"), client), D::Check3);
    check1 = placed(new QCheckBox(QStringLiteral("Remember my password"), client), D::check1);
    ChkStartUp = placed(new QCheckBox(QStringLiteral("Load at Windows StartUp"), client), D::ChkStartUp);
    ChkStartUp->setChecked(true);
    cmdSignIn = new xpButton(QStringLiteral("cmdSignIn"), client);
    cmdSignIn->setButtonSize(xpButton::Big);
    cmdSignIn->setCaption(QStringLiteral("Sign In"));
    setTwipsGeometry(*cmdSignIn, D::cmdSignIn);
    Label6 = newLabel(client, QStringLiteral("You're logged in..."), D::Label6, Qt::AlignCenter);
    Label6->setFont(withBold(client->font(), 1.1));
    Label6->hide();
    Label5 = newLabel(client, QString(), D::Label5, Qt::AlignCenter);
    Label7 = newLabel(client, QString(), D::Label7, Qt::AlignCenter);
    Label8 = newLabel(client, QString(), D::Label8, Qt::AlignCenter);
    for (QLabel* credit : {Label7, Label8})
        setTextColour(credit, kCreditColour);
}

void Login::buildMenus() {
    mnu_File = menuBar()->addMenu(QStringLiteral("File"));
    mnu_Sign = mnu_File->addAction(QStringLiteral("Sign In"));
    mnu_File->addSeparator();
    mnu_chatroom = mnu_File->addAction(QStringLiteral("&Go Chat!"));
    mnu_File->addSeparator();
    mnu_Close = mnu_File->addAction(QStringLiteral("Close"));
    mnu_help = menuBar()->addMenu(QStringLiteral("Help"));
    mnu_Feedback = mnu_help->addAction(QStringLiteral("Send Feedback"));
    mnu_help->addSeparator();
    mnu_About = mnu_help->addAction(QStringLiteral("About Messenger"));
    mnu_author = mnu_help->addAction(QStringLiteral("About Author/Creator"));
}

void Login::connectControls() {
    connect(cmdSignIn, &xpButton::Click, this, &Login::cmdSignIn_Click);
    Image3->installEventFilter(this);
    connect(Text1, &QLineEdit::returnPressed, this, &Login::cmdSignIn_Click);
    connect(Text2, &QLineEdit::returnPressed, this, &Login::DoSignIn);
    connect(Check3, &QCheckBox::stateChanged, this, &Login::Check3_Click);
    connect(check2, &QCheckBox::stateChanged, this, &Login::check2_Click);
    connect(ChkStartUp, &QCheckBox::stateChanged, this, &Login::ChkStartUp_Click);
    connect(mnu_Sign, &QAction::triggered, this, &Login::mnu_Sign_Click);
    connect(mnu_chatroom, &QAction::triggered, this, &Login::mnu_chatroom_Click);
    connect(mnu_Close, &QAction::triggered, this, &Login::mnu_Close_Click);
    connect(mnu_Feedback, &QAction::triggered, this, &Login::mnu_Feedback_Click);
    connect(mnu_About, &QAction::triggered, this, &Login::mnu_About_Click);
    connect(mnu_author, &QAction::triggered, this, &Login::mnu_author_Click);
    connect(&Timer1, &QTimer::timeout, this, &Login::Timer1_Timer);
    connect(&Timer2, &QTimer::timeout, this, &Login::Timer2_Timer);
}

void Login::Form_Load() {
    centreOnScreen(*this);
    // Disabled as the desktop's picture boxes were: deaf to the mouse, still
    // drawn in full colour.
    Picture1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Picture2->setAttribute(Qt::WA_TransparentForMouseEvents);
    TwipsRect second = twipsGeometry(*Picture2);
    second.left = LoginDesign::kPicture2Left;
    second.top = twipsGeometry(*Picture1).top;
    setTwipsGeometry(*Picture2, second);
    createTrayIcon();
    if (!m_instance.tryLock()) {
        closeWhileLoading();
        return;
    }
    readOptions();
    Timer2.start();
    Label7->setText(QStringLiteral("Copyright (C) The Korvu Developers"));
    Label8->setText(QStringLiteral("All rights reserved."));
}

// Made before the instance test, so a second instance has shown its icon too.
void Login::createTrayIcon() {
    gSysTray = new clsSysTray(this);
    connect(gSysTray, &clsSysTray::LButtonDblClk, this, &Login::gSysTray_LButtonDblClk);
    connect(gSysTray, &clsSysTray::RButtonUp, this, &Login::gSysTray_RButtonUp);
    // The icon has a menu from the start; the room window's entries come into
    // it when it is first opened or at sign-in.
    m_iconMenu = new QMenu(this);
    connect(m_iconMenu, &QMenu::aboutToShow, this, &Login::iconMenuAboutToShow);
    gSysTray->setContextMenu(m_iconMenu);
    gSysTray->setSourceWindow(this);
    gSysTray->ChangeIcon(DebugWin::form().windowIcon());
    gSysTray->IconInSysTray();
    gSysTray->setToolTip(QStringLiteral("TazmirKorvu Messenger V. 1.0"));
    // From here on the program lives on in the notification area with no
    // window shown.
    QApplication::setQuitOnLastWindowClosed(false);
}

// Another instance runs: this window goes as soon as its load returns, and
// the start-up shows nothing.
void Login::closeWhileLoading() {
    m_closedWhileLoading = true;
    hide();
    QMetaObject::invokeMethod(this, &Form::Destroy, Qt::QueuedConnection);
}

void Login::Form_Unload(bool& cancel) {
    cancel = true;
    // Without a notification area a hidden window could never be reached
    // again: it goes to the taskbar instead.
    if (QSystemTrayIcon::isSystemTrayAvailable())
        hide();
    else
        showMinimized();
}

void Login::showAgain() {
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void Login::RemoveFromSysTray() {
    if (gSysTray)
        gSysTray->RemoveFromSysTray();
}
