#include "platform/TextCodec.h"

#include <gtest/gtest.h>

namespace {

TEST(TextCodec, DecodesUtf8OrWindows1252PerLine) {
    EXPECT_EQ(decodeText("plain"), "plain");
    EXPECT_EQ(decodeText("caf\xc3\xa9"), QString::fromUtf8("café"));
    EXPECT_EQ(decodeText("caf\xe9"), QString::fromUtf8("café"));                  // Latin-1 byte
    EXPECT_EQ(decodeText("\x80 \x93q\x94"), QString::fromUtf8("€ “q”"));          // Windows-1252 punctuation
    EXPECT_EQ(decodeText(QByteArray("a\0b", 3)), QString::fromLatin1("a\0b", 3)); // NUL kept
    EXPECT_EQ(encodeText(QString::fromUtf8("ü€")), QByteArray("\xc3\xbc\xe2\x82\xac"));
}

TEST(TextCodec, RejectsMalformedUtf8) {
    for (const char* bad : {"\xc3", "\xc0\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80", "\xff", "\xe2\x82"}) {
        EXPECT_FALSE(isValidUtf8(bad)) << bad;
        EXPECT_EQ(decodeText(bad).size(), qstrlen(bad)); // one character per byte, none lost
    }
    EXPECT_TRUE(isValidUtf8("\xf0\x9f\x98\x80"));
}

} // namespace
