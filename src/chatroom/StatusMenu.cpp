// The status menu (the fixed away messages and the own-reason toggle) and the
// two run-time options, whose check marks are their only store.
#include "chatroom/Channel.h"

#include "platform/Dialogs.h"

#include <QAction>

namespace {
const QString kAwayCaption = QStringLiteral("&..:Away [Own Reason]:..");
const QString kOnlineCaption = QStringLiteral("&..:Online:..");
} // namespace

// Marks the user away with a fixed text and tells the room.
void Channel::setFixedStatus(const QString& awayText, const QString& action) {
    if (sock.State() != Winsock::sckConnected)
        return;
    SendData(QStringLiteral("AWAY :") + awayText);
    mnu_status_away->setText(kOnlineCaption);
    sendAction(action);
}

void Channel::mnu_status_brb_Click() {
    setFixedStatus(QStringLiteral("I will be back later."),
                   QStringLiteral("/me has changed status: I will be right back."));
}

void Channel::mnu_status_lunch_Click() {
    setFixedStatus(QStringLiteral("I am having my lunch"),
                   QStringLiteral("/me has changed status: I'm having my lunch."));
}

void Channel::mnu_status_phone_Click() {
    setFixedStatus(QStringLiteral("I am on the phone"),
                   QStringLiteral("/me has changed status: I'm on the phone."));
}

void Channel::mnu_status_busy_Click() {
    setFixedStatus(QStringLiteral("I am busy"),
                   QStringLiteral("/me has changed status: I'm busy right now."));
}

void Channel::mnu_status_afk_Click() {
    setFixedStatus(QStringLiteral("I am away from the keyboard"),
                   QStringLiteral("/me has changed status: I'm away from the keyboard."));
}

// The item's caption is the away state: it offers whichever change is next.
void Channel::mnu_status_away_Click() {
    if (sock.State() != Winsock::sckConnected)
        return;
    const QString caption = mnu_status_away->text();
    if (caption == kAwayCaption) {
        const QString reason =
            Dialogs::inputBox(QStringLiteral("Type Your Away Message"), QStringLiteral("Away Message"));
        SendData(QStringLiteral("AWAY :") + reason);
        sendAction(QStringLiteral("/me has changed status: ") + reason);
        mnu_status_away->setText(kOnlineCaption);
    } else if (caption == kOnlineCaption) {
        SendData(QStringLiteral("AWAY "));
        sendAction(QStringLiteral("/me is online now: I'm Online."));
        mnu_status_away->setText(kAwayCaption);
    }
}

void Channel::mnu_pm_no_Click() {
    mnu_pm_no->setChecked(true);
    mnu_pm_yes->setChecked(false);
}

// Switching private chat off offers to close the conversations now open.
void Channel::mnu_pm_yes_Click() {
    mnu_pm_yes->setChecked(true);
    mnu_pm_no->setChecked(false);
    closequery();
}

void Channel::mnu_sound_no_Click() {
    mnu_sound_no->setChecked(true);
    mnu_sound_yes->setChecked(false);
}

void Channel::mnu_sound_yes_Click() {
    mnu_sound_yes->setChecked(true);
    mnu_sound_no->setChecked(false);
}
