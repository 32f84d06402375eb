#include "app/date.h"

#include <gtest/gtest.h>

using namespace fiscalia;

namespace {
Date ymd(int y, int m, int d) { return *Date::fromYmd(y, m, d); }
} // namespace

TEST(Date, MonthArithmeticClampsToTheLastDayOfTheMonth)
{
    EXPECT_EQ(ymd(2023, 1, 31).addMonths(1), ymd(2023, 2, 28));
    EXPECT_EQ(ymd(2024, 1, 31).addMonths(1), ymd(2024, 2, 29));
    EXPECT_EQ(ymd(2024, 1, 31).addMonths(2), ymd(2024, 3, 31));
    EXPECT_EQ(ymd(2024, 3, 31).addMonths(-1), ymd(2024, 2, 29));
    EXPECT_EQ(ymd(2024, 2, 29).addMonths(12), ymd(2025, 2, 28));
    EXPECT_EQ(ymd(2023, 12, 15).addMonths(1), ymd(2024, 1, 15));
    EXPECT_EQ(ymd(2023, 5, 31).addMonths(-12), ymd(2022, 5, 31));
    EXPECT_EQ(ymd(2023, 8, 31).addMonths(1), ymd(2023, 9, 30));
}

TEST(Date, DayArithmeticCrossesMonthsAndLeapYears)
{
    EXPECT_EQ(ymd(2024, 2, 28).addDays(1), ymd(2024, 2, 29));
    EXPECT_EQ(ymd(2023, 2, 28).addDays(1), ymd(2023, 3, 1));
    EXPECT_EQ(ymd(2023, 12, 25).addDays(14), ymd(2024, 1, 8));
    EXPECT_EQ(ymd(2024, 1, 1).addDays(-1), ymd(2023, 12, 31));
}

TEST(Date, RefusesImpossibleDates)
{
    EXPECT_FALSE(Date::fromYmd(2023, 2, 31));
    EXPECT_FALSE(Date::fromYmd(2023, 2, 29));
    EXPECT_TRUE(Date::fromYmd(2000, 2, 29));
    EXPECT_FALSE(Date::fromYmd(1900, 2, 29));
    EXPECT_FALSE(Date::fromYmd(2023, 13, 1));
    EXPECT_FALSE(Date::fromYmd(2023, 0, 1));
    EXPECT_FALSE(Date::fromYmd(0, 1, 1));
}

TEST(Date, ReadsAndWritesIsoText)
{
    EXPECT_EQ(ymd(2026, 12, 7).toIso(), "2026-12-07");
    EXPECT_EQ(Date::fromIso("2024-02-29"), ymd(2024, 2, 29));
    EXPECT_FALSE(Date::fromIso("2023-02-29"));
    EXPECT_FALSE(Date::fromIso("2023-2-28"));
    EXPECT_FALSE(Date::fromIso("2023/02/28"));
    EXPECT_FALSE(Date::fromIso("abcd-ef-gh"));
    EXPECT_FALSE(Date::fromIso(""));
    EXPECT_EQ(ymd(2026, 12, 7).year(), 2026);
    EXPECT_EQ(ymd(2026, 12, 7).month(), 12);
    EXPECT_EQ(ymd(2026, 12, 7).day(), 7);
}
