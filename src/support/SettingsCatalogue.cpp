#include "support/SettingsCatalogue.h"

#include "support/Settings.h"

#include <array>

namespace {

const std::array<SettingRow, 18> kRoomRows{{
    {"connect", "server", kDefaultServerHost, &Globals::ServerHost},
    {"connect", "nick", nullptr, &Globals::MyNick},
    {"connect", "fullname", "Tazmir Tazmir Tazmir Tazmir Korvu Messenger V 1.0", &Globals::FullName},
    {"connect", "ident", "QVD", &Globals::IdentName},
    {"connect", "port", "6667", &Globals::ServerPort},
    {"connect", "connonload", "true", &Globals::ConnectOnLoad},
    {"connect", "reconnect", "true", &Globals::ReconnectOn},
    {"connect", "invisible", "false", &Globals::InvisibleOn},
    {"irc", "update", "true", &Globals::UpdateOn},
    {"connect", "retry", "true", &Globals::RetryOn},
    {"connect", "retrynum", "10", &Globals::RetryCount},
    {"connect", "autojoin", "#Korvu", &Globals::AutoJoin},
    {"windows", "stretch", "true", &Globals::StretchOn},
    {"display", "fontsize", "10", &Globals::FontSize},
    {"display", "fontname", "Arial", &Globals::FontName},
    {"irc", "whoisquery", "false", &Globals::WhoisToQuery},
    {"irc", "maxtexthistory", "30", &Globals::MaxTextHistory},
    {"irc", "quitmsg", "Tazmir Korvu Messenger v 1.0", &Globals::QuitMsg},
}};

const std::array<SettingRow, 4> kSignInRows{{
    {"NickName", "bremnick", "true", &Globals::bRemNick},
    {"irc", "Password", "false", &Globals::bRemPass},
    {"load", "startup", "true", &Globals::bStartup},
    {"irc", "Guest", "false", &Globals::bGuest},
}};

} // namespace

std::span<const SettingRow> roomSettingRows() {
    return kRoomRows;
}

std::span<const SettingRow> signInSettingRows() {
    return kSignInRows;
}

void loadSetting(const SettingRow& row, const QString& callerDefault) {
    const QString fallback = row.defaultValue ? QString::fromUtf8(row.defaultValue) : callerDefault;
    const QString text = ReadSetting(QString::fromUtf8(row.section), QString::fromUtf8(row.key), fallback);
    std::visit([&](auto member) { convertSetting(text, G().*member); }, row.variable);
}
