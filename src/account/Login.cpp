#include "account/Login.h"

#include <QAction>
#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QVBoxLayout>

namespace {
constexpr int BannerIntervalMs = 32;
}

Login::Login() {
    setWindowTitle(QStringLiteral("TazmirKorvu Messenger"));
    buildWindow();
    Timer1.setInterval(BannerIntervalMs);
    mnu_File = menuBar()->addMenu(QStringLiteral("File"));
    mnu_Sign = mnu_File->addAction(QStringLiteral("Sign In"));
}

void Login::buildWindow() {
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    Picture1 = new QLabel(central);
    Picture2 = new QLabel(central);
    Image1 = new QLabel(central);
    Picture1->hide();
    Picture2->hide();
    column->addWidget(Image1);
    column->addWidget(Picture1);
    column->addWidget(Picture2);

    Label3 = new QLabel(QStringLiteral("Your UserName:"), central);
    Text1 = new QLineEdit(central);
    Label4 = new QLabel(QStringLiteral("Your Password:"), central);
    Text2 = new QLineEdit(central);
    Text2->setEchoMode(QLineEdit::Password);
    Text3 = new QLineEdit(central);
    Text3->hide();
    Check3 = new QCheckBox(QStringLiteral("Remember me [recommend]"), central);
    check1 = new QCheckBox(QStringLiteral("Remember my password"), central);
    check2 = new QCheckBox(QStringLiteral("Sign me as Guest On Chat"), central);
    ChkStartUp = new QCheckBox(QStringLiteral("Load at Windows StartUp"), central);
    ChkStartUp->setChecked(true);
    Label6 = new QLabel(QStringLiteral("You're logged in..."), central);
    Label6->hide();
    for (QWidget* field : signInFields())
        column->addWidget(field);
    column->addWidget(Label6);
    column->addStretch();
    setCentralWidget(central);
}

QList<QWidget*> Login::signInFields() const {
    return {Label3, Text1, Label4, Text2, check1, check2, Check3, ChkStartUp};
}

void Login::cmdSignout_Click() {
    Timer1.stop();
    Picture1->hide();
    Picture2->hide();
    Image1->show();
}

void Login::Login_Log() {
    Label6->show();
    for (QWidget* field : signInFields())
        field->hide();
}

void Login::Login_UnLog() {
    Label6->hide();
    for (QWidget* field : signInFields())
        field->show();
}
