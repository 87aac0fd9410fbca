// The ban, exception and invitation list window: rows from the list replies,
// the requests and Remove, against lines fed to the interpreter and against a
// real server's lists.
#include "chatroom/ChannelInfo.h"
#include "chatroom/Channel.h"
#include "chatroom/DebugWin.h"
#include "fixtures/ClientFixture.h"
#include "fixtures/IrcPeer.h"
#include "fixtures/IrcTestServer.h"
#include "fixtures/NamedRows.h"
#include "fixtures/Wait.h"
#include "support/GeneralDate.h"
#include "support/Globals.h"
#include "support/Timing.h"
#include "support/WindowTables.h"
#include "widgets/xpButton.h"

#include <QTimer>
#include <QTreeWidget>

namespace {

QStringList rowAt(const ChannelInfo& info, int row) {
    const QTreeWidgetItem* item = info.lvBans->topLevelItem(row);
    return item ? QStringList{item->text(0), item->text(1), item->text(2)} : QStringList();
}

QString header(const ChannelInfo& info) {
    return info.lvBans->headerItem()->text(0);
}

class ChannelInfoTest : public ClientTest {
protected:
    void SetUp() override {
        ClientTest::SetUp();
        loadRoomAs("me");
    }
};

TEST_F(ChannelInfoTest, DesignedCaptionsAndColumns) {
    ChannelInfo& info = ChannelInfo::form();
    EXPECT_EQ(info.windowTitle(), "Channel Information For");
    EXPECT_EQ(header(info), "Bans");
    EXPECT_EQ(info.lvBans->headerItem()->text(1), "By");
    EXPECT_EQ(info.lvBans->headerItem()->text(2), "When");
    QStringList captions;
    for (const xpButton* button :
         {info.cmdBans, info.cmdExcepts, info.cmdInvites, info.cmdRemove, info.cmdOK})
        captions << button->Caption();
    EXPECT_EQ(captions, (QStringList{"Bans", "Excepts", "Invities", "Remove", "Ok"}));
    EXPECT_FALSE(info.isVisible());
    info.show();
    info.close(); // the title bar's close unloads it, like Ok
    EXPECT_EQ(ChannelInfo::loaded(), nullptr);
}

TEST_F(ChannelInfoTest, ListLinesNobodyAskedForAreIgnored) {
    feed(":s 367 me #r early!*@* bob 1700000000");
    EXPECT_EQ(ChannelInfo::loaded(), nullptr); // nobody asked: ignored
}

// Each reply line is one row: mask, setter, and the Unix time in the general
// date form; a time that is not a 32-bit number leaves "When" empty.
struct ListLine {
    const char* name;
    const char* line;
    QStringList row; // empty: no row
};

const ListLine kListLines[] = {
    {"Ban",
     ":s 367 me #r a!*@* bob 1700000000",
     {"a!*@*", "bob", generalDateText(UnixTimeToDate(1700000000))}},
    {"Invitation", ":s 346 me #r inv!*@* carol 0", {"inv!*@*", "carol", generalDateText(UnixTimeToDate(0))}},
    {"TimeNotANumber", ":s 348 me #r ex!*@* dave soon", {"ex!*@*", "dave", ""}},
    {"TimeBeyond32Bits", ":s 367 me #r big!*@* erin 4294967296", {"big!*@*", "erin", ""}},
    {"MaskAlone", ":s 367 me #r only!*@*", {"only!*@*", "", ""}},
    {"NoMask", ":s 367 me #r", {}},
    {"EmptyMask", ":s 367 me #r :", {}},
    {"NoParameters", ":s 367", {}},
};

class ListLineTest : public ChannelInfoTest, public testing::WithParamInterface<ListLine> {};

TEST_P(ListLineTest, BecomesARowWhileAListIsAskedFor) {
    const ListLine& c = GetParam();
    G().ListRequestFlag = -1;
    feed(c.line);
    const ChannelInfo& info = ChannelInfo::form();
    if (c.row.isEmpty()) {
        EXPECT_EQ(info.lvBans->topLevelItemCount(), 0) << c.line;
    } else {
        ASSERT_EQ(info.lvBans->topLevelItemCount(), 1) << c.line;
        EXPECT_EQ(rowAt(info, 0), c.row) << c.line;
    }
    EXPECT_EQ(G().ListRequestFlag, -1);
}

INSTANTIATE_TEST_SUITE_P(, ListLineTest, testing::ValuesIn(kListLines), RowName());

TEST_F(ChannelInfoTest, EachListLineAddsARowBelowTheOthers) {
    G().ListRequestFlag = -1;
    feed(kListLines[0].line);
    feed(kListLines[1].line);
    const ChannelInfo& info = ChannelInfo::form();
    ASSERT_EQ(info.lvBans->topLevelItemCount(), 2);
    EXPECT_EQ(rowAt(info, 0), kListLines[0].row);
    EXPECT_EQ(rowAt(info, 1), kListLines[1].row);
}

// The interpreter does not wait for the user to close the window.
TEST_F(ChannelInfoTest, EndOfListShowsAHiddenWindowModalAndReturns) {
    G().ListRequestFlag = -1;
    feed(":s 367 me #r a!*@* bob 0");
    feed(":s 368 me #r :End of Channel Ban List");
    ChannelInfo& info = ChannelInfo::form();
    EXPECT_TRUE(info.isVisible());
    EXPECT_EQ(info.windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(G().ListRequestFlag, 0);
    feed(":s 367 me #r late!*@* bob 0"); // the list has ended
    EXPECT_EQ(info.lvBans->topLevelItemCount(), 1);

    // Ok unloads it; shown again by the menu, an end of list only clears the flag.
    info.cmdOK_Click();
    EXPECT_EQ(ChannelInfo::loaded(), nullptr);
    ChannelInfo::form().show();
    G().ListRequestFlag = -1;
    feed(":s 349 me #r :End of Channel Exception List");
    EXPECT_EQ(ChannelInfo::form().windowModality(), Qt::NonModal);
    EXPECT_EQ(G().ListRequestFlag, 0);
}

// The three lists, each with its button, the mask the tests set on it and its
// mode letter.
struct List {
    const char* name; // as its column header says
    void (ChannelInfo::*click)();
    const char* mask;
    const char* letter;
};

const List kLists[] = {
    {"Bans", &ChannelInfo::cmdBans_Click, "ban!*@*", "b"},
    {"Excepts", &ChannelInfo::cmdExcepts_Click, "ex!*@*", "e"},
    {"Invites", &ChannelInfo::cmdInvites_Click, "inv!*@*", "I"},
};

class ListRequestTest : public ChannelInfoTest, public testing::WithParamInterface<List> {};

TEST_P(ListRequestTest, NamesTheListAndEmptiesTheRows) {
    ChannelInfo& info = ChannelInfo::form();
    G().ListRequestFlag = -1;
    feed(":s 367 me #r a!*@* bob 0");
    const auto [name, click, mask, letter] = GetParam();
    G().ListRequestFlag = 0;
    info.lvBans->headerItem()->setText(0, "x");
    (info.*click)();
    EXPECT_EQ(header(info), name);
    EXPECT_EQ(info.lvBans->topLevelItemCount(), 0) << name;
    EXPECT_EQ(G().ListRequestFlag, -1) << name;
}

INSTANTIATE_TEST_SUITE_P(, ListRequestTest, testing::ValuesIn(kLists), RowName());

class ChannelInfoServerTest : public ClientTest {
protected:
    IrcTestServer& server = IrcTestServer::shared();

    // Connects the client, joined to roomName; its traffic is logged from then on.
    void connectLogged(const QString& roomName, const QString& nick, IrcTestServer& to) {
        ASSERT_TRUE(connectInto(to, nick, roomName));
        ASSERT_EQ(FindChannelIndex(roomName), 1);
        DebugWin::form().show();
    }
};

bool isListLine(const QString& line) {
    for (const char* numeric : {" 367 ", " 368 ", " 346 ", " 347 ", " 348 ", " 349 "})
        if (line.contains(QLatin1String(numeric)))
            return true;
    return false;
}

// The peer, operator of the room, sets a mask on each list; the client, made
// operator too, reads one list and removes its mask again.
class ServerListTest : public ChannelInfoServerTest, public testing::WithParamInterface<List> {
protected:
    const QString roomName = IrcTestServer::uniqueNick("#lists");
    const QString opNick = IrcTestServer::uniqueNick("op");
    const QString nick = IrcTestServer::uniqueNick("lister");
    IrcPeer op;

    void SetUp() override {
        ChannelInfoServerTest::SetUp();
        ASSERT_TRUE(op.connectAndRegister(server, opNick));
        op.send("JOIN " + roomName);
        op.waitForLine(QRegularExpression(" 366 "));
        for (const List& list : kLists)
            op.send("MODE " + roomName + " +" + list.letter + " " + list.mask);
        op.waitForLine(QRegularExpression(" MODE " + roomName + " \\+I inv"));
        connectLogged(roomName, nick, server);
        op.waitForLine(relayedFrom(nick, "JOIN"));
        op.send("MODE " + roomName + " +o " + nick);
        ASSERT_TRUE(waitUntil([&] { return room().isOp(nick); }));
    }
};

TEST_P(ServerListTest, ShowsTheListAndRemovesItsMask) {
    const List& list = GetParam();
    ChannelInfo& info = ChannelInfo::form();
    info.strChannel = roomName;
    info.show();
    (info.*list.click)();
    EXPECT_TRUE(traffic().contains("<< MODE " + roomName + " " + list.letter + "\n"));
    ASSERT_TRUE(waitUntil([] { return G().ListRequestFlag == 0; }));
    EXPECT_EQ(header(info), list.name);
    ASSERT_EQ(info.lvBans->topLevelItemCount(), 1);
    const QStringList row = rowAt(info, 0);
    EXPECT_EQ(row[0], list.mask);
    EXPECT_TRUE(row[1].startsWith(opNick)) << row[1].toStdString();
    EXPECT_FALSE(row[2].isEmpty());

    const qsizetype removals = traffic().count("<< mode ");
    info.cmdRemove_Click(); // nothing selected: nothing sent
    EXPECT_EQ(traffic().count("<< mode "), removals);
    info.lvBans->topLevelItem(0)->setSelected(true);
    info.cmdRemove_Click();
    const QString removal = QString("mode ") + roomName + " -" + list.letter + " " + list.mask;
    EXPECT_TRUE(traffic().contains("<< " + removal + "\n")) << traffic().toStdString();
    op.waitForLine(relayedFrom(nick, "MODE " + roomName + " -" + list.letter));
    EXPECT_EQ(info.lvBans->topLevelItemCount(), 1); // the row stays until the next request

    op.send("MODE " + roomName + " " + list.letter);
    const QString first = op.waitForLine(&isListLine);
    EXPECT_FALSE(first.contains(list.mask)) << first.toStdString(); // the end of an empty list
}

INSTANTIATE_TEST_SUITE_P(, ServerListTest, testing::ValuesIn(kLists), RowName());

// The server pings a silent client after 5 s and drops it when no answer comes
// within 5 s more: while the list window is up, the client still answers.
TEST_F(ChannelInfoServerTest, EndOfListWhileHiddenKeepsTheConnectionAnswering) {
    IrcTestServer pinging(IrcTestServer::Services::None, 5);
    const QString roomName = IrcTestServer::uniqueNick("#pings");
    connectLogged(roomName, IrcTestServer::uniqueNick("patient"), pinging);
    ChannelInfo& info = ChannelInfo::form();
    // A window with a loop of its own would hold the client (and this test)
    // until it closes: close it late, so such a fault fails instead of hanging.
    QTimer::singleShot(20000, &info, [&info] { info.hide(); });
    info.strChannel = roomName;
    info.cmdBans_Click(); // asked while the window is hidden
    ASSERT_TRUE(waitUntil([&info] { return info.isVisible(); }));
    EXPECT_EQ(info.windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(G().ListRequestFlag, 0);
    EXPECT_TRUE(waitUntil([] { return traffic().contains("<< PONG :"); }, 15000)) << traffic().toStdString();
    EXPECT_TRUE(info.isVisible());
    EXPECT_EQ(room().sock.State(), Winsock::sckConnected);
}

} // namespace
