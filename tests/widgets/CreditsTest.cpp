// The credits windows: fixed texts, and the link that opens the author's page.
#include "fixtures/ClientFixture.h"
#include "fixtures/OpenedUrls.h"
#include "support/WebAddresses.h"
#include "widgets/About.h"
#include "widgets/Author.h"

#include <QLabel>
#include <QTest>
#include <QUrl>

namespace {

class CreditsTest : public ClientTest {};

TEST_F(CreditsTest, TheAuthorsLinkOpensTheAuthorsPage) {
    OpenedUrls opened;
    Author& author = Author::form();
    author.show();
    EXPECT_EQ(author.Label10->text(), "CLICK HERE TO KNOW ABOUT ME");
    QTest::mouseClick(author.Label10, Qt::LeftButton);
    ASSERT_EQ(opened.urls.size(), 1);
    EXPECT_EQ(opened.urls[0], QUrl(WebAddresses::Author));
    QTest::mouseClick(author.Label1, Qt::LeftButton); // the other lines are text only
    EXPECT_EQ(opened.urls.size(), 1);
}

TEST_F(CreditsTest, AboutIsAWindowOfFixedText) {
    About& about = About::form();
    about.show();
    EXPECT_EQ(about.Label1->text(), "TazmirKorvu Messenger");
    EXPECT_EQ(about.Label1->textFormat(), Qt::PlainText);
    EXPECT_TRUE(about.Unload());
    EXPECT_EQ(About::loaded(), nullptr);
}

} // namespace
