// The room's menus against a real server, read from another user's side: the
// nick-list pop-up and its commands, the status items and the social actions.
#include "account/frmPassword.h"
#include "account/frmregister.h"
#include "chatroom/Channel.h"
#include "chatroom/ChannelInfo.h"
#include "chatroom/IgnoreList.h"
#include "fixtures/ClientFixture.h"
#include "fixtures/IrcPeer.h"
#include "fixtures/IrcTestServer.h"
#include "fixtures/NamedRows.h"
#include "fixtures/Wait.h"
#include "platform/WebBrowser.h"
#include "support/ColouredText.h"
#include "support/Globals.h"
#include "support/IrcText.h"
#include "support/WebAddresses.h"
#include "support/WindowTables.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QTest>
#include <QTreeWidget>

namespace {

QString action(const QString& text) {
    return QRegularExpression::escape(":" + Chr1 + "ACTION " + text + Chr1) + "$";
}

// The client opens its own room, so the server makes it operator; another user
// joins it.
class RoomMenusTest : public ClientTest {
protected:
    IrcTestServer& server = IrcTestServer::shared();
    const QString me = IrcTestServer::uniqueNick("me");
    const QString roomName = "#" + IrcTestServer::uniqueNick("menus");
    const QString other = IrcTestServer::uniqueNick("peer");
    IrcPeer peer;

    void SetUp() override {
        ClientTest::SetUp();
        ASSERT_TRUE(connectInto(server, me, roomName)) << paneText().toStdString();
        ASSERT_TRUE(waitUntil([this] { return room().isOp(me); })) << paneText().toStdString();
        ASSERT_TRUE(peer.connectAndRegister(server, other));
        peer.send("JOIN " + roomName);
        ASSERT_TRUE(waitUntil([this] { return room().InChannel(other); }));
    }

    // Selects the entry of nick with the left button, as the user does.
    void select(const QString& nick) {
        QListView* list = room().lstNicks;
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            QString text = list->model()->index(row, 0).data().toString();
            if (StripNickModes(text) == nick) {
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                  list->visualRect(list->model()->index(row, 0)).center());
                return;
            }
        }
        FAIL() << "no entry for " << nick.toStdString();
    }
    // The right button on the list: the pop-up shows with its captions set.
    void popUp() {
        QTest::mouseClick(room().lstNicks->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        EXPECT_TRUE(room().mnu_nicks->isVisible());
        room().mnu_nicks->hide();
    }
    // What the peer's WHOIS of the client says about being away, "" when not.
    QString awayText() {
        peer.send("WHOIS " + me);
        const QRegularExpression reply(" (301|318) ");
        QString away;
        for (QString line = peer.waitForLine(reply); line.contains(" 301 "); line = peer.waitForLine(reply))
            away = line.section(" :", 1);
        return away;
    }
};

// The mode commands of the pop-up, each given and taken back.
struct Rank {
    const char* name;
    QAction* Channel::*item;
    const char* plusCaption;
    const char* minusCaption;
    const char* letter;
    bool (Channel::*held)(const QString&) const;
};

const Rank kRanks[] = {
    {"Op", &Channel::mnu_nicks_op, "&Op", "De&Op", "o", &Channel::isOp},
    {"HalfOp", &Channel::mnu_nicks_halfop, "&HalfOp", "De&HalfOp", "h", &Channel::isHalfOp},
    {"Voice", &Channel::mnu_nicks_voice, "&Voice", "De&Voice", "v", &Channel::isVoice},
};

class RankTest : public RoomMenusTest, public testing::WithParamInterface<Rank> {};

// The fixed status items: each marks the client away and tells the room.
struct StatusItem {
    const char* name;
    QAction* Channel::*item;
    const char* away;
    const char* said;
};

const StatusItem kStatusItems[] = {
    {"BeRightBack", &Channel::mnu_status_brb, "I will be back later.",
     "has changed status: I will be right back."},
    {"Lunch", &Channel::mnu_status_lunch, "I am having my lunch", "has changed status: I'm having my lunch."},
    {"Phone", &Channel::mnu_status_phone, "I am on the phone", "has changed status: I'm on the phone."},
    {"Busy", &Channel::mnu_status_busy, "I am busy", "has changed status: I'm busy right now."},
    {"AwayFromKeyboard", &Channel::mnu_status_afk, "I am away from the keyboard",
     "has changed status: I'm away from the keyboard."},
};

