#include "StandInWindows.h"
#include "support/ColouredText.h"
#include "support/CommandParser.h"
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

TEST_F(CommandParserTest, LinesReturned) {
    const QString A = Chr1;
    struct Case {
        const char* target;
        const char* text;
        QString line;
    } cases[] = {
        {"#room", "msg bob hello there", "PRIVMSG bob :hello there"},
        {"#room", "me waves", "PRIVMSG #room :" + A + "ACTION waves" + A},
        {"#room", "me is in $chan", "PRIVMSG #room :" + A + "ACTION is in #room" + A},
        {"x", "raw a $+ b c", "ab c"},
        {"x", "raw a $nothing b", "a  b"},
        {"", "JOIN #Korvu", "JOIN #Korvu"},
        {"", "Whatever a  b", "Whatever a  b"},
        {"x", "quit see you", "QUIT :see you"},
        {"x", "NOTICE bob :hi", "NOTICE bob ::hi"},
        {"x", "kill bob flood", "KILL bob :flood"},
        {"x", "id secret", "PRIVMSG NickServ :IDENTIFY secret"},
        {"x", "list", "LIST >0"},
        {"x", "list a b", "LIST b"},
        {"x", "raw $me $+ @ $+ $server $+ : $+ $port $version", "me@irc.example:6667 1.00"},
        {"x", "raw $me@x", ""}, // an identifier is a whole word
        {"#room", "usercount", "0"},
        {"#nowhere", "users", "0"},
        {"x", "part #room bye now", "PART #room :bye now"},
        {"x", "msg nickserv set password pw", "PRIVMSG nickserv :set password pw"},
        {"", "msg nickserv register pw mail@example.com ", "PRIVMSG nickserv :register pw mail@example.com "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseCommand(c.target, c.text), c.line) << c.text;
}

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
