// Server lines handed straight to the interpreter of an unconnected room
// window: what each row shows and changes, and odd lines for every row.
#include "account/Login.h"
#include "chatroom/Channel.h"
#include "fixtures/ClientFixture.h"
#include "fixtures/NamedRows.h"
#include "platform/RichTextBox.h"
#include "support/ColouredText.h"
#include "support/GeneralDate.h"
#include "support/Globals.h"
#include "support/Timing.h"
#include "support/WindowTables.h"

#include <QAction>
#include <QLabel>
#include <QListView>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>
#include <random>

namespace {

class InterpreterTest : public ClientTest {
protected:
    void SetUp() override {
        ClientTest::SetUp();
        loadRoomAs("me");
        G().AutoJoin = "#r";
        feed(":me!u@h JOIN #r");
    }
};

TEST_F(InterpreterTest, OwnJoinRegistersTheRoom) {
    EXPECT_EQ(room().RoomName(), "#r");
    EXPECT_EQ(room().Tag(), "1");
    EXPECT_TRUE(room().isVisible());
    EXPECT_EQ(FindChannelIndex("#R"), 1);
}

TEST_F(InterpreterTest, MembersFollowTheRoom) {
    feed(":server 353 me = #r :@alice +bob %carol ~dave  me");
    EXPECT_EQ(listedNicks(), (QStringList{"@alice", "@dave", "+bob", "carol", "me"}));
    EXPECT_EQ(room().cmdCount->text(), " Total Chatters :  [ 5 ]");
    feed(":erin!e@h JOIN :#r");
    EXPECT_EQ(lastLine(), " erin has joined #r");
    feed(":erin!e@h NICK :Erin2");
    EXPECT_EQ(lastLine(), " erin is now known as Erin2");
    feed(":alice!a@h MODE #r +v Erin2");
    EXPECT_EQ(lastLine(), " alice sets mode: +v Erin2");
    EXPECT_TRUE(listedNicks().contains("+Erin2"));
    feed(":alice!a@h MODE #r +o-v Erin2 Erin2");
    EXPECT_TRUE(listedNicks().contains("@Erin2"));
    EXPECT_TRUE(room().isOp("erin2"));
    feed(":Erin2!e@h PART #r :bye");
    EXPECT_EQ(lastLine(), " Erin2 has left #r");
    EXPECT_EQ(room().cmdCount->text(), " Total Chatters : [ 5 ]"); // one blank after a removal
    feed(":bob!b@h QUIT :Quit: later");
    EXPECT_EQ(lastLine(), " bob has Quit IRC ( Quit: later )");
    feed(":alice!a@h KICK #r carol :go");
    EXPECT_EQ(lastLine(), " carol was kicked from #r by alice [ go ]");
    EXPECT_EQ(listedNicks(), (QStringList{"@alice", "@dave", "me"}));
    EXPECT_EQ(room().TotalChatters, 3);
}

TEST_F(InterpreterTest, RoomTextAndOwnNick) {
    feed(":bob!b@h PRIVMSG #r :hello  ");
    EXPECT_EQ(lastLine(), " <bob>  hello");
    feed(":bob!b@h PRIVMSG #r :" + Chr1 + "ACTION waves" + Chr1);
    EXPECT_EQ(lastLine(), " bob waves");
    feed(":bob!b@h PRIVMSG #r :" + Chr1 + "VERSION" + Chr1); // answered, not shown
    EXPECT_EQ(lastLine(), " bob waves");
    feed(":bob!b@h PRIVMSG #r :" + Chr1 + "version" + Chr1);
    EXPECT_TRUE(lastLine().contains("version"));
    feed(":me!u@h NICK :me2");
    EXPECT_EQ(G().MyNick, "me2");
    EXPECT_TRUE(paneText().contains("Your nick is now me2"));
}

TEST_F(InterpreterTest, TopicBoxAndEntryLines) {
    feed(":bob!b@h PRIVMSG #r :before");
    feed(":server 332 me #r :Welcome all");
    EXPECT_EQ(room().rtbTopic->Text(), "Welcome all\n");
    EXPECT_EQ(room().rtbTopic->Tag, "locked");
    EXPECT_FALSE(paneText().contains("before")); // the pane starts afresh
    EXPECT_EQ(paneText(), " You have entered to the chat room\n Welcome To Tazmir Korvu Messenger!\n"
                          " Checking Your Internet Connection  Connecting please wait... \n"
                          " Topic is \"Welcome all\"\n");
    feed(":server 333 me #r bob 1700000000");
    EXPECT_EQ(lastLine(), " Topic set by bob on " + generalDateText(UnixTimeToDate(1700000000)));
    feed(":server 333 me #r bob soon");
    EXPECT_EQ(lastLine(), " Topic set by bob on soon");
    feed(":bob!b@h TOPIC #r :New one");
    EXPECT_EQ(room().rtbTopic->Text(), "New one\n");
    EXPECT_EQ(lastLine(), " Topic changed by bob : New one");
}

// Replies and notices that show one line in the main pane.
struct ShownLine {
    const char* name;
    const char* line;
    const char* shown;
};

const ShownLine kRepliesShownInTheMainPane[] = {
    {"UserCount", ":s 251 me :There are 3 users", " There are 3 users"},
    {"NoSuchNick", ":s 401 me nobody :No such nick", " * nobody No such nick"},
    {"ListEntry", ":s 322 me #r 5 :topic", " *** 322 me #r 5 topic"},
    {"UnknownNumeric", ":s 999 me odd :line", " *** 999 me odd line"},
    {"Away", ":s 301 me bob :gone fishing", " bob is away: gone fishing"},
    {"WhoisServer", ":s 312 me bob irc.test :Test server", " bob is using: irc.test ( Test server )"},
    {"WhoisIdle", ":s 317 me bob 42 1700000000 :idle", " bob 42 seconds idle / 1700000000 sign-on time"},
    {"WhoisChannels", ":s 319 me bob :@#r #s", " bob is on: @#r #s"},
    {"WhoisIdentified", ":s 320 me bob is identified", " bob is identified"},
    {"ChannelUrl", ":s 328 me #r :http://example.com", " Channel URL: http://example.com"},
    {"Welcome", ":s 001 me :Welcome home", " * Welcome home"},
    {"AuthNotice", "NOTICE AUTH :*** Looking up", " *** Looking up"},
    {"UserNotice", ":bob!b@h NOTICE me :psst", " NOTICE bob: psst"},
};

class ReplyTest : public InterpreterTest, public testing::WithParamInterface<ShownLine> {};

TEST_P(ReplyTest, IsShownInTheMainPane) {
    feed(GetParam().line);
    EXPECT_EQ(lastLine(), QString::fromUtf8(GetParam().shown)) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(, ReplyTest, testing::ValuesIn(kRepliesShownInTheMainPane), RowName());

TEST_F(InterpreterTest, RepliesShownAfterABlankLineOrNotAtAll) {
    feed(":s 311 me bob ~b host * :Bob B");
    EXPECT_TRUE(paneText().endsWith("  \n bob is ~b@host * Bob B\n")); // a blank line first
    const QString before = paneText();
    for (const char* silent :
         {":s 366 me #r :End", ":s 376 me :End of MOTD", ":s 318 me bob :End", ":s 305 me :back"})
        feed(silent);
    EXPECT_EQ(paneText(), before);
}

TEST_F(InterpreterTest, NetworkTextIsNeverMarkup) {
    feed(":<b>x</b>!u@h JOIN #r");
    feed(":<b>x</b>!u@h PRIVMSG #r :<img src=x> &amp; <i>y</i>");
    EXPECT_TRUE(paneText().contains("<b>x</b> has joined #r"));
    EXPECT_TRUE(paneText().contains("<<b>x</b>>  <img src=x> &amp; <i>y</i>"));
    EXPECT_TRUE(listedNicks().contains("<b>x</b>"));
}

// Every row with lines too short, empty or odd: nothing breaks, nothing changes
// that should not.
TEST_F(InterpreterTest, OddLinesForEveryRow) {
    feed(":server 353 me = #r :alice");
    const QStringList labels{"001",  "002",    "003",  "004",  "005",  "ping", "join",  "privmsg", "nick",
                             "part", "353",    "mode", "quit", "kick", "332",  "topic", "333",     "366",
                             "324",  "notice", "433",  "372",  "251",  "303",  "305",   "484",     "471",
                             "321",  "322",    "328",  "301",  "431",  "432",  "307",   "311",     "312",
                             "313",  "317",    "318",  "319",  "320",  "kill", "367",   "368",     "346",
                             "347",  "348",    "349",  "xyz"};
    const QStringList shapes{"%1",
                             ":%1",
                             "%1 ",
                             ":p %1",
                             ":p %1 :",
                             ":p %1  ",
                             ":n!u@h %1 #nowhere",
                             ":n!u@h %1 #r",
                             ":n!u@h %1 #r :",
                             ":n!u@h %1 #r a b c d e f",
                             ":n!u %1 :" + Chr1,
                             ":n!u@h %1 #r +ooooovvvv a",
                             "%1" + QString(QChar(0)) + " x"};
    answers.assign(200, Dialogs::Reply{});
    for (const QString& label : labels)
        for (const QString& shape : shapes)
            for (const QString& word : {label, label.toUpper()})
                feed(shape.arg(word));
    feed("");
    feed("\r");
    feed("    ");
    feed(":");
    feed(QString(5000, QChar('x')) + " " + QString(5000, QChar(':')));
    // The room is still there and still takes members.
    EXPECT_EQ(FindChannelIndex("#r"), 1);
    feed(":server 353 me = #r :zed");
    EXPECT_TRUE(room().InChannel("zed"));
}

TEST_F(InterpreterTest, NamesForARoomNotOpenAndKicksOfStrangers) {
    feed(":s 353 me = #other :x y z");
    EXPECT_EQ(room().TotalChatters, 0);
    feed(":s 353 me = #r :a b");
    feed(":a!a@h KICK #r stranger :x");
    EXPECT_EQ(room().TotalChatters, 2);
    feed(":s 324 me #r +ntkl");
    EXPECT_EQ(room().Modes.ModeText, "+nt");
}

TEST_F(InterpreterTest, PrivateCtcpNeverOpensAWindow) {
    feed(":bob!b@h PRIVMSG me :" + Chr1 + "PING 123" + Chr1);
    feed(":bob!b@h PRIVMSG me :" + Chr1);
    feed(":bob!b@h PRIVMSG me :" + Chr1 + "FINGER" + Chr1);
    EXPECT_EQ(FindQueryIndex("bob"), -1);
    EXPECT_TRUE(paneText().contains("bob has just pinged you"));
}

TEST_F(InterpreterTest, NickErrorsAskForAnotherNick) {
    feed(":s 433 * me :Nickname already in use");
    feed(":s 433");
    feed(":s 432 me bad! :Erroneous nickname");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].prompt, "Choose Another Nick");
    EXPECT_EQ(boxes[0].title, "Invalid Name Or Nick Already In Use");
    EXPECT_EQ(G().MyNick, "me"); // no alternative nick to try
}

