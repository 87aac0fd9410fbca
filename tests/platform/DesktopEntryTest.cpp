// The values of a desktop entry, written as desktops read them.
#include "platform/DesktopEntry.h"
#include "fixtures/NamedRows.h"

#include <gtest/gtest.h>

namespace {

struct ExecCase {
    const char* name;
    const char* program;
    const char* exec;
};

class ExecValueTest : public testing::TestWithParam<ExecCase> {};

TEST_P(ExecValueTest, QuotesAsDesktopEntriesRequire) {
    EXPECT_EQ(DesktopEntry::execValue(GetParam().program), GetParam().exec);
}

// Inside quotes ", `, $ and \ take a backslash; then every backslash of the
// value is doubled, and % is written %%.
INSTANTIATE_TEST_SUITE_P(Paths, ExecValueTest,
                         testing::Values(ExecCase{"Plain", "/usr/bin/tazmir-korvu", "/usr/bin/tazmir-korvu"},
                                         ExecCase{"Blank", "/home/a b/korvu", "\"/home/a b/korvu\""},
                                         ExecCase{"Dollar", "/home/$x/korvu", "\"/home/\\\\$x/korvu\""},
                                         ExecCase{"Quote", "/home/a\"b/korvu", "\"/home/a\\\\\"b/korvu\""},
                                         ExecCase{"Backslash", "/home/a\\b/korvu",
                                                  "\"/home/a\\\\\\\\b/korvu\""},
                                         ExecCase{"Percent", "/home/100%/korvu", "/home/100%%/korvu"}),
                         RowName());

TEST(DesktopEntryTest, StringValuesEscapeTheirControlCharacters) {
    EXPECT_EQ(DesktopEntry::stringValue("Tazmir Korvu"), "Tazmir Korvu");
    EXPECT_EQ(DesktopEntry::stringValue("a\\b\nc\td\re \"$`"), "a\\\\b\\nc\\td\\re \"$`");
}

} // namespace
