// The room pane, the input line with its history and style choices, the topic
// box's keys and the smiley pictures of the pane.
#include "chatroom/Channel.h"

#include "platform/KeyCodes.h"
#include "platform/RichTextBox.h"
#include "support/ColouredText.h"
#include "support/Globals.h"
#include "support/IncomingText.h"
#include "support/Smileys.h"
#include "widgets/frmcolor.h"

#include <QCheckBox>
#include <QHash>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The input line's own colours for the colour codes (not the IRC colour table).
QColor inputColour(const QString& code) {
    static const QHash<QString, QColor> colours{
        {"1", QColor(0, 0, 0)},       {"2", QColor(0, 0, 99)},     {"3", QColor(0, 99, 0)},
        {"4", QColor(255, 0, 0)},     {"5", QColor(99, 0, 0)},     {"6", QColor(99, 0, 99)},
        {"7", QColor(255, 160, 0)},   {"8", QColor(255, 255, 0)},  {"9", QColor(0, 255, 60)},
        {"10", QColor(0, 99, 99)},    {"11", QColor(0, 255, 255)}, {"12", QColor(0, 0, 255)},
        {"13", QColor(230, 0, 255)},  {"14", QColor(99, 99, 99)},  {"15", QColor(165, 165, 165)},
        {"rainbow", QColor(0, 0, 0)},
    };
    return colours.value(code, QColor(0, 0, 0));
}

// Room text from a user: its nick in colour 12, then two blanks before the text.
QString roomTextLine(const QString& nick, const QString& text) {
    return trimBlanks(Colour("12") + QStringLiteral("<") + nick + QStringLiteral(">") + Chr3 +
                      QStringLiteral(" ") + QStringLiteral(" ") + text);
}

const QString kRoomVersionReply = QStringLiteral("VERSION Tazmir Korvu Messengr for Windows OS");

} // namespace

void Channel::PutText(const QString& nick, const QString& text) {
    putIncomingText(*DataIn, nick, text, roomTextLine, [&] { CTCPReply(nick, kRoomVersionReply); });
}

void Channel::DataOut_KeyPress(int& keyAscii) {
    QFont font = DataOut->font();
    font.setPointSize(G().FontSize);
    font.setFamily(G().FontName);
    DataOut->setFont(font);
    if (keyAscii != kKeyEnter)
        return;
    if (trimBlanks(DataOut->text()).isEmpty())
        return;
    keyAscii = 0;
    sendTypedLine();
}

// A typed line goes out as a room message; "!" lines without the style codes and
// without history, "IRC " lines as raw lines.
void Channel::sendTypedLine() {
    const QString t = DataOut->text();
    const QString s = trimBlanks(t);
    const QString style = outgoingStyle();
    if (s.startsWith(QLatin1Char('!'))) {
        SendData(QStringLiteral("PRIVMSG ") + RoomName() + QStringLiteral(" :") + t);
        showInMain(Colour("04") + QStringLiteral("<") + G().MyNick + QStringLiteral("> ") + style + t);
    } else if (s.left(4) == QLatin1String("IRC ")) {
        SendData(s.mid(4));
    } else {
        SendData(QStringLiteral("PRIVMSG ") + RoomName() + QStringLiteral(" :") + style + t);
        showInMain(Colour("04") + QStringLiteral("<") + G().MyNick + Chr2 + Chr2 + QStringLiteral(">") +
                   style + t);
        DoHistory();
    }
    DataOut->clear();
}

QString Channel::outgoingStyle() const {
    return BoldCode + Chr3 + ColourCode + QLatin1Char(' ') + UnderlineCode;
}

void Channel::DoHistory() {
    m_inputHistory.add(DataOut->text(), G().MaxTextHistory);
}

void Channel::DataOut_KeyDown(int& keyCode) {
    m_inputHistory.keyDown(keyCode, *DataOut);
}

void Channel::selectcolor(const QString& code) {
    ColourCode = code;
    if (frmcolor* picker = frmcolor::loaded())
        picker->hide();
    const QColor colour = inputColour(code);
    check2->setStyleSheet(QStringLiteral("background-color: %1;").arg(colour.name()));
    QPalette palette = DataOut->palette();
    palette.setColor(QPalette::Text, colour);
    DataOut->setPalette(palette);
}

void Channel::CheckRTF(RichTextBox& rtb, int position, int added) {
    replaceSmileyCodes(rtb, position, added);
}

void Channel::mnu_options_clear_Click() {
    DataIn->setText(QString());
    showInMain(Colour("14") + QStringLiteral("- Cleared Chat Screen"));
    showInMain(Colour("14") +
               QStringLiteral("- You've cleared your chat screen, all previous public messages "
                              "cleared."));
}

void Channel::topicKeyDown(int& keyCode) {
    if (rtbTopic->Tag == QLatin1String("locked") && (keyCode == kKeyBackspace || keyCode == kKeyDelete))
        keyCode = 0;
}

void Channel::topicKeyPress(int& keyAscii) {
    if (rtbTopic->Tag == QLatin1String("locked")) {
        keyAscii = 0;
        return;
    }
    if (keyAscii == kKeyEnter) {
        SendData(QStringLiteral("TOPIC ") + RoomName() + QStringLiteral(" :") + rtbTopic->Text());
        keyAscii = 0;
    }
}

void Channel::setTopicTag(const QString& tag) {
    rtbTopic->Tag = tag;
}

// The style boxes: their state is the code put before each outgoing line.
void Channel::connectPane() {
    connect(DataIn, &RichTextBox::Change, this,
            [this](int position, int, int added) { CheckRTF(*DataIn, position, added); });
    const auto focusInput = [this](RichTextBox* box) {
        if (box->SelLength() == 0)
            DataOut->setFocus();
    };
    connect(DataIn, &RichTextBox::Click, this, [this, focusInput] { focusInput(DataIn); });
    connect(rtbTopic, &RichTextBox::Click, this, [this, focusInput] { focusInput(rtbTopic); });
    connect(rtbTopic, &RichTextBox::KeyDown, this, [this](int& keyCode, int) { topicKeyDown(keyCode); });
    connect(rtbTopic, &RichTextBox::KeyPress, this, &Channel::topicKeyPress);
    connect(Check3, &QCheckBox::clicked, this, [this] {
        const bool on = Check3->isChecked();
        BoldCode = on ? Chr2 : QString();
        QFont font = DataOut->font();
        font.setBold(on);
        DataOut->setFont(font);
    });
    connect(Check4, &QCheckBox::clicked, this, [this] {
        const bool on = Check4->isChecked();
        UnderlineCode = on ? Chr31 : QString();
        QFont font = DataOut->font();
        font.setUnderline(on);
        DataOut->setFont(font);
    });
    connect(Image2, &QPushButton::clicked, this, [this] {
        int key = kKeyEnter;
        DataOut_KeyPress(key);
    });
}
