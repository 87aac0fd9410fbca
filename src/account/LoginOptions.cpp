// The sign-in options: the four check boxes, the flags they are kept in, and
// what they store: the remembered nick and password, and the start-at-login
// entry.
#include "account/Login.h"

#include "platform/StartAtLogin.h"
#include "support/Globals.h"
#include "support/Settings.h"
#include "support/SettingsCatalogue.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <variant>

namespace {

const QString CredentialsApp = QStringLiteral("TazmirKorvu");
const QString CredentialsSection = QStringLiteral("main");
const QString NickKey = QStringLiteral("name");
const QString PasswordKey = QStringLiteral("pass");

constexpr int Unticked = 0;
constexpr int Ticked = 1;
constexpr int Greyed = 2;

const SettingRow& rowOf(bool Globals::*flag) {
    for (const SettingRow& row : SignInSettingRows())
        if (std::get_if<bool Globals::*>(&row.variable) && std::get<bool Globals::*>(row.variable) == flag)
            return row;
    Q_UNREACHABLE();
}

// A box's value as the flag, stored in the settings file as "True" or "False".
void saveFlag(const QCheckBox* box, bool Globals::*flag) {
    const SettingRow& row = rowOf(flag);
    G().*flag = Login::CheckValue(box) != Unticked;
    WriteSetting(QString::fromUtf8(row.section), QString::fromUtf8(row.key), BoolText(G().*flag));
}

} // namespace

int Login::CheckValue(const QCheckBox* box) {
    switch (box->checkState()) {
    case Qt::Checked:
        return Ticked;
    case Qt::PartiallyChecked:
        return Greyed;
    default:
        return Unticked;
    }
}

void Login::SetCheckValue(QCheckBox* box, int value) {
    box->setTristate(value == Greyed); // a click never greys a box
    box->setCheckState(value == Ticked   ? Qt::Checked
                       : value == Greyed ? Qt::PartiallyChecked
                                         : Qt::Unchecked);
}

// The flags of the settings file into the boxes, in the order the load has
// always taken: each box that changes runs its handler on the way.
void Login::readOptions() {
    const auto rows = SignInSettingRows(); // bRemNick, bRemPass, bStartup, bGuest
    LoadSetting(rows[0]);
    LoadSetting(rows[1]);
    LoadSetting(rows[2]);
    SetCheckValue(ChkStartUp, BoolToCheck(G().bStartup));
    LoadSetting(rows[3]);
    SetCheckValue(check2, BoolToCheck(G().bGuest));
    SetCheckValue(ChkStartUp, BoolToCheck(G().bStartup));
    SetCheckValue(check1, BoolToCheck(G().bRemPass));
    SetCheckValue(Check3, Ticked); // whatever bRemNick says
    if (Text2->text().isEmpty())
        SetCheckValue(check1, Unticked);
}

void Login::Check3_Click() {
    switch (CheckValue(Check3)) {
    case Ticked:
        Text1->setText(GetSetting(CredentialsApp, CredentialsSection, NickKey, QString()));
        Text2->setText(GetSetting(CredentialsApp, CredentialsSection, PasswordKey, QString()));
        SetCheckValue(check1, Ticked);
        break;
    case Unticked:
        Text1->clear();
        break;
    default:
        break;
    }
}

void Login::check2_Click() {
    switch (CheckValue(check2)) {
    case Ticked:
        Text1->setText(QStringLiteral("Guest"));
        Text2->setEnabled(false);
        Label4->setEnabled(false);
        break;
    case Unticked:
        Text2->setEnabled(true);
        Label4->setEnabled(true);
        Text1->clear();
        break;
    default:
        break;
    }
}

// A failure to write or remove the entry is silent here.
void Login::ChkStartUp_Click() {
    if (CheckValue(ChkStartUp) == Ticked)
        writeStartupEntry();
    else
        removeStartupEntry();
}

bool Login::writeStartupEntry() {
    return StartAtLogin::WriteEntry(StartupEntry, ProgramTitle, QCoreApplication::applicationFilePath());
}

void Login::removeStartupEntry() {
    StartAtLogin::RemoveEntry(StartupEntry);
}

void Login::storeCredentials(const QString& nick, const QString& password) {
    SaveSetting(CredentialsApp, CredentialsSection, NickKey, nick);
    SaveSetting(CredentialsApp, CredentialsSection, PasswordKey, password);
}

void Login::SaveConnect() {
    saveFlag(ChkStartUp, &Globals::bStartup);
    saveFlag(Check3, &Globals::bRemNick);
    saveFlag(check1, &Globals::bRemPass);
    saveFlag(check2, &Globals::bGuest);
}

void Login::setBoxesFromFlags() {
    SetCheckValue(Check3, BoolToCheck(G().bRemNick));
    SetCheckValue(check1, BoolToCheck(G().bRemPass));
    SetCheckValue(check2, BoolToCheck(G().bGuest));
    SetCheckValue(ChkStartUp, BoolToCheck(G().bStartup));
}
