// The labels under the input line that act in this window.
#include "conversation/Query.h"

#include "chatroom/BuddyList.h"
#include "chatroom/Channel.h"
#include "chatroom/IgnoreList.h"
#include "platform/Dialogs.h"
#include "support/CommandParser.h"
#include "support/Globals.h"
#include "support/IrcText.h"
#include "widgets/Author.h"
#include "widgets/FontOption.h"
#include "widgets/frmcolor.h"

void Query::Label4_Click() {
    Unload();
}

// The action goes to the nick selected in the room's list, or to this
// window's correspondent when none is selected.
void Query::LabelAction_Click() {
    Channel& room = Channel::form();
    QString target = room.lstNicksText();
    StripNickModes(target);
    if (target.isEmpty())
        target = m_queryNick;
    if (target == G().MyNick) {
        Dialogs::msgBox(QStringLiteral("Error"), Dialogs::Buttons::Ok, Dialogs::Icon::None,
                        QStringLiteral("You cannot do that to yourself!"));
        return;
    }
    const QString answer =
        Dialogs::inputBox(QStringLiteral("Type Your Own Action Message"), QStringLiteral("Action Message"));
    const QString line = ParseCommand(target, DropLeft(QStringLiteral("/me ") + answer, 1));
    if (!line.isEmpty())
        room.SendData(line);
}

void Query::cmdOptions_Click() {
    BuddyList::form().show();
}

void Query::Label6_Click() {
    IgnoreList::form().show();
}

void Query::Label7_Click() {
    FontOption::form().show();
}

void Query::Label8_Click() {
    frmcolor::form().show();
}

void Query::Label5_Click() {
    Author::form().show();
}
