#include "support/IrcText.h"

#include <gtest/gtest.h>

namespace {

struct ParseCase {
    const char* line;
    const char* prefix;
    const char* nick;
    const char* user;
    const char* host;
    const char* command;
    const char* raw;
    QStringList params; // empty: ParamCount 0
};

class ParseIrcLineTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseIrcLineTest, FillsTheRecord) {
    const ParseCase& c = GetParam();
    IrcMessage msg;
    ParseIrcLine(QString::fromUtf8(c.line), msg);
    EXPECT_EQ(msg.Prefix, QString::fromUtf8(c.prefix));
    EXPECT_EQ(msg.Nick, QString::fromUtf8(c.nick));
    EXPECT_EQ(msg.User, QString::fromUtf8(c.user));
    EXPECT_EQ(msg.Host, QString::fromUtf8(c.host));
    EXPECT_EQ(msg.Command, QString::fromUtf8(c.command));
    EXPECT_EQ(msg.Raw, QString::fromUtf8(c.raw));
    EXPECT_EQ(msg.ParamCount, c.params.size());
    if (!c.params.isEmpty()) {
        EXPECT_EQ(msg.Params, c.params);
    }
    EXPECT_GE(msg.Params.size(), 1); // the array always has index 1
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ParseIrcLineTest,
    testing::Values(
        ParseCase{":nick!user@host PRIVMSG #room :hello there",
                  "nick!user@host",
                  "nick",
                  "user",
                  "host",
                  "PRIVMSG",
                  "#room :hello there",
                  {"#room", "hello there"}},
        ParseCase{":server.example 001 me :Welcome",
                  "server.example",
                  "",
                  "",
                  "server.example",
                  "001",
                  "me :Welcome",
                  {"me", "Welcome"}},
        ParseCase{":nick!user JOIN #a", "nick!user", "nick", "user", "user", "JOIN", "#a", {"#a"}},
        ParseCase{"PING :abc\r", "", "", "", "", "PING", ":abc\r", {"abc\r"}},
        ParseCase{"QUIT", "", "", "", "", "QUIT", "", {}},
        ParseCase{"JOIN #a ", "", "", "", "", "JOIN", "#a ", {"#a", ""}},
        ParseCase{"MODE #a +o  nick", "", "", "", "", "MODE", "#a +o  nick", {"#a", "+o", "", "nick"}},
        ParseCase{":x", "x", "", "", "x", "x", "", {}},
        ParseCase{"CMD a:b :c d", "", "", "", "", "CMD", "a:b :c d", {"a:b", "c d"}},
        ParseCase{"   ", "", "", "", "", "", "  ", {"", "", ""}},
        ParseCase{":only!prefix ", "only!prefix", "only", "prefix", "prefix", "", "", {}}));

TEST(JoinWordsOf, RangesAndCarriageReturns) {
    IrcMessage msg;
    ParseIrcLine(QStringLiteral("PING :abc\r"), msg);
    EXPECT_EQ(JoinWordsOf(msg, 1, 1), "abc");

    ParseIrcLine(QStringLiteral("QUIT"), msg);
    EXPECT_EQ(JoinWordsOf(msg, 1, -1), "");
    EXPECT_EQ(JoinWordsOf(msg, 1, 1), "");

    IrcMessage two;
    ParseIrcLine(QStringLiteral("CMD a :b c"), two);
    EXPECT_EQ(JoinWordsOf(two, 1, -1), "a b c");
    EXPECT_EQ(JoinWordsOf(two, 2, -1), "b c");
    EXPECT_EQ(JoinWordsOf(two, 3, -1), "");
    EXPECT_EQ(JoinWordsOf(two, 2, 3), ""); // part of the range is missing
    EXPECT_EQ(JoinWordsOf(two, 0, 1), "");
    EXPECT_EQ(JoinWordsOf(two, 2, 1), "");
}

TEST(JoinWords, WordNumbersAreOneBased) {
    const QStringList words{"a", "b\r", "c"};
    EXPECT_EQ(JoinWords(words, 1, -1), "a b c");
    EXPECT_EQ(JoinWords(words, 2, 2), "b");
    EXPECT_EQ(JoinWords(words, 2, 4), "");
    EXPECT_EQ(JoinWords({}, 1, -1), "");
}

TEST(TextProcedures, CutAndClean) {
    QString before, after;
    SplitAt("abc", " ", before, after);
    EXPECT_EQ(before, "abc");
    EXPECT_EQ(after, "abc");
    QString text = "a b c";
    SplitAt(text, " ", before, text); // the text may be the after variable
    EXPECT_EQ(before, "a");
    EXPECT_EQ(text, "b c");

    EXPECT_EQ(TextBefore("a!b", "!"), "a");
    EXPECT_EQ(TextAfter("a!b!c", "!"), "b!c");
    EXPECT_EQ(TextAfter("abc", "!"), "abc");
    EXPECT_EQ(DropLeft("/me", 1), "me");
    EXPECT_EQ(DropLeft("a", 5), "");
    EXPECT_EQ(DropRight("abc", 1), "ab");
    EXPECT_EQ(DropRight("abc", 9), "");

    for (auto [in, out] : {std::pair{"@+nick", "nick"}, {"%nick", "%nick"}, {"a@b", "ab"}, {"~&x", "~&x"}}) {
        QString nick = QString::fromUtf8(in);
        EXPECT_EQ(StripNickModes(nick), out);
        EXPECT_EQ(nick, out);
    }
}

TEST(ParseIrcLine, HostileLinesStayLinear) {
    // A megabyte of blanks is a megabyte of empty parameters, parsed in one pass.
    const QString blanks = "CMD" + QString(1 << 20, QChar(' '));
    IrcMessage msg;
    ParseIrcLine(blanks, msg);
    EXPECT_EQ(msg.ParamCount, (1 << 20));
    EXPECT_EQ(JoinWordsOf(msg, 1, -1).size(), (1 << 20) - 1);

    ParseIrcLine(QString(QChar(0)) + " x", msg);
    EXPECT_EQ(msg.Command, QString(QChar(0)));
}

} // namespace
