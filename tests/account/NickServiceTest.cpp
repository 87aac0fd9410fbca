// The nickname dialogs against a real server with its nickname service:
// identifying, registering and changing the password.
#include "account/frmPassword.h"
#include "account/frmregister.h"
#include "chatroom/Channel.h"
#include "fixtures/ClientFixture.h"
#include "fixtures/IrcPeer.h"
#include "fixtures/IrcTestServer.h"
#include "fixtures/Wait.h"
#include "support/Globals.h"
#include "support/WindowTables.h"
#include "widgets/xpButton.h"

#include <QLineEdit>
#include <QTest>

namespace {

class NickServiceTest : public ClientTest {
protected:
    IrcTestServer& server = IrcTestServer::shared(IrcTestServer::Services::NickServ);
    const QString roomName = "#" + IrcTestServer::uniqueNick("room");

    void signIn(const QString& nick) {
        room();
        G().AutoJoin = roomName;
        G().MyNick = nick;
        connectTo(server, nick);
        ASSERT_TRUE(waitForWelcome());
    }
    // Another client registers nick with the service and leaves.
    void registerElsewhere(const QString& nick, const QString& password) {
        IrcPeer owner;
        ASSERT_TRUE(owner.connectAndRegister(server, nick));
        owner.send("PRIVMSG NickServ :REGISTER " + password + " mail@example.com");
        ASSERT_FALSE(owner.waitForLine(QRegularExpression(" registered\\.$")).isEmpty());
        ASSERT_TRUE(owner.quit());
    }
};

} // namespace

TEST_F(NickServiceTest, PasswordIdentifiesTheNickWithTheService) {
    const QString nick = IrcTestServer::uniqueNick("owner");
    registerElsewhere(nick, "pass");
    signIn(nick);
    ASSERT_TRUE(waitUntil([] { return frmPassword::loaded() && frmPassword::loaded()->isVisible(); }, 10000))
        << paneText().toStdString();
    frmPassword& dialog = *frmPassword::loaded();
    EXPECT_FALSE(dialog.isChangeMode());
    dialog.Text1->setText("pass");
    QTest::keyClick(dialog.Text1, Qt::Key_Return);
    EXPECT_TRUE(waitForPane("Password accepted - you are now recognized.")) << paneText().toStdString();
    EXPECT_FALSE(paneText().contains("Unknown command"));
    EXPECT_EQ(frmPassword::loaded(), nullptr);
    EXPECT_TRUE(room().isEnabled());
}

TEST_F(NickServiceTest, RegistersTheOwnNickAndChangesItsPassword) {
    const QString nick = IrcTestServer::uniqueNick("newcomer");
    signIn(nick);
    frmregister& form = frmregister::form();
    form.Text2->setText("firstpass");
    form.Text3->setText("newcomer@example.com");
    QTest::mouseClick(form.cmdRegister, Qt::LeftButton);
    EXPECT_EQ(frmregister::loaded(), nullptr);
    EXPECT_EQ(form.Text4->text(), "/msg nickserv register firstpass newcomer@example.com ");
    EXPECT_TRUE(boxes.empty());
    ASSERT_TRUE(waitForPane("Nickname " + nick + " registered.")) << paneText().toStdString();

    frmPassword& change = frmPassword::form();
    change.setWindowTitle("Change Your Password For " + nick);
    ASSERT_TRUE(change.isChangeMode());
    change.Text1->setText("secondpass");
    QTest::mouseClick(change.cmdOK, Qt::LeftButton);
    EXPECT_TRUE(waitForPane("changed")) << paneText().toStdString();
    EXPECT_EQ(frmPassword::loaded(), nullptr);
}

TEST_F(NickServiceTest, RegisteringWithoutPasswordOrAddressWarnsOfBothAndCloses) {
    signIn(IrcTestServer::uniqueNick("hasty"));
    frmregister& form = frmregister::form();
    form.Text1->setText("someone else");
    QTest::mouseClick(form.cmdRegister, Qt::LeftButton);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].prompt, "No Password");
    EXPECT_EQ(boxes[0].title, "Enter Your NickName Password");
    EXPECT_EQ(boxes[1].prompt, "No E-mail Address");
    EXPECT_EQ(boxes[1].title, "Enter Your E-mail Address");
    EXPECT_EQ(form.Text1->text(), G().MyNick);
    for (QLineEdit* field : {form.Text1, form.Text2, form.Text3})
        EXPECT_FALSE(field->isEnabled());
    EXPECT_TRUE(form.Text4->text().isEmpty()); // nothing built, nothing sent
    EXPECT_EQ(frmregister::loaded(), nullptr);
}
