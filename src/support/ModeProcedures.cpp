#include "support/ModeProcedures.h"

#include <QStringList>

#include "support/Globals.h"
#include "support/RoomWindow.h"
#include "support/Settings.h"
#include "support/WindowTables.h"
#include "support/Windows.h"

namespace {

const QString kLettersWithParameter = QStringLiteral("vbohkl");

void applyToRoom(RoomWindow& room, bool sign, const QString& letter, const QString& parameter) {
    const bool own = parameter == G().MyNick;
    if (letter == u"v") {
        room.SetVoice(parameter, sign);
    } else if (letter == u"o") {
        room.SetOp(parameter, sign);
        if (own)
            room.setTopicTag(sign ? QString() : QStringLiteral("locked"));
    } else if (letter == u"h") {
        room.SetHelper(parameter, sign);
    } else if (letter == u"b") {
        // bans are kept by the server's list, not here
    } else if (letter == u"k") {
        room.setChannelKey(sign ? parameter : QString());
        sign ? room.AddMode(letter) : room.RemoveMode(letter);
    } else if (letter == u"l") {
        qint16 limit = 0;
        if (sign)
            convertSetting(parameter, limit);
        room.setUserLimit(limit);
        sign ? room.AddMode(letter) : room.RemoveMode(letter);
    } else {
        sign ? room.AddMode(letter) : room.RemoveMode(letter);
    }
}

} // namespace

void ApplyChannelMode(const QString& target, bool sign, const QString& letter, const QString& parameter) {
    if (target == G().MyNick) {
        RoomWindow& room = Windows::room();
        sign ? room.AddMode(letter) : room.RemoveMode(letter);
        return;
    }
    if (RoomWindow* room = channelAt(FindChannelIndex(target)))
        applyToRoom(*room, sign, letter, parameter);
}

void ParseModeChange(const QString& target, const QString& modes) {
    const QStringList words = modes.split(QLatin1Char(' '));
    bool sign = true;
    int parameter = 0;
    for (const QChar c : words.first()) {
        if (c == u'+') {
            sign = true;
        } else if (c == u'-') {
            sign = false;
        } else if (kLettersWithParameter.contains(c)) {
            if (++parameter >= words.size())
                return;
            ApplyChannelMode(target, sign, QString(c), words[parameter]);
        } else {
            ApplyChannelMode(target, sign, QString(c), QString());
        }
    }
}