class StatusItemTest : public RoomMenusTest, public testing::WithParamInterface<StatusItem> {};

// The social actions on the selected nick, and what each says of it.
struct SocialAction {
    const char* name;
    QAction* Channel::*item;
    QString (*said)(const QString& nick);
};

const SocialAction kSocialActions[] = {
    {"Slap", &Channel::mnu_slap,
     [](const QString& nick) {
         return "slaps " + Chr3 + "4" + nick + Chr3 + "6 around a bit with a large trout.";
     }},
    {"Hi", &Channel::mnu_hi, [](const QString& nick) { return "Says Hi To " + nick; }},
    {"Welcome", &Channel::mnu_welcome,
     [](const QString& nick) { return "Welcomes " + nick + " To Korvu ChatRoom"; }},
    {"Hugs", &Channel::mnu_hugs, [](const QString& nick) { return "Hugs " + nick + " tightly and warmly."; }},
    {"Handshake", &Channel::mnu_handshake, [](const QString& nick) { return "Handshakes with " + nick; }},
};

class SocialActionTest : public RoomMenusTest, public testing::WithParamInterface<SocialAction> {};

} // namespace

TEST_P(RankTest, GoesBothWaysAsThePopUpCaptionsSay) {
    Channel& c = room();
    const Rank& rank = GetParam();
    for (const bool giving : {true, false}) {
        select(other);
        popUp();
        const QString caption = giving ? rank.plusCaption : rank.minusCaption;
        EXPECT_EQ((c.*rank.item)->text(), caption) << rank.name;
        (c.*rank.item)->trigger();
        const QString sign = giving ? "\\+" : "-";
        EXPECT_FALSE(
            peer.waitForLine(relayedFrom(me, "MODE " + roomName + " " + sign + rank.letter + " " + other))
                .isEmpty())
            << rank.name;
        EXPECT_TRUE(waitUntil([&] { return (c.*rank.held)(other) == giving; })) << rank.name;
    }
}

INSTANTIATE_TEST_SUITE_P(, RankTest, testing::ValuesIn(kRanks), RowName());

TEST_F(RoomMenusTest, PopUpWithNothingSelected) {
    // The right button neither selects nor needs a selection.
    popUp();
    EXPECT_EQ(room().lstNicksText(), "");
    EXPECT_EQ(room().mnu_nicks_op->text(), "&Op");
    EXPECT_EQ(room().mnu_nicks_voice->text(), "&Voice");
    EXPECT_EQ(room().mnu_nicks_halfop->text(), "&HalfOp");
    // A left button elsewhere than the right one does not pop it up.
    room().lstNicks_MouseDown(1, 0, 0, 0);
    EXPECT_FALSE(room().mnu_nicks->isVisible());
    // No conversation without someone to talk to.
    room().mnu_nicks_pm->trigger();
    EXPECT_EQ(G().QueryCount, 0);
}

TEST_F(RoomMenusTest, KickAsksWhyAndCancellingKicksNobody) {
    select(other);
    answers = {{Dialogs::Answer::No, QString()}};
    room().mnu_nicks_kick->trigger();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].input);
    EXPECT_EQ(boxes[0].prompt, "Why would you like to kick the user '" + other + "' from " + roomName + "?");
    EXPECT_EQ(boxes[0].title, "Kick User");
    room().SendData("PRIVMSG " + roomName + " :still here");
    peer.waitForLine(relayedFrom(me, "PRIVMSG " + roomName + " :still here"));
    EXPECT_FALSE(peer.receivedLines().join('\n').contains(" KICK "));

    answers = {{Dialogs::Answer::Ok, "flooding"}};
    room().mnu_nicks_kick->trigger();
    EXPECT_FALSE(
        peer.waitForLine(relayedFrom(me, "KICK " + roomName + " " + other + " :flooding$")).isEmpty());
}

