#include "app/calc_error.h"
#include "app/currency.h"
#include "app/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <limits>

using namespace fiscalia;

namespace {

struct FormatCase {
    double value;
    const char* pattern;
    const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* os)
{
    *os << c.value << " as \"" << c.pattern << "\"";
}

class FormatPatterns : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatPatterns, ShowsTheValueAsThePatternSays)
{
    const auto& c = GetParam();
    EXPECT_EQ(formatNumber(c.value, c.pattern), c.expected) << c.value << " with " << c.pattern;
}

// Every pattern the program uses, with zero, a negative, a tiny and a huge value
// where they tell something.
INSTANTIATE_TEST_SUITE_P(AllPatterns, FormatPatterns, ::testing::Values(
    // "#" shows no leading zero; the fixed decimals always show.
    FormatCase{100000, "####,,###.00", "100,000.00"},
    FormatCase{0, "####,,###.00", ".00"},
    FormatCase{0.5, "####,,###.00", ".50"},
    FormatCase{-1234.565, "####,,###.00", "-1,234.57"},
    FormatCase{1e-9, "####,,###.00", ".00"},
    FormatCase{1e15, "####,,###.00", "1,000,000,000,000,000.00"},
    FormatCase{12.34567, "####,,###.0000", "12.3457"},
    FormatCase{0, "####,,###.0000", ".0000"},
    FormatCase{0, "####,,##0.0000", "0.0000"},
    FormatCase{1234.5, "####,,##0.0000", "1,234.5000"},
    FormatCase{999.995, "###,,###.00", "1,000.00"},
    FormatCase{-0.001, "#,,###.00", ".00"},
    FormatCase{1234567.891, "#,,###.00", "1,234,567.89"},
    FormatCase{1234567.5, "#,,###", "1,234,568"},
    FormatCase{0, "#,,###", ""},
    FormatCase{2.5, "#,,###", "3"},
    FormatCase{-2.5, "#,,###", "-3"},
    FormatCase{0.5, "####,,##0.00", "0.50"},
    FormatCase{-0.5, "####,,##0.00", "-0.50"},
    FormatCase{1234.56789, "###,,###.0000", "1,234.5679"},
    FormatCase{-98765.43215, "#,,###.0000", "-98,765.4322"},
    FormatCase{0.5, "##0.00", "0.50"},
    FormatCase{12345.678, "##0.00", "12345.68"},
    FormatCase{0.25, "##.00", ".25"},
    FormatCase{54321.12345, "##,,###.0000", "54,321.1235"},
    FormatCase{999999.999, "##,,###.00", "1,000,000.00"},
    FormatCase{0.004, "##,,##0.00", "0.00"},
    FormatCase{1000.0005, "##,,##0.000", "1,000.001"},
    FormatCase{0.1, "#,,##0.00", "0.10"},
    FormatCase{-7, "###,,##0.00", "-7.00"},
    FormatCase{1234.0625, "###,,###.000", "1,234.063"},
    FormatCase{123456789.125, "#####,,##0.00", "123,456,789.13"},
    FormatCase{45.875, "###,###.00", "45.88"},
    FormatCase{5, "##0.000", "5.000"},
    FormatCase{10.125, "###.000", "10.125"},
    FormatCase{25, "###.00", "25.00"},
    FormatCase{365.25, "###.##", "365.25"},
    FormatCase{365, "###.##", "365."},
    FormatCase{12, "###", "12"},
    FormatCase{1234, "###", "1234"},
    FormatCase{7, "##", "7"},
    FormatCase{1999, "####", "1999"},
    FormatCase{0.0084375, "0.########", "0.0084375"},
    FormatCase{0.123456789, "0.########", "0.12345679"},
    FormatCase{0, "0.########", "0."},
    FormatCase{1e-12, "0.########", "0."},
    // "%" multiplies by 100.
    FormatCase{0.10125, "#,,###.000%", "10.125%"},
    FormatCase{0.05, "#,,###.00%", "5.00%"},
    FormatCase{1234.5, "#,,###.0000%", "123,450.0000%"},
    FormatCase{-0.025, "###.00%", "-2.50%"},
    FormatCase{0, "###.00%", ".00%"},
    // Literals, escapes and the dividing comma.
    FormatCase{-5, "$#,##0.00", "-$5.00"},
    FormatCase{3, "\\(0\\)", "(3)"},
    FormatCase{3, "0\" yrs\"", "3 yrs"},
    FormatCase{1500, "0,", "2"}));

