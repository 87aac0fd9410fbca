// Words of the pane: which are links, what the pointer shows over them, and
// what a double click opens.
#include "QueryFixture.h"
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

} // namespace

TEST(LinkWordsTest, LinksByTheirStartOrEnd) {
    const std::pair<const char*, bool> cases[] = {
        {"http://example.org/a", true}, {"HTTP://EXAMPLE.ORG", true}, {"mailto:bob@example.org", true},
        {"ftp://files.example.org", true}, {"www.example.org", true},   {"WWW.Example.org", true},
        {"page.html", true},             {"PAGE.HTM", true},           {"page.htm", true},
        {"https://example.org", false}, // its first seven characters are not "http://"
        {"ftp:/x", false},               {"page.html5", false},        {"irc.example.net", false},
        {"#lobby", false},               {"htm", false},               {"", false},
    };
    for (const auto& [word, link] : cases)
        EXPECT_EQ(IsLinkWord(word), link) << word;
}

TEST(LinkWordsTest, PointerWordsAreLinksRoomsAndServers) {
    const std::pair<const char*, bool> cases[] = {
        {"www.example.org", true}, {"#lobby", true}, {"irc.example.net", true}, {"IRC.Example.net", true},
        {"lobby", false},          {"myirc.net", false}, {"", false},
    };
    for (const auto& [word, pointer] : cases)
        EXPECT_EQ(IsPointerWord(word), pointer) << word;
}

TEST_F(QueryLinksTest, PointerIsTheLinkHandOverRoomsServersAndLinks) {
    Query& q = open("bob");
    PutColouredText(*q.DataIn, "try irc.example.net or #lobby or www.example.org today");
    const std::pair<const char*, int> cases[] = {
        {"irc.example.net", 99}, {"today", 1}, {"#lobby", 99}, {"www.example.org", 99}, {"try", 1},
    };
    for (const auto& [word, pointer] : cases) {
        q.UnreadFlag = 1;
        const QPoint at = twipsInside(*q.DataIn, word);
        q.DataIn_MouseMove(0, 0, at.x(), at.y());
        EXPECT_EQ(q.DataIn->MousePointer(), pointer) << word;
        EXPECT_EQ(q.UnreadFlag, 0) << word;
    }
}

TEST_F(QueryLinksTest, DoubleClickOpensLinkWordsOnly) {
    Query& q = open("bob");
    PutColouredText(*q.DataIn, "see www.example.org/a and mailto:bob@example.org or plain words");
    doubleClick(q, "plain");
    EXPECT_TRUE(browser.urls.isEmpty());
    doubleClick(q, "www.example.org/a");
    doubleClick(q, "mailto:bob@example.org");
    EXPECT_EQ(browser.urls,
              (QList<QUrl>{QUrl("http://www.example.org/a"), QUrl("mailto:bob@example.org")}));
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
