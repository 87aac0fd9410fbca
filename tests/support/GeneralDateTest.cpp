#include "support/GeneralDate.h"

#include "fixtures/NamedRows.h"
#include "support/Timing.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

struct GeneralDateCase {
    const char* name;
    const char* locale;
    qint64 seconds;
    const char* shown;
};

class GeneralDate : public testing::TestWithParam<GeneralDateCase> {};

// The short date, then the time with seconds and without a time zone, read
// from the value as it is (no change to the local zone).
TEST_P(GeneralDate, ShortDateThenTimeWithSeconds) {
    const GeneralDateCase& c = GetParam();
    EXPECT_EQ(generalDateText(UnixTimeToDate(c.seconds), QLocale(QString::fromLatin1(c.locale))),
              QString::fromUtf8(c.shown));
}

INSTANTIATE_TEST_SUITE_P(
    Locales, GeneralDate,
    testing::Values(GeneralDateCase{"UsEvening", "en_US", 1700000000, "11/14/23 10:13:20 PM"},
                    GeneralDateCase{"UsEpoch", "en_US", 0, "1/1/70 12:00:00 AM"},
                    GeneralDateCase{"GermanEvening", "de_DE", 1700000000, "14.11.23 22:13:20"},
                    GeneralDateCase{"GermanMorning", "de_DE", 86400 + 3661, "02.01.70 01:01:01"},
                    GeneralDateCase{"ChineseZoneFirst", "zh_CN", 1700000000, "2023/11/14 22:13:20"}),
    RowName());

// Some locales put the zone first or in brackets; it never shows.
class GeneralDateZone : public testing::TestWithParam<const char*> {};

TEST_P(GeneralDateZone, NeverShown) {
    const char* name = GetParam();
    const QString shown = generalDateText(UnixTimeToDate(1700000000), QLocale(QString::fromLatin1(name)));
    for (const char* zone : {"UTC", "Coordinated", "GMT", "(", ")"})
        EXPECT_FALSE(shown.contains(QLatin1String(zone))) << name << ": " << shown.toStdString();
    EXPECT_EQ(shown, shown.trimmed()) << name;
}

INSTANTIATE_TEST_SUITE_P(Locales, GeneralDateZone,
                         testing::Values("en_US", "de_DE", "fa_IR", "zh_CN", "ko_KR", "ja_JP", "ar_EG"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

TEST(GeneralDateDefault, FollowsTheDefaultLocale) {
    const QLocale before;
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    EXPECT_EQ(generalDateText(UnixTimeToDate(1700000000)), QStringLiteral("14.11.23 22:13:20"));
    QLocale::setDefault(before);
}

} // namespace