TEST_F(RoomMenusTest, BanAndWhoisOfTheSelectedNick) {
    select(other);
    room().mnu_nicks_ban->trigger();
    EXPECT_FALSE(peer.waitForLine(relayedFrom(me, "MODE " + roomName + " \\+b " +
                                                      QRegularExpression::escape(other + "!*@*")))
                     .isEmpty());
    room().mnu_nicks_whois->trigger();
    EXPECT_TRUE(waitForPane(other + " is on: ")) << paneText().toStdString();
}

TEST_P(StatusItemTest, MarksAwayAndTellsTheRoom) {
    const StatusItem& status = GetParam();
    (room().*status.item)->trigger();
    EXPECT_FALSE(
        peer.waitForLine(relayedFrom(me, "PRIVMSG " + roomName + " " + action(status.said))).isEmpty());
    EXPECT_EQ(awayText(), QString(status.away));
    EXPECT_EQ(room().mnu_status_away->text(), "&..:Online:..");
    EXPECT_TRUE(boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(, StatusItemTest, testing::ValuesIn(kStatusItems), RowName());

TEST_F(RoomMenusTest, AfterAStatusItemTheAwayItemGoesBackOnline) {
    const StatusItem& last = kStatusItems[std::size(kStatusItems) - 1];
    (room().*last.item)->trigger();
    ASSERT_FALSE(
        peer.waitForLine(relayedFrom(me, "PRIVMSG " + roomName + " " + action(last.said))).isEmpty());
    ASSERT_EQ(awayText(), QString(last.away));
    room().mnu_away_dinner->trigger(); // does nothing
    room().mnu_status_away->trigger(); // back online: the away state is cleared
    EXPECT_FALSE(
        peer.waitForLine(relayedFrom(me, "PRIVMSG " + roomName + " " + action("is online now: I'm Online.")))
            .isEmpty());
    EXPECT_EQ(awayText(), "");
    EXPECT_EQ(room().mnu_status_away->text(), "&..:Away [Own Reason]:..");
    EXPECT_FALSE(peer.receivedLines().join('\n').contains("Dinner"));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(RoomMenusTest, OwnAwayReasonToggles) {
    answers = {{Dialogs::Answer::Ok, "gone fishing"}, {Dialogs::Answer::Ok, ""}};
    room().mnu_status_away->trigger();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].prompt, "Type Your Away Message");
    EXPECT_EQ(boxes[0].title, "Away Message");
    EXPECT_FALSE(peer.waitForLine(relayedFrom(me, "PRIVMSG " + roomName + " " +
                                                      action("has changed status: gone fishing")))
                     .isEmpty());
    EXPECT_EQ(awayText(), "gone fishing");
    EXPECT_EQ(room().mnu_status_away->text(), "&..:Online:..");

    room().mnu_status_away->trigger();
    EXPECT_EQ(boxes.size(), 1u); // going back online asks nothing
    peer.waitForLine(relayedFrom(me, "PRIVMSG " + roomName + " " + action("is online now: I'm Online.")));
    EXPECT_EQ(awayText(), "");

    // An empty reason clears the away state too, and still tells the room.
    room().mnu_status_away->trigger();
    EXPECT_FALSE(
        peer.waitForLine(relayedFrom(me, "PRIVMSG " + roomName + " " + action("has changed status: ")))
            .isEmpty());
    EXPECT_EQ(awayText(), "");
    EXPECT_EQ(room().mnu_status_away->text(), "&..:Online:..");
}

TEST_P(SocialActionTest, IsSaidOfTheSelectedNick) {
    const QString said = GetParam().said(other);
    select(other);
    (room().*GetParam().item)->trigger();
    EXPECT_FALSE(peer.waitForLine(relayedFrom(me, "PRIVMSG " + roomName + " " + action(said))).isEmpty())
        << said.toStdString();
}

INSTANTIATE_TEST_SUITE_P(, SocialActionTest, testing::ValuesIn(kSocialActions), RowName());

TEST_F(RoomMenusTest, TheOwnPaneShowsTheSocialAction) {
    select(other);
    room().mnu_hugs->trigger();
    peer.waitForLine(
        relayedFrom(me, "PRIVMSG " + roomName + " " + action("Hugs " + other + " tightly and warmly.")));
    EXPECT_TRUE(paneText().contains(me + " Hugs " + other + " tightly and warmly."));
}

// The own action, from the menu and from the label, asks for its text.
TEST_F(RoomMenusTest, TheOwnActionAsksForItsText) {
    select(other);
    answers = {{Dialogs::Answer::Ok, "dances"}, {Dialogs::Answer::Ok, "sings"}};
    room().mnu_ownaction->trigger();
    QTest::mouseClick(room().Label1, Qt::LeftButton);
    EXPECT_FALSE(peer.waitForLine(relayedFrom(me, "PRIVMSG " + roomName + " " + action("dances"))).isEmpty());
    EXPECT_FALSE(peer.waitForLine(relayedFrom(me, "PRIVMSG " + roomName + " " + action("sings"))).isEmpty());
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].prompt, "Type Your Own Action Message");
    EXPECT_EQ(boxes[1].title, "Action Message");
}