TEST_F(InterpreterTest, KillOfTheOwnNickLeavesTheWindowsAsTheyAre) {
    feed(":s 353 me = #r :a b");
    feed(":oper!o@h KILL you :someone else");
    EXPECT_EQ(lastLine(), " you was killed [someone else]");
    EXPECT_EQ(room().TotalChatters, 2);
    feed(":oper!o@h KILL me :flooding");
    EXPECT_EQ(lastLine(), " You were Killed [flooding]");
    EXPECT_TRUE(room().isVisible());
    EXPECT_EQ(room().TotalChatters, 0);
    EXPECT_EQ(room().NickCount(), 0); // the entries go with the list
    EXPECT_FALSE(room().InChannel("a"));
    EXPECT_EQ(room().cmdCount->text(), " Total Chatters :  [ 0 ]");
}

TEST_F(InterpreterTest, ARefusedRoomReturnsToTheSignInWindow) {
    feed(":s 474 me #r :Cannot join channel (+b)");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].prompt, "You cannot join #r : Cannot join channel (+b)");
    EXPECT_EQ(boxes[0].title, "Error");
    EXPECT_FALSE(room().isVisible());
    EXPECT_TRUE(Login::form().isVisible());
    EXPECT_EQ(Login::form().mnu_Sign->text(), "Sign In");
}

} // namespace