TEST(FormatNumber, RoundsHalfAwayFromZeroOnTheDecimalValue)
{
    EXPECT_EQ(formatNumber(1.005, "0.00"), "1.01");
    EXPECT_EQ(formatNumber(-1.005, "0.00"), "-1.01");
    EXPECT_EQ(formatNumber(2.675, "0.00"), "2.68");
    EXPECT_EQ(formatNumber(0.125, "0.00"), "0.13");
    EXPECT_EQ(formatNumber(0.135, "0.00"), "0.14");
}

TEST(FormatNumber, TakesCurrencyValuesExactly)
{
    EXPECT_EQ(formatNumber(Currency::fromRaw(26750), "##0.00"), "2.68");
    EXPECT_EQ(formatNumber(Currency::fromRaw(-5), "##0.000"), "-0.001");
    EXPECT_EQ(formatNumber(Currency::fromRaw(std::numeric_limits<std::int64_t>::max()), "#,,###.0000"),
              "922,337,203,685,477.5807");
    EXPECT_EQ(formatNumber(Currency::fromRaw(std::numeric_limits<std::int64_t>::min()), "#,,###.00"),
              "-922,337,203,685,477.58");
    EXPECT_EQ(formatNumber(Currency::fromInt(100000), "####,,###.00"), "100,000.00");
}

TEST(FormatNumber, UsesTheGivenSeparators)
{
    const NumberSymbols german{",", "."};
    EXPECT_EQ(formatNumber(1234567.891, "#,,###.00", german), "1.234.567,89");
    const NumberSymbols french{",", "\u202F"};
    EXPECT_EQ(formatNumber(1234.5, "#,,##0.00", french), "1\u202F234,50");
}

TEST(FormatNumber, RefusesNotANumber)
{
    EXPECT_THROW(formatNumber(std::nan(""), "0.00"), CalcError);
    EXPECT_THROW(formatNumber(HUGE_VAL, "0.00"), CalcError);
}

TEST(RightJustify, PadsOnTheLeftAndNeverCuts)
{
    EXPECT_EQ(RightJustify("$100,000.00", 16), "     $100,000.00");
    EXPECT_EQ(RightJustify("10.125", 14) + "%", "        10.125%");
    // A value wider than its field is shown whole, not a thousand times too small.
    EXPECT_EQ(RightJustify("$100,000,000,000,000.00", 16), "$100,000,000,000,000.00");
    EXPECT_EQ(RightJustify("", 3), "   ");
    EXPECT_EQ(RightJustify("abc", 0), "abc");
    // Characters, not bytes: a euro sign is one character.
    EXPECT_EQ(RightJustify("\u20AC5.00", 6), " \u20AC5.00");
    EXPECT_EQ(RightJustify("\u20AC\u20AC\u20AC", 2), "\u20AC\u20AC\u20AC");
    EXPECT_EQ(leftChars("\u20AC\u20AC\u20AC", 2), "\u20AC\u20AC");
}

TEST(Val, ReadsDigitsAndOnePoint)
{
    EXPECT_DOUBLE_EQ(Val("12.34"), 12.34);
    EXPECT_DOUBLE_EQ(Val("   7.125"), 7.125);
    EXPECT_DOUBLE_EQ(Val("1.2."), 1.2);
    EXPECT_DOUBLE_EQ(Val("1.2.5"), 1.2);
    EXPECT_DOUBLE_EQ(Val("45abc"), 45);
    EXPECT_DOUBLE_EQ(Val(".5"), 0.5);
    EXPECT_DOUBLE_EQ(Val("-3.5"), -3.5);
    EXPECT_DOUBLE_EQ(Val(""), 0);
    EXPECT_DOUBLE_EQ(Val("   "), 0);
    EXPECT_DOUBLE_EQ(Val("$100"), 0);
    EXPECT_DOUBLE_EQ(Val("."), 0);
    EXPECT_TRUE(std::isinf(Val(std::string(400, '9'))));
    EXPECT_DOUBLE_EQ(Val("0." + std::string(400, '0') + "1"), 0);
}

} // namespace
