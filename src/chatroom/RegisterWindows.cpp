#include "chatroom/RegisterWindows.h"

#include "chatroom/Channel.h"
#include "conversation/Query.h"
#include "support/Windows.h"
#include "widgets/frmPopup.h"
#include "widgets/frmSmileys.h"
#include "widgets/frmcolor.h"

#include <QLineEdit>

namespace {

// The pickers know no window: what they choose goes to the room's input line.
void connectPickers() {
    FormSlot<frmSmileys>::onLoaded = [](frmSmileys& picker) {
        QObject::connect(&picker, &frmSmileys::smileyChosen, &picker, [](const QString& code) {
            QLineEdit* input = Channel::form().DataOut;
            input->setText(input->text() + code);
        });
    };
    FormSlot<frmcolor>::onLoaded = [](frmcolor& picker) {
        QObject::connect(&picker, &frmcolor::colourChosen, &picker, [](const QString& number) {
            Channel& room = Channel::form();
            room.selectcolor(number);
            room.DataOut->setFocus();
        });
    };
}

// The notice knows no window: asked for the chat room, it shows the room window
// as the tray menu's "Show ChatRoom" does.
void connectNotice() {
    FormSlot<frmPopup>::onLoaded = [](frmPopup& notice) {
        QObject::connect(&notice, &frmPopup::chatRoomAsked, &notice,
                         [] { Channel::form().mnu_chatroom_Click(); });
    };
}

} // namespace

void registerWindows() {
    Windows::setRoomLoader([]() -> RoomWindow& { return Channel::form(); });
    Windows::setQueryFactory([]() -> QueryWindow* { return Query::Create(); });
    connectPickers();
    connectNotice();
}
