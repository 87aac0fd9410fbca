// The nickname service as the interpreter meets it: the prompt of a registered
// nick, a wrong and a right password, and the password held from sign-in.
#include "account/Login.h"
#include "account/frmPassword.h"
#include "chatroom/Channel.h"
#include "fixtures/ClientFixture.h"
#include "fixtures/IrcPeer.h"
#include "fixtures/IrcTestServer.h"
#include "fixtures/Wait.h"
#include "support/Globals.h"

#include <QLineEdit>
#include <QListView>

namespace {

class NickServiceFlowTest : public ClientTest {
protected:
    IrcTestServer& server = IrcTestServer::shared(IrcTestServer::Services::NickServ);
    const QString nick = IrcTestServer::uniqueNick("owned");

    void SetUp() override {
        ClientTest::SetUp();
        IrcPeer owner;
        ASSERT_TRUE(owner.connectAndRegister(server, nick));
        owner.send("PRIVMSG NickServ :REGISTER secret mail@example.com");
        ASSERT_FALSE(owner.waitForLine(QRegularExpression(" registered\\.$")).isEmpty());
        ASSERT_TRUE(owner.quit());
        room();
        G().AutoJoin = "#" + IrcTestServer::uniqueNick("svc");
    }
    static bool passwordDialogShows() { return frmPassword::loaded() && frmPassword::loaded()->isVisible(); }
    void answer(const QString& password) {
        frmPassword::loaded()->Text1->setText(password);
        frmPassword::loaded()->cmdOK_Click();
    }
};

TEST_F(NickServiceFlowTest, WrongThenRightPassword) {
    connectTo(server, nick);
    ASSERT_TRUE(waitUntil(passwordDialogShows, 10000)) << paneText().toStdString();
    EXPECT_FALSE(room().lstNicks->isEnabled());
    // The prompt's other lines are shown; its last line is not.
    EXPECT_TRUE(paneText().contains("This nickname is registered and protected."));
    EXPECT_FALSE(paneText().contains("please choose a different nick."));

    answer("wrong");
    ASSERT_TRUE(waitForPane("Password incorrect."));
    EXPECT_TRUE(waitUntil(passwordDialogShows));
    EXPECT_FALSE(room().lstNicks->isEnabled());

    answer("secret");
    ASSERT_TRUE(waitForPane("Password accepted - you are now recognized."));
    EXPECT_EQ(frmPassword::loaded(), nullptr);
    EXPECT_TRUE(room().lstNicks->isEnabled());
    EXPECT_TRUE(room().isVisible());
}

TEST_F(NickServiceFlowTest, ThePasswordOfTheSignInIdentifiesOnRegistration) {
    Login::form().Text3->setText("secret");
    connectTo(server, nick);
    ASSERT_TRUE(waitForPane("Password accepted - you are now recognized.", 10000))
        << paneText().toStdString();
    // Every registration reply identifies again; the service says so.
    EXPECT_TRUE(waitForPane("You are already identified."));
    EXPECT_TRUE(waitUntil([] { return frmPassword::loaded() == nullptr; }));
    EXPECT_TRUE(room().lstNicks->isEnabled());
    EXPECT_FALSE(paneText().contains("Unknown command"));
}

} // namespace
