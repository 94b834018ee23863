#include "CaseName.h"
#include "service/qita.h"

#include <gtest/gtest.h>

// Registered under more than one TZ: folder times must not depend on the
// machine's own zone.

namespace {

TEST(DateZoneTest, RunsInTheZoneItWasRegisteredFor)
{
    const QByteArray zone = qgetenv("TZ");
    const int summerOffset =
        QDateTime(QDate(2012, 8, 6), QTime(12, 0), Qt::LocalTime).offsetFromUtc();
    if (zone == "UTC")
        EXPECT_EQ(summerOffset, 0);
    else if (zone == "Asia/Kolkata")
        EXPECT_EQ(summerOffset, 19800);
    else if (zone == "America/New_York")
        EXPECT_EQ(summerOffset, -14400);
    else if (!zone.isEmpty())
        GTEST_FAIL() << "registered for an unexpected TZ: " << zone.constData();
}

struct DateCase
{
    const char* name;
    QString value;
    QString zoneHours;
    QString text;
};

class UnixSecondsToDateTest : public ::testing::TestWithParam<DateCase>
{
};

TEST_P(UnixSecondsToDateTest, GivesTheWallClockAtTheZone)
{
    EXPECT_EQ(DateTimeText(UnixSecondsToDate(GetParam().value, GetParam().zoneHours)),
              GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, UnixSecondsToDateTest,
    ::testing::Values(DateCase{"ChinaTime", "1344257890", "8", "2012-8-6 20:58:10"},
                      DateCase{"NoZone", "1344257890", "0", "2012-8-6 12:58:10"},
                      DateCase{"ZoneNotNumeric", "1344257890", "abc", "2012-8-6 12:58:10"},
                      DateCase{"ZoneEmpty", "1344257890", "", "2012-8-6 12:58:10"},
                      DateCase{"NegativeZone", "1344257890", "-5", "2012-8-6 7:58:10"},
                      DateCase{"HalfHourZone", "1344257890", "5.5", "2012-8-6 18:28:10"},
                      DateCase{"FractionRoundsDown", "1344257890.4", "8", "2012-8-6 20:58:10"},
                      DateCase{"FractionRoundsUp", "1344257890.6", "8", "2012-8-6 20:58:11"},
                      DateCase{"BlanksAround", " 1344257890 ", "8", "2012-8-6 20:58:10"},
                      DateCase{"EpochIsMidnight", "0", "0", "1970-1-1"},
                      DateCase{"EpochInChina", "0", "8", "1970-1-1 8:00:00"},
                      DateCase{"MidnightShowsDateAlone", "1344211200", "0", "2012-8-6"},
                      DateCase{"OneSecondPastMidnight", "1344211201", "0", "2012-8-6 0:00:01"},
                      DateCase{"BeforeTheEpoch", "-86400", "0", "1969-12-31"},
                      DateCase{"LastSecondOfYear9999", "253402300799", "0", "9999-12-31 23:59:59"},
                      // Skipped by New York's clocks, yet a wall-clock time at UTC+0.
                      DateCase{"SpringForwardHour", "1331433000", "0", "2012-3-11 2:30:00"},
                      DateCase{"FallBackHour", "1351992600", "0", "2012-11-4 1:30:00"}),
    CaseName());

TEST(UnixSecondsToDateTest, ResultIsALocalValue)
{
    const QDateTime date = UnixSecondsToDate("1344257890", "8");
    EXPECT_EQ(date.timeSpec(), Qt::LocalTime);
    EXPECT_EQ(date, QDateTime(QDate(2012, 8, 6), QTime(20, 58, 10), Qt::LocalTime));
}

struct UnusableCase
{
    const char* value;
    const char* zoneHours;
};

class UnusableSecondsTest : public ::testing::TestWithParam<UnusableCase>
{
};

TEST_P(UnusableSecondsTest, GiveTheCurrentLocalDateTime)
{
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    const QDateTime date = UnixSecondsToDate(GetParam().value, GetParam().zoneHours);
    const QDateTime after = QDateTime::currentDateTime().addSecs(1);
    EXPECT_EQ(date.timeSpec(), Qt::LocalTime);
    EXPECT_LE(before, date);
    EXPECT_LE(date, after);
}

INSTANTIATE_TEST_SUITE_P(Values, UnusableSecondsTest,
                         ::testing::Values(UnusableCase{"", "8"}, UnusableCase{"abc", "8"},
                                           UnusableCase{"12abc", "8"}, UnusableCase{"1 2", "8"},
                                           UnusableCase{"inf", "8"}, UnusableCase{"nan", "8"},
                                           UnusableCase{"1e300", "8"},
                                           UnusableCase{"253402300800", "0"},
                                           UnusableCase{"-62135596801", "0"},
                                           // The zone alone carries the result past the last year.
                                           UnusableCase{"253402300799", "1"}));

struct TextCase
{
    const char* name;
    QDateTime dateTime;
    QString text;
};

class DateTimeTextTest : public ::testing::TestWithParam<TextCase>
{
};

TEST_P(DateTimeTextTest, WritesDateAndTime)
{
    EXPECT_EQ(DateTimeText(GetParam().dateTime), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    DateTimes, DateTimeTextTest,
    ::testing::Values(TextCase{"NoLeadingZeros", QDateTime(QDate(2012, 8, 6), QTime(9, 5, 7)),
                               "2012-8-6 9:05:07"},
                      TextCase{"TwoDigitFields", QDateTime(QDate(2012, 12, 31), QTime(23, 59, 59)),
                               "2012-12-31 23:59:59"},
                      TextCase{"Midnight", QDateTime(QDate(2012, 8, 6), QTime(0, 0)), "2012-8-6"},
                      TextCase{"MidnightIgnoresMilliseconds",
                               QDateTime(QDate(2012, 8, 6), QTime(0, 0, 0, 500)), "2012-8-6"},
                      TextCase{"JustAfterMidnight", QDateTime(QDate(2012, 8, 6), QTime(0, 1)),
                               "2012-8-6 0:01:00"},
                      TextCase{"Invalid", QDateTime(), ""}),
    CaseName());

} // namespace