TEST_F(RoomMenusTest, ConversationFromTheListAndTheMenu) {
    select(other);
    const QModelIndex item = room().lstNicks->currentIndex();
    QTest::mouseDClick(room().lstNicks->viewport(), Qt::LeftButton, {},
                       room().lstNicks->visualRect(item).center());
    ASSERT_TRUE(QueryExists(other));
    queryAt(FindQueryIndex(other))->unloadWindow();
    room().mnu_nicks_pm->trigger();
    EXPECT_TRUE(QueryExists(other));
}

TEST_F(RoomMenusTest, BlockedPeerIsToldAndItsPrivateLinesOpenNothing) {
    select(other);
    room().mnu_blocked->trigger();
    EXPECT_FALSE(peer.waitForLine(relayedFrom(me, "PRIVMSG " + other + " :" +
                                                      QRegularExpression::escape(
                                                          Chr3 + "4" + Chr2 + "You've been ignored by " + me +
                                                          " [Tazmir Korvu Messenger]") +
                                                      "$"))
                     .isEmpty());
    peer.send("PRIVMSG " + me + " :hello?");
    peer.send("PRIVMSG " + roomName + " :marker");
    ASSERT_TRUE(waitForPane("marker"));
    EXPECT_FALSE(QueryExists(other));
    EXPECT_EQ(G().QueryCount, 0);
}

TEST_F(RoomMenusTest, BanListFromTheMenu) {
    room().SendData("MODE " + roomName + " +b troll!*@*");
    ASSERT_TRUE(waitForPane("+b troll!*@*"));
    room().mnu_chan_ban->trigger();
    ChannelInfo* bans = ChannelInfo::loaded();
    ASSERT_NE(bans, nullptr);
    EXPECT_EQ(bans->windowTitle(), "Channel Ban List For " + roomName);
    EXPECT_EQ(bans->strChannel, roomName);
    ASSERT_TRUE(waitUntil([&] { return G().ListRequestFlag == 0; })); // the end of the list came
    ASSERT_EQ(bans->lvBans->topLevelItemCount(), 1);
    EXPECT_EQ(bans->lvBans->topLevelItem(0)->text(0), "troll!*@*");
    EXPECT_EQ(bans->lvBans->topLevelItem(0)->text(1).section('!', 0, 0), me);
}

TEST_F(RoomMenusTest, ConnectedFrame) {
    EXPECT_TRUE(waitUntil([this] { return room().Misc->locationUrl() == WebAddresses::Misc; }));
    EXPECT_EQ(room().Home->locationUrl(), WebAddresses::Home);

    room().mnu_File_changepass->trigger();
    frmPassword* dialog = frmPassword::loaded();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), "Change Your Password For " + G().MyNick);
    EXPECT_EQ(dialog->Frame1->title(), "This service is for registered users");
    EXPECT_EQ(dialog->Label1->text(), "Enter your New Password for " + G().MyNick +
                                          " .Otherwise, Click on New Nick and Change your nickname.");
    EXPECT_TRUE(dialog->isChangeMode());

    room().mnu_register_nickname->trigger();
    ASSERT_NE(frmregister::loaded(), nullptr);
    EXPECT_TRUE(frmregister::loaded()->isVisible());
    EXPECT_TRUE(boxes.empty());
}
