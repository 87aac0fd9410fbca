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

const QString kCredentialsApp = QStringLiteral("TazmirKorvu");
const QString kCredentialsSection = QStringLiteral("main");
const QString kNickKey = QStringLiteral("name");
const QString kPasswordKey = QStringLiteral("pass");

constexpr int kUnticked = 0;
constexpr int kTicked = 1;
constexpr int kGreyed = 2;

const SettingRow& rowOf(bool Globals::*flag) {
    for (const SettingRow& row : signInSettingRows())
        if (std::get_if<bool Globals::*>(&row.variable) && std::get<bool Globals::*>(row.variable) == flag)
            return row;
    Q_UNREACHABLE();
}

// A box's value as the flag, stored in the settings file as "True" or "False".
void saveFlag(const QCheckBox* box, bool Globals::*flag) {
    const SettingRow& row = rowOf(flag);
    G().*flag = Login::checkValue(box) != kUnticked;
    WriteSetting(QString::fromUtf8(row.section), QString::fromUtf8(row.key), boolText(G().*flag));
}

} // namespace

int Login::checkValue(const QCheckBox* box) {
    switch (box->checkState()) {
    case Qt::Checked:
        return kTicked;
    case Qt::PartiallyChecked:
        return kGreyed;
    default:
        return kUnticked;
    }
}

void Login::setCheckValue(QCheckBox* box, int value) {
    box->setTristate(value == kGreyed); // a click never greys a box
    box->setCheckState(value == kTicked   ? Qt::Checked
                       : value == kGreyed ? Qt::PartiallyChecked
                                          : Qt::Unchecked);
}

// The flags of the settings file into the boxes, in the order the load has
// always taken: each box that changes runs its handler on the way.
void Login::readOptions() {
    const auto rows = signInSettingRows(); // bRemNick, bRemPass, bStartup, bGuest
    loadSetting(rows[0]);
    loadSetting(rows[1]);
    loadSetting(rows[2]);
    setCheckValue(ChkStartUp, BoolToCheck(G().bStartup));
    loadSetting(rows[3]);
    setCheckValue(check2, BoolToCheck(G().bGuest));
    setCheckValue(ChkStartUp, BoolToCheck(G().bStartup));
    setCheckValue(check1, BoolToCheck(G().bRemPass));
    setCheckValue(Check3, kTicked); // whatever bRemNick says
    if (Text2->text().isEmpty())
        setCheckValue(check1, kUnticked);
}

void Login::Check3_Click() {
    switch (checkValue(Check3)) {
    case kTicked:
        Text1->setText(getSetting(kCredentialsApp, kCredentialsSection, kNickKey, QString()));
        Text2->setText(getSetting(kCredentialsApp, kCredentialsSection, kPasswordKey, QString()));
        setCheckValue(check1, kTicked);
        break;
    case kUnticked:
        Text1->clear();
        break;
    default:
        break;
    }
}

void Login::check2_Click() {
    switch (checkValue(check2)) {
    case kTicked:
        Text1->setText(QStringLiteral("Guest"));
        Text2->setEnabled(false);
        Label4->setEnabled(false);
        break;
    case kUnticked:
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
    if (checkValue(ChkStartUp) == kTicked)
        writeStartupEntry();
    else
        removeStartupEntry();
}

bool Login::writeStartupEntry() {
    return StartAtLogin::writeEntry(kStartupEntry, kProgramTitle, QCoreApplication::applicationFilePath());
}

void Login::removeStartupEntry() {
    StartAtLogin::removeEntry(kStartupEntry);
}

void Login::storeCredentials(const QString& nick, const QString& password) {
    saveSetting(kCredentialsApp, kCredentialsSection, kNickKey, nick);
    saveSetting(kCredentialsApp, kCredentialsSection, kPasswordKey, password);
}

void Login::SaveConnect() {
    saveFlag(ChkStartUp, &Globals::bStartup);
    saveFlag(Check3, &Globals::bRemNick);
    saveFlag(check1, &Globals::bRemPass);
    saveFlag(check2, &Globals::bGuest);
}

void Login::setBoxesFromFlags() {
    setCheckValue(Check3, BoolToCheck(G().bRemNick));
    setCheckValue(check1, BoolToCheck(G().bRemPass));
    setCheckValue(check2, BoolToCheck(G().bGuest));
    setCheckValue(ChkStartUp, BoolToCheck(G().bStartup));
}
