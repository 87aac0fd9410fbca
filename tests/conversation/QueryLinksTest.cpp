// Words of the pane: which are links, what the pointer shows over them, and
// what a double click opens.
#include "QueryFixture.h"
#include "fixtures/NamedRows.h"
#include "fixtures/OpenedUrls.h"

#include "conversation/LinkWords.h"
#include "support/ColouredText.h"

#include <QDesktopServices>
#include <QTest>
#include <QUrl>

namespace {

class QueryLinksTest : public QueryTest {
protected:
    // The user releases the mouse over a word and double-clicks it.
    static void doubleClick(Query& q, const QString& word) {
        const QPoint at = twipsInside(*q.DataIn, word);
        q.DataIn_MouseUp(1, 0, at.x(), at.y());
        q.DataIn_DblClick();
    }
    OpenedUrls browser{{"http", "ftp", "mailto"}};
};

// Words, and whether each is of the kind asked about.
struct Word {
    const char* name;
    const char* word;
    bool is;
};

const Word kLinkWords[] = {
    {"Http", "http://example.org/a", true},
    {"HttpInCapitals", "HTTP://EXAMPLE.ORG", true},
    {"Mailto", "mailto:bob@example.org", true},
    {"Ftp", "ftp://files.example.org", true},
    {"Www", "www.example.org", true},
    {"WwwInMixedCase", "WWW.Example.org", true},
    {"Html", "page.html", true},
    {"HtmInCapitals", "PAGE.HTM", true},
    {"Htm", "page.htm", true},
    {"Https", "https://example.org", false}, // its first seven characters are not "http://"
    {"FtpWithOneSlash", "ftp:/x", false},
    {"Html5", "page.html5", false},
    {"Server", "irc.example.net", false},
    {"Room", "#lobby", false},
    {"HtmAlone", "htm", false},
    {"Empty", "", false},
};

class LinkWordTest : public testing::TestWithParam<Word> {};

TEST_P(LinkWordTest, IsALinkByItsStartOrEnd) {
    EXPECT_EQ(isLinkWord(GetParam().word), GetParam().is) << GetParam().word;
}

INSTANTIATE_TEST_SUITE_P(, LinkWordTest, testing::ValuesIn(kLinkWords), RowName());

const Word kPointerWords[] = {
    {"Www", "www.example.org", true},
    {"Room", "#lobby", true},
    {"Server", "irc.example.net", true},
    {"ServerInMixedCase", "IRC.Example.net", true},
    {"Word", "lobby", false},
    {"IrcInsideAName", "myirc.net", false},
    {"Empty", "", false},
};

class PointerWordTest : public testing::TestWithParam<Word> {};

TEST_P(PointerWordTest, IsALinkARoomOrAServer) {
    EXPECT_EQ(isPointerWord(GetParam().word), GetParam().is) << GetParam().word;
}

INSTANTIATE_TEST_SUITE_P(, PointerWordTest, testing::ValuesIn(kPointerWords), RowName());

// Words of a line in the pane, and the pointer over each.
struct PointerOverWord {
    const char* name;
    const char* word;
    int pointer;
};

const PointerOverWord kPointersOverWords[] = {
    {"Server", "irc.example.net", 99}, {"PlainWord", "today", 1}, {"Room", "#lobby", 99},
    {"Www", "www.example.org", 99},    {"FirstWord", "try", 1},
};

class PointerTest : public QueryLinksTest, public testing::WithParamInterface<PointerOverWord> {};

TEST_P(PointerTest, IsTheLinkHandOverRoomsServersAndLinks) {
    const auto [name, word, pointer] = GetParam();
    Query& q = open("bob");
    PutColouredText(*q.DataIn, "try irc.example.net or #lobby or www.example.org today");
    q.UnreadFlag = 1;
    const QPoint at = twipsInside(*q.DataIn, word);
    q.DataIn_MouseMove(0, 0, at.x(), at.y());
    EXPECT_EQ(q.DataIn->MousePointer(), pointer) << word;
    EXPECT_EQ(q.UnreadFlag, 0) << word;
}

INSTANTIATE_TEST_SUITE_P(, PointerTest, testing::ValuesIn(kPointersOverWords), RowName());

TEST_F(QueryLinksTest, DoubleClickOpensLinkWordsOnly) {
    Query& q = open("bob");
    PutColouredText(*q.DataIn, "see www.example.org/a and mailto:bob@example.org or plain words");
    doubleClick(q, "plain");
    EXPECT_TRUE(browser.urls.isEmpty());
    doubleClick(q, "www.example.org/a");
    doubleClick(q, "mailto:bob@example.org");
    EXPECT_EQ(browser.urls, (QList<QUrl>{QUrl("http://www.example.org/a"), QUrl("mailto:bob@example.org")}));
}

TEST_F(QueryLinksTest, ClickInThePaneGivesTheInputLineTheFocus) {
    Query& q = open("bob");
    q.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&q));
    q.DataIn->setFocus();
    ASSERT_TRUE(q.DataIn->hasFocus());
    q.DataIn_Click();
    EXPECT_TRUE(q.DataOut->hasFocus());
}

} // namespace