namespace {

// Lines that arrive while a line's handler lets events run wait their turn.
TEST_F(InterpreterTest, LinesAreInterpretedInTheOrderTheyArrivedNeverNested) {
    QTimer::singleShot(30, [] { Channel::form().ReceiveChunk(":b!u@h PRIVMSG #r :second\r\n"); });
    room().ReceiveChunk(":s 332 me #r :topic\r\n:a!u@h PRIVMSG #r :first\r\n"); // the topic reply pauses
    waitForPane("second");
    const QString pane = paneText();
    EXPECT_LT(pane.indexOf("Topic is"), pane.indexOf("<a>  first"));
    EXPECT_LT(pane.indexOf("<a>  first"), pane.indexOf("<b>  second")) << pane.toStdString();
}

TEST_F(InterpreterTest, EachLineIsReadAsUtf8OrWindows1252) {
    room().ReceiveChunk(
        ":a!u@h PRIVMSG #r :caf\xc3\xa9\r\n:b!u@h PRIVMSG #r :caf\xe9 \x80 \x93quoted\x94\r\n");
    EXPECT_TRUE(paneText().contains(QString::fromUtf8("<a>  café")));
    EXPECT_TRUE(paneText().contains(QString::fromUtf8("<b>  café € “quoted”")));
}

TEST_F(InterpreterTest, ALineLongerThanTheBoundIsDroppedAndTheConnectionGoesOn) {
    room().ReceiveChunk(QByteArray((1 << 20) + 10, 'x'));
    room().ReceiveChunk("tail\n:a!u@h PRIVMSG #r :still here\r\n");
    EXPECT_TRUE(paneText().contains("Dropped"));
    EXPECT_TRUE(paneText().contains("<a>  still here"));
    EXPECT_FALSE(paneText().contains("tail"));
}

} // namespace

