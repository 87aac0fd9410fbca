// The nickname dialogs with the room window loaded but not connected: what
// they change locally, the boxes they show, and the room window they disable.
#include "account/Login.h"
#include "account/frmPassword.h"
#include "account/frmchange.h"
#include "account/frmregister.h"
#include "account/usenick.h"
#include "chatroom/Channel.h"
#include "fixtures/ClientFixture.h"
#include "fixtures/NamedRows.h"
#include "support/Globals.h"
#include "widgets/xpButton.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QSignalSpy>
#include <QTest>
#include <functional>

namespace {

class NickDialogsTest : public ClientTest {
protected:
    void SetUp() override {
        ClientTest::SetUp();
        loadRoomAs("me");
    }
};

// The two ways to say OK: the button, or Enter in the box.
struct OkWay {
    const char* name;
    void (*sayOk)(QLineEdit* box, xpButton* ok);
};

const OkWay kOkWays[] = {
    {"Button", [](QLineEdit*, xpButton* ok) { QTest::mouseClick(ok, Qt::LeftButton); }},
    {"Enter", [](QLineEdit* box, xpButton*) { QTest::keyClick(box, Qt::Key_Return); }},
};

class OkWayTest : public NickDialogsTest, public testing::WithParamInterface<OkWay> {};

TEST_P(OkWayTest, UsenickTakesTheNewNick) {
    const auto [way, sayOk] = GetParam();
    usenick& dialog = usenick::form();
    EXPECT_EQ(dialog.windowTitle(), "NickName Already In Use Or Invalid");
    EXPECT_EQ(dialog.Label1->text(), "Please Choose Another NickName");
    EXPECT_EQ(dialog.cmdOK->Caption(), "Ok");
    EXPECT_EQ(dialog.cmdOK->ButtonSize(), xpButton::Small);
    EXPECT_FALSE(room().isEnabled()) << way;

    sayOk(dialog.Text1, dialog.cmdOK); // empty: nothing happens
    ASSERT_EQ(usenick::loaded(), &dialog) << way;
    EXPECT_FALSE(room().isEnabled()) << way;

    dialog.Text1->setText(QString("new_") + way);
    sayOk(dialog.Text1, dialog.cmdOK);
    EXPECT_EQ(usenick::loaded(), nullptr) << way;
    EXPECT_EQ(G().MyNick, QString("new_") + way);
    EXPECT_EQ(Login::form().Text1->text(), QString("new_") + way);
    EXPECT_TRUE(room().isEnabled()) << way;
}

TEST_P(OkWayTest, FrmchangeTakesTheNewNickOrSaysNoneWasGiven) {
    const auto [way, sayOk] = GetParam();
    const QString before = G().MyNick;
    frmchange& dialog = frmchange::form();
    EXPECT_EQ(dialog.windowTitle(), "Change NickName");
    EXPECT_EQ(dialog.Label1->text(), "NickName");
    EXPECT_EQ(dialog.Label2->text(), "Enter A New NickName");
    EXPECT_EQ(dialog.cmdOK->ButtonSize(), xpButton::Small);
    EXPECT_FALSE(room().isEnabled()) << way;

    sayOk(dialog.Text1, dialog.cmdOK);
    ASSERT_EQ(boxes.size(), 1u) << way;
    EXPECT_EQ(boxes[0].prompt, "No NickName Given");
    EXPECT_EQ(boxes[0].title, "Type A Nick Name");
    EXPECT_EQ(boxes[0].buttons, Dialogs::Buttons::Ok);
    EXPECT_EQ(boxes[0].icon, Dialogs::Icon::None);
    EXPECT_EQ(frmchange::loaded(), &dialog) << way;
    EXPECT_EQ(G().MyNick, before);

    dialog.Text1->setText(QString("changed_") + way);
    sayOk(dialog.Text1, dialog.cmdOK);
    EXPECT_EQ(frmchange::loaded(), nullptr) << way;
    EXPECT_EQ(G().MyNick, QString("changed_") + way);
    EXPECT_EQ(Login::form().Text1->text(), QString("changed_") + way);
    EXPECT_TRUE(room().isEnabled()) << way;
    EXPECT_EQ(boxes.size(), 1u) << way;
}

INSTANTIATE_TEST_SUITE_P(, OkWayTest, testing::ValuesIn(kOkWays), RowName());

TEST_F(NickDialogsTest, ClosingFrmchangeEnablesTheRoom) {
    frmchange::form().close();
    EXPECT_EQ(frmchange::loaded(), nullptr);
    EXPECT_TRUE(room().isEnabled());
}

TEST_F(NickDialogsTest, FrmPasswordShowsTheNickAndWaitsForAPassword) {
    frmPassword& dialog = frmPassword::form();
    EXPECT_EQ(dialog.windowTitle(), "Enter Your NickName Password");
    EXPECT_EQ(dialog.Frame1->title(), "Password Required :");
    EXPECT_EQ(dialog.lblusr->text(), "NickName : me");
    EXPECT_EQ(dialog.lblpwd->text(), "Password :");
    EXPECT_EQ(dialog.Text1->echoMode(), QLineEdit::Password);
    EXPECT_EQ(dialog.cmdChange->Caption(), "Change Nick");
    EXPECT_EQ(dialog.cmdOK->ButtonSize(), xpButton::Big);
    EXPECT_FALSE(room().isEnabled());
    QTest::keyClick(dialog.Text1, Qt::Key_Return);
    EXPECT_EQ(frmPassword::loaded(), &dialog); // no password: it stays
    EXPECT_FALSE(room().isEnabled());
    dialog.Text1->setText("secret");
    QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
    EXPECT_EQ(frmPassword::loaded(), nullptr);
    EXPECT_TRUE(room().isEnabled());
}

// Captions of the password dialog, and whether each means changing the password.
struct PasswordCaption {
    const char* name;
    const char* caption;
    bool changing;
};

const PasswordCaption kPasswordCaptions[] = {
    {"ChangeForTheOwnNick", "Change Your Password For me", true},
    {"ChangeForAnotherNick", "Change Your Password For someone", false},
    {"ChangeInOtherCase", "change your password for me", false},
    {"Enter", "Enter Your NickName Password", false},
};

class PasswordCaptionTest : public NickDialogsTest, public testing::WithParamInterface<PasswordCaption> {};

TEST_P(PasswordCaptionTest, IsTheModeOfFrmPassword) {
    frmPassword::form().setWindowTitle(GetParam().caption);
    EXPECT_EQ(frmPassword::form().isChangeMode(), GetParam().changing) << GetParam().caption;
}

INSTANTIATE_TEST_SUITE_P(, PasswordCaptionTest, testing::ValuesIn(kPasswordCaptions), RowName());

TEST_F(NickDialogsTest, ClosingFrmPasswordEnablesTheRoomAndItsList) {
    room().lstNicks->setEnabled(false);
    frmPassword::form().close();
    EXPECT_TRUE(room().isEnabled());
    EXPECT_TRUE(room().lstNicks->isEnabled());
}

// The room stays enabled while the nick dialog is open, as it always did.
TEST_F(NickDialogsTest, ChangeNickHandsOverToTheNickDialog) {
    room().lstNicks->setEnabled(false);
    QTest::mouseClick(frmPassword::form().cmdChange, Qt::LeftButton);
    EXPECT_EQ(frmPassword::loaded(), nullptr);
    ASSERT_NE(usenick::loaded(), nullptr);
    EXPECT_TRUE(usenick::loaded()->isVisible());
    EXPECT_TRUE(room().isEnabled());
    EXPECT_TRUE(room().lstNicks->isEnabled());
}

TEST_F(NickDialogsTest, FrmPasswordFlashesEveryTick) {
    frmPassword& dialog = frmPassword::form();
    EXPECT_EQ(dialog.flsh.interval(), 1200);
    EXPECT_TRUE(dialog.flsh.isActive());
    QSignalSpy flashes(&dialog, &frmPassword::Flashed);
    dialog.flsh_Timer();
    dialog.flsh_Timer();
    EXPECT_EQ(flashes.count(), 2);
}

TEST_F(NickDialogsTest, FrmregisterNeedsAConnection) {
    frmregister& dialog = frmregister::form();
    EXPECT_EQ(dialog.windowTitle(), "NickName Registration");
    EXPECT_EQ(dialog.Text1->text(), "me");
    EXPECT_FALSE(dialog.Text4->isVisibleTo(&dialog));
    dialog.Text2->setText("pass");
    dialog.Text3->setText("me@example.org");
    QTest::mouseClick(dialog.cmdRegister, Qt::LeftButton);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].prompt,
              "Check Your Internet Connection.You are not connected to register your nickname.");
    EXPECT_EQ(boxes[0].title, "Not Connected");
    EXPECT_EQ(boxes[0].buttons, Dialogs::Buttons::Ok);
    EXPECT_EQ(boxes[0].icon, Dialogs::Icon::None);
    EXPECT_EQ(frmregister::loaded(), &dialog);
    EXPECT_TRUE(dialog.Text2->isEnabled());
    EXPECT_TRUE(dialog.Text4->text().isEmpty());

    QTest::mouseClick(dialog.cmdCancel, Qt::LeftButton);
    EXPECT_EQ(frmregister::loaded(), nullptr);
}

} // namespace
