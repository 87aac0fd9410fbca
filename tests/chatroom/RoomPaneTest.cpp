// The room's input line: what typed lines send and echo, the style codes, the
// history and the topic box's lock.
#include "chatroom/Channel.h"
#include "chatroom/DebugWin.h"
#include "fixtures/ClientFixture.h"
#include "fixtures/IrcTestServer.h"
#include "platform/KeyCodes.h"
#include "platform/RichTextBox.h"
#include "support/ColouredText.h"
#include "support/Globals.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class RoomPaneTest : public ClientTest {
protected:
    void SetUp() override {
        ClientTest::SetUp();
        loadRoomAs("me");
        room().setRoomName("#r");
    }
    void type(const QString& text) {
        room().DataOut->setText(text);
        int key = kKeyEnter;
        room().DataOut_KeyPress(key);
    }
};

TEST_F(RoomPaneTest, TypedLinesAndTheirEchoes) {
    type("   ");
    EXPECT_EQ(room().DataOut->text(), "   "); // blanks only: nothing happens
    EXPECT_EQ(paneText(), "");
    type("  !shout");
    EXPECT_EQ(lastLine(), " <me>    !shout"); // sent untrimmed, without the codes, not kept
    EXPECT_TRUE(room().SentLines.isEmpty());
    type("IRC PRIVMSG x :raw");
    EXPECT_EQ(lastLine(), " <me>    !shout"); // no echo
    type("irc is fun");
    EXPECT_EQ(lastLine(), " <me> irc is fun");
    EXPECT_EQ(room().SentLines, QStringList{"irc is fun"});
    EXPECT_EQ(room().DataOut->text(), "");
}

// What goes on the wire, read off the traffic window of a real connection.
TEST_F(RoomPaneTest, StyleCodesLeadEveryLine) {
    connectTo(IrcTestServer::shared(), IrcTestServer::uniqueNick("styled"));
    ASSERT_TRUE(waitForWelcome());
    room().setRoomName("#r");
    DebugWin::form().show();
    QTest::mouseClick(room().Check3, Qt::LeftButton);
    QTest::mouseClick(room().Check4, Qt::LeftButton);
    room().selectcolor("4");
    type("hi");
    room().selectcolor("rainbow");
    QTest::mouseClick(room().Check3, Qt::LeftButton);
    type("yo");
    const QString log = traffic();
    EXPECT_TRUE(log.contains("<< PRIVMSG #r :" + Chr2 + Chr3 + "4 " + Chr31 + "hi\n")) << log.toStdString();
    EXPECT_TRUE(log.contains("<< PRIVMSG #r :" + Chr3 + "rainbow " + Chr31 + "yo\n"));
    EXPECT_TRUE(room().check2->styleSheet().contains("#000000"));
    EXPECT_TRUE(room().DataOut->font().underline());
    EXPECT_FALSE(room().DataOut->font().bold());
}

TEST_F(RoomPaneTest, HistoryKeepsOneLineMoreThanItsLimit) {
    for (int k = 1; k <= 40; ++k)
        type(QString("line %1").arg(k));
    EXPECT_EQ(room().SentLines.size(), 31);
    int up = kKeyUp;
    int steps = 0;
    while (beeps == 0) {
        up = kKeyUp;
        room().DataOut_KeyDown(up);
        if (up == 0)
            ++steps;
    }
    EXPECT_EQ(steps, 31);
    EXPECT_EQ(room().DataOut->text(), "line 10");
    int down = kKeyDown;
    room().DataOut_KeyDown(down);
    EXPECT_EQ(room().DataOut->text(), "line 11");
    for (int k = 0; k < 40; ++k) {
        down = kKeyDown;
        room().DataOut_KeyDown(down);
    }
    EXPECT_EQ(room().DataOut->text(), "line 40"); // Down never empties the line
}

TEST_F(RoomPaneTest, EmptyHistoryBeepsBothWays) {
    int up = kKeyUp, down = kKeyDown;
    room().DataOut_KeyDown(up);
    room().DataOut_KeyDown(down);
    EXPECT_EQ(beeps, 2);
    EXPECT_EQ(up, kKeyUp);
}

TEST_F(RoomPaneTest, TopicBoxIsLockedUntilTheUserIsOperator) {
    room().rtbTopic->Tag = "locked";
    room().rtbTopic->setText("topic");
    room().rtbTopic->setFocus();
    QTest::keyClick(room().rtbTopic, Qt::Key_Backspace);
    QTest::keyClick(room().rtbTopic, Qt::Key_X);
    EXPECT_EQ(room().rtbTopic->Text(), "topic");
    room().setTopicTag("");
    QTest::keyClick(room().rtbTopic, Qt::Key_End);
    QTest::keyClick(room().rtbTopic, Qt::Key_X);
    EXPECT_EQ(room().rtbTopic->Text(), "topicx");
}

TEST_F(RoomPaneTest, ClearScreenLeavesTwoLines) {
    PutColouredText(*room().DataIn, "old");
    room().mnu_options_clear_Click();
    EXPECT_EQ(paneText(),
              " - Cleared Chat Screen\n - You've cleared your chat screen, all previous public messages "
              "cleared.\n");
}

} // namespace