namespace {

// A names reply as a server cuts it: 353 lines of at most 510 bytes.
QStringList namesLines(const QStringList& names) {
    const QString head = ":s 353 me = #r :";
    QStringList lines{head};
    for (const QString& name : names) {
        if (lines.last().size() + 1 + name.size() > 510)
            lines.append(head);
        lines.last() += (lines.last() == head ? "" : " ") + name;
    }
    return lines;
}

// Tokens of rank characters alone name nobody: they add nothing and count for
// nothing (entries with an empty nick could never be removed).
TEST_F(InterpreterTest, NamesOfRankCharactersAloneAddNobody) {
    feed(":s 353 me = #r :@ + %~& alice ~ @bob &");
    EXPECT_EQ(listedNicks(), (QStringList{"@bob", "alice"}));
    EXPECT_EQ(room().NickCount(), 2);
    EXPECT_EQ(room().cmdCount->text(), " Total Chatters :  [ 2 ]");
    feed(":alice!a@h PART #r");
    feed(":bob!b@h QUIT :bye");
    EXPECT_TRUE(listedNicks().isEmpty());
    EXPECT_EQ(room().NickCount(), 0);
    EXPECT_EQ(room().cmdCount->text(), " Total Chatters : [ 0 ]");
}

// A NICK without a new nick names nobody: nothing is renamed, so the member can
// still leave and the conversation window keeps its nick, and the own nick stays.
TEST_F(InterpreterTest, ANickChangeToNoNickChangesNothing) {
    feed(":s 353 me = #r :alice bob");
    feed(":alice!a@h PRIVMSG me :hi");
    ASSERT_EQ(FindQueryIndex("alice"), 1);
    for (const char* line : {":alice!a@h NICK :", ":alice!a@h NICK", ":alice!a@h NICK :\r", ":me!u@h NICK :"})
        feed(line);
    EXPECT_EQ(G().MyNick, "me");
    EXPECT_EQ(listedNicks(), (QStringList{"alice", "bob"}));
    EXPECT_EQ(FindQueryIndex("alice"), 1);
    EXPECT_EQ(FindQueryIndex(""), -1);
    EXPECT_FALSE(paneText().contains("is now known as"));
    feed(":alice!a@h PART #r");
    EXPECT_EQ(listedNicks(), QStringList{"bob"});
    EXPECT_EQ(room().NickCount(), 1);
}

TEST_F(InterpreterTest, TheChatterCountHoldsPastSixteenBits) {
    QStringList names;
    for (int k = 0; k < 40000; ++k)
        names << "member" + QString::number(k);
    for (const QString& line : namesLines(names))
        feed(line);
    EXPECT_EQ(room().TotalChatters, 40000);
    EXPECT_EQ(room().NickCount(), 40000);
    EXPECT_EQ(room().cmdCount->text(), " Total Chatters :  [ 40000 ]");
    feed(":member39999!u@h PART #r");
    EXPECT_EQ(room().cmdCount->text(), " Total Chatters : [ 39999 ]");
    EXPECT_EQ(room().GetNick(39999), "member39998");
}

// Twenty thousand spellings of one nick that differ only in case: each PART or
// QUIT takes away its own spelling, whatever order they leave in.
TEST_F(InterpreterTest, ManySpellingsOfOneNickComeAndGo) {
    QStringList spellings;
    for (int k = 0; k < 20000; ++k) {
        QString nick = "casevariantnick";
        for (int j = 0; j < nick.size(); ++j)
            if (k & (1 << j))
                nick[j] = nick[j].toUpper();
        spellings << nick;
    }
    for (const QString& line : namesLines(spellings))
        feed(line);
    ASSERT_EQ(room().NickCount(), 20000);
    std::shuffle(spellings.begin(), spellings.end(), std::mt19937(1));
    const qsizetype half = spellings.size() / 2;
    const auto leave = [&](qsizetype from, qsizetype to) {
        QByteArray lines; // through the receive path, as a server sends them
        for (qsizetype k = from; k < to; ++k)
            lines += (":" + spellings[k] + (k % 2 ? "!u@h QUIT :gone" : "!u@h PART #r")).toUtf8() + "\r\n";
        room().ReceiveChunk(lines);
    };
    leave(0, half);
    QStringList left = spellings.mid(half);
    QStringList shown = listedNicks();
    left.sort();
    shown.sort();
    EXPECT_EQ(shown, left);
    leave(half, spellings.size());
    EXPECT_TRUE(listedNicks().isEmpty());
    EXPECT_EQ(room().NickCount(), 0);
    EXPECT_EQ(room().TotalChatters, 0);
}

// The server echoing the own join to new rooms without end: the table stays
// within its bounds and the joined room keeps being found.
TEST_F(InterpreterTest, EndlessOwnJoinsNeverLeaveTheWindowTable) {
    QByteArray joins;
    for (int k = 0; k < 33000; ++k)
        joins += ":me!u@h JOIN :#room" + QByteArray::number(k) + "\r\n";
    room().ReceiveChunk(joins);
    EXPECT_GT(G().ChannelCount, 33000);
    EXPECT_EQ(room().RoomName(), "#r");
    EXPECT_EQ(FindChannelIndex("#r"), 1);
    feed(":bob!b@h JOIN :#r");
    EXPECT_EQ(lastLine(), " bob has joined #r");
}

TEST_F(InterpreterTest, AnOverLongLineIsToldOnceWithItsSize) {
    const QByteArray piece(64 * 1024, 'x');
    for (int k = 0; k < 48; ++k)
        room().ReceiveChunk(piece);
    EXPECT_FALSE(paneText().contains("Dropped"));
    room().ReceiveChunk("yz\r\n:a!u@h PRIVMSG #r :still here\r\n");
    EXPECT_EQ(paneText().count("Dropped"), 1) << paneText().left(500).toStdString();
    EXPECT_TRUE(paneText().contains(" * Dropped a line of " + QString::number(48 * piece.size() + 4) +
                                    " bytes, longer than 1 MiB"));
    EXPECT_TRUE(paneText().contains("<a>  still here"));
}

// Private text that no conversation window can take is shown in the room pane
// as a conversation shows it.
TEST_F(InterpreterTest, PrivateTextPastTheThirtiethWindowIsShownInTheRoom) {
    for (int k = 1; k <= 30; ++k)
        feed(QString(":nick%1!u@h PRIVMSG me :hello").arg(k));
    ASSERT_EQ(G().QueryCount, 30);
    feed(":late!u@h PRIVMSG me :are you there?");
    EXPECT_EQ(FindQueryIndex("late"), -1);
    EXPECT_EQ(lastLine(), " <late> are you there?");
}

// Private text without a sender nick: shown in the room pane as a conversation
// shows it, and no window opens.
const ShownLine kPrivateTextWithoutASenderNick[] = {
    {"FromTheServer", ":irc.server PRIVMSG me :maintenance at noon", " <irc.server> maintenance at noon"},
    {"WithoutPrefix", "PRIVMSG me :no prefix at all", " <> no prefix at all"},
    {"EmptyNick", ":!u@h PRIVMSG me :empty nick", " <!u@h> empty nick"},
};

class SenderlessPrivateTextTest : public InterpreterTest, public testing::WithParamInterface<ShownLine> {};

TEST_P(SenderlessPrivateTextTest, OpensNoWindow) {
    feed(GetParam().line);
    EXPECT_EQ(lastLine(), QString::fromUtf8(GetParam().shown)) << GetParam().line;
    EXPECT_EQ(G().QueryCount, 0);
    EXPECT_EQ(FindQueryIndex(""), -1);
}

INSTANTIATE_TEST_SUITE_P(, SenderlessPrivateTextTest, testing::ValuesIn(kPrivateTextWithoutASenderNick),
                         RowName());

TEST_F(InterpreterTest, PrivateTextWithoutASenderNickIsShownNowhereWithPrivateChatOff) {
    room().mnu_pm_yes->setChecked(true); // private chat off: shown nowhere, as a window would not open
    feed(":irc.server PRIVMSG me :unseen");
    EXPECT_FALSE(paneText().contains("unseen"));
}

} // namespace
