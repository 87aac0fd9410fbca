#include "support/CommandParser.h"
#include "StandInWindows.h"
#include "fixtures/NamedRows.h"
#include "support/ColouredText.h"
#include "support/WindowTables.h"

#include <gtest/gtest.h>

namespace {

class CommandParserTest : public testing::Test {
protected:
    StandInWindows windows;
    void SetUp() override {
        G().MyNick = "me";
        NewChannelSlot("#room");
    }
};

// A typed command in a window (a room, a nick, or none) and the line it sends.
struct TypedCommand {
    const char* name;
    const char* target;
    const char* text;
    QString line;
};

const TypedCommand kTypedCommands[] = {
    {"Msg", "#room", "msg bob hello there", "PRIVMSG bob :hello there"},
    {"Me", "#room", "me waves", "PRIVMSG #room :" + Chr1 + "ACTION waves" + Chr1},
    {"MeWithTheRoomsName", "#room", "me is in $chan", "PRIVMSG #room :" + Chr1 + "ACTION is in #room" + Chr1},
    {"JoinedWords", "x", "raw a $+ b c", "ab c"},
    {"UnknownIdentifier", "x", "raw a $nothing b", "a  b"},
    {"OtherCommand", "", "JOIN #Korvu", "JOIN #Korvu"},
    {"OtherCommandKeepsItsBlanks", "", "Whatever a  b", "Whatever a  b"},
    {"Quit", "x", "quit see you", "QUIT :see you"},
    {"Notice", "x", "NOTICE bob :hi", "NOTICE bob ::hi"},
    {"Kill", "x", "kill bob flood", "KILL bob :flood"},
    {"Id", "x", "id secret", "PRIVMSG NickServ :IDENTIFY secret"},
    {"List", "x", "list", "LIST >0"},
    {"ListWithArguments", "x", "list a b", "LIST b"},
    {"ServerIdentifiers", "x", "raw $me $+ @ $+ $server $+ : $+ $port $version", "me@irc.example:6667 1.00"},
    {"IdentifierInAWord", "x", "raw $me@x", ""}, // an identifier is a whole word
    {"UserCount", "#room", "usercount", "0"},
    {"UsersOfARoomNotOpen", "#nowhere", "users", "0"},
    {"Part", "x", "part #room bye now", "PART #room :bye now"},
    {"MsgToNickServ", "x", "msg nickserv set password pw", "PRIVMSG nickserv :set password pw"},
    {"RegisterKeepsTheTrailingBlank", "", "msg nickserv register pw mail@example.com ",
     "PRIVMSG nickserv :register pw mail@example.com "},
};

class TypedCommandTest : public CommandParserTest, public testing::WithParamInterface<TypedCommand> {};

TEST_P(TypedCommandTest, ReturnsItsLine) {
    const TypedCommand& c = GetParam();
    EXPECT_EQ(ParseCommand(c.target, c.text), c.line) << c.text;
}

INSTANTIATE_TEST_SUITE_P(, TypedCommandTest, testing::ValuesIn(kTypedCommands), RowName());

TEST_F(CommandParserTest, ActionsEchoIntoTheirWindow) {
    ParseCommand("#room", "me waves");
    EXPECT_EQ(windows.room.pane.Text(), " me waves\n");
    EXPECT_EQ(ParseCommand("bob", "me waves"), ""); // no conversation with bob: no echo, no line
    OpenQuery("bob", "");
    EXPECT_EQ(ParseCommand("bob", "me waves"), "PRIVMSG bob :" + Chr1 + "ACTION waves" + Chr1);
    EXPECT_EQ(windows.query(1)->pane.Text(), " me waves\n");
}

TEST_F(CommandParserTest, QueryOpensOrEchoes) {
    EXPECT_EQ(ParseCommand("", "query bob"), ""); // opened, nothing to say
    EXPECT_EQ(FindQueryIndex("bob"), 1);
    EXPECT_EQ(ParseCommand("", "query bob hi there"), "PRIVMSG bob :hi there");
    EXPECT_EQ(windows.query(1)->shown, QStringList{"me: hi there"});
    EXPECT_EQ(ParseCommand("", "query carol hey"), "PRIVMSG carol :hey");
    EXPECT_EQ(windows.query(2)->shown, QStringList{"me: hey"});
}

TEST_F(CommandParserTest, NickWhileClosedOnlyChangesTheOwnNick) {
    EXPECT_EQ(ParseCommand("", "nick newname"), "");
    EXPECT_EQ(G().MyNick, "newname");
    windows.room.socketClosed = false;
    EXPECT_EQ(ParseCommand("", "nick other"), "NICK other");
    EXPECT_EQ(G().MyNick, "newname");
}

TEST_F(CommandParserTest, LocalCommands) {
    EXPECT_EQ(ParseCommand("x", "bl"), "");
    EXPECT_EQ(windows.room.calls, QStringList{"buddy list"});
    EXPECT_EQ(ParseCommand("x", "es " + Chr3 + "4red"), "");
    EXPECT_EQ(windows.room.pane.Text(), " red\n");
    EXPECT_EQ(ParseCommand("x", "sv new reply"), "");
    EXPECT_TRUE(windows.room.pane.Text().endsWith("Version Reply changed to 'new reply'\n"));
    ParseCommand("x", "part #ROOM");
    EXPECT_EQ(windows.room.tag, "PARTNOW");
}

TEST_F(CommandParserTest, RandomNickComesFromTheRoom) {
    windows.room.nicks = {NickEntry{"alice"}, NickEntry{"bob"}};
    for (int k = 0; k < 20; ++k) {
        const QString nick = ExpandIdentifier("#room", "RandNick");
        EXPECT_TRUE(nick == "alice" || nick == "bob");
    }
    EXPECT_EQ(ExpandIdentifier("room", "randnick"), "");
    windows.room.nicks.clear();
    EXPECT_EQ(ExpandIdentifier("#room", "randnick"), "");
    EXPECT_FALSE(ExpandIdentifier("", "date").isEmpty());
    EXPECT_EQ(ExpandIdentifier("", "unknown"), "");
}

TEST_F(CommandParserTest, OddTexts) {
    for (const char* odd : {"", " ", "$", "$+", "me", "query", "part", "   ", "$+ $+ x"})
        (void)ParseCommand("#room", odd);
    EXPECT_EQ(ParseCommand("#room", "part"), "PART part"); // a bare word is its own argument
}

} // namespace
