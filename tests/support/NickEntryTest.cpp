// The nick procedures the member store files by: folding without regard to case
// (fast for ASCII, the same as Qt's comparison for everything) and deleting
// rank characters without copying a nick that only has them in front.
#include "support/NickEntry.h"
#include "fixtures/NamedRows.h"
#include "fixtures/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

QString codePoint(char32_t c) {
    return QString::fromUcs4(&c, 1);
}

// Every code point alone, and beside an ASCII capital (the fast path's exit).
TEST(FoldedNickTest, FoldsEveryCodePointAsQtComparesWithoutCase) {
    for (char32_t c = 1; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;
        const QString nick = codePoint(c) + "A";
        const QString folded = foldedNick(nick);
        ASSERT_EQ(folded, nick.toCaseFolded()) << std::hex << static_cast<unsigned>(c);
        QString spare;
        ASSERT_EQ(foldedNick(QStringView(nick), spare), folded) << std::hex << static_cast<unsigned>(c);
        ASSERT_EQ(foldedNick(codePoint(c)), codePoint(c).toCaseFolded())
            << std::hex << static_cast<unsigned>(c);
    }
    const QString lone = QString(QChar(0xD801)) + "X" + QChar(0xDC00); // unpaired surrogates stay
    EXPECT_EQ(foldedNick(lone), lone.toCaseFolded());
}

TEST(FoldedNickTest, AFoldedNickIsNotCopied) {
    const QString nick = "already~folded";
    EXPECT_TRUE(foldedNick(nick).isSharedWith(nick));
    QString spare;
    EXPECT_EQ(foldedNick(QStringView(nick), spare).data(), nick.constData());
    EXPECT_TRUE(spare.isNull());
}

struct WithoutCase {
    const char* name;
    const char* text;
    const char16_t* characters;
    const char* left;
    bool viewOfText; // no copy was made
};

void PrintTo(const WithoutCase& param, std::ostream* out) {
    *out << param.name;
}

class TextWithoutTest : public testing::TestWithParam<WithoutCase> {};

TEST_P(TextWithoutTest, DeletesEveryOneOfTheCharacters) {
    const WithoutCase& c = GetParam();
    const QString text = QString::fromUtf8(c.text);
    QString spare;
    const QStringView left = textWithout(text, c.characters, spare);
    EXPECT_EQ(left.toString(), QString::fromUtf8(c.left));
    EXPECT_EQ(left.data() >= text.constData() && left.data() <= text.constData() + text.size(), c.viewOfText);
}

INSTANTIATE_TEST_SUITE_P(Cases, TextWithoutTest,
                         testing::Values(WithoutCase{"None", "alice", u"~&@%+", "alice", true},
                                         WithoutCase{"LeadingPrefix", "@alice", u"~&@%+", "alice", true},
                                         WithoutCase{"LeadingPrefixes", "~@+alice", u"~&@%+", "alice", true},
                                         WithoutCase{"PrefixesOnly", "@+%", u"~&@%+", "", true},
                                         WithoutCase{"Empty", "", u"@+", "", true},
                                         WithoutCase{"Inside", "a@l+i~ce", u"~&@%+", "alice", false},
                                         WithoutCase{"OnlySomeDeleted", "~al%ice", u"@+", "~al%ice", true},
                                         WithoutCase{"Trailing", "alice@", u"@+", "alice", false},
                                         WithoutCase{"NonAscii", "@ßø+€", u"@+", "ßø€", false},
                                         WithoutCase{"NonAsciiDeleted", "a€b", u"€", "ab", false}),
                         RowName());

} // namespace
