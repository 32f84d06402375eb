#include "app/calc_error.h"
#include "app/currency.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

using namespace fiscalia;

TEST(Currency, RoundsFromDoubleToTheNearestTenThousandthTiesToEven)
{
    EXPECT_EQ(Currency::fromDouble(1.23456).raw(), 12346);
    EXPECT_EQ(Currency::fromDouble(0.00005).raw(), 0);    // 0.5 units: tie to even 0
    EXPECT_EQ(Currency::fromDouble(0.00035).raw(), 4);    // 3.5 units: tie to even 4
    EXPECT_EQ(Currency::fromDouble(0.00045).raw(), 4);    // 4.5 units: tie to even 4
    EXPECT_EQ(Currency::fromDouble(0.12345).raw(), 1234); // 1234.5 units: to even 1234
    EXPECT_EQ(Currency::fromDouble(2.00015).raw(), 20002);
    // The scaling happens in double precision: 0.00015 * 10000 is just below 1.5.
    EXPECT_EQ(Currency::fromDouble(0.00015).raw(), 1);
    EXPECT_EQ(Currency::fromDouble(0.00025).raw(), 2);    // 2.5 units: tie to even 2
    EXPECT_EQ(Currency::fromDouble(-0.00025).raw(), -2);
    EXPECT_EQ(Currency::fromDouble(-1.23456).raw(), -12346);
    EXPECT_EQ(Currency::fromDouble(100000).raw(), 1000000000);
    EXPECT_EQ(Currency::fromDouble(48.0 / 12.0).raw(), 40000);
    EXPECT_EQ(Currency::fromDouble(50.0 / 12.0).raw(), 41667);
}

TEST(Currency, RejectsNotANumberAndValuesOutOfRange)
{
    EXPECT_THROW(Currency::fromDouble(std::nan("")), CalcError);
    EXPECT_THROW(Currency::fromDouble(HUGE_VAL), CalcError);
    EXPECT_THROW(Currency::fromDouble(-HUGE_VAL), CalcError);
    EXPECT_THROW(Currency::fromDouble(1e15), CalcError);
    EXPECT_THROW(Currency::fromDouble(-1e15), CalcError);
    EXPECT_NO_THROW(Currency::fromDouble(9e14));
    EXPECT_THROW(Currency::fromInt(std::numeric_limits<std::int64_t>::max() / 1000), CalcError);
}

TEST(Currency, AddsAndSubtractsExactlyWithOverflowChecked)
{
    const auto a = Currency::fromDouble(0.1);
    const auto b = Currency::fromDouble(0.2);
    EXPECT_EQ((a + b).raw(), 3000);
    EXPECT_EQ((a - b).raw(), -1000);
    const auto max = Currency::fromRaw(std::numeric_limits<std::int64_t>::max());
    const auto min = Currency::fromRaw(std::numeric_limits<std::int64_t>::min());
    EXPECT_THROW(max + Currency::fromRaw(1), CalcError);
    EXPECT_THROW(min - Currency::fromRaw(1), CalcError);
    EXPECT_THROW(-min, CalcError);
}

TEST(Currency, MultipliesWithTheProductRoundedTiesToEven)
{
    EXPECT_EQ((Currency::fromDouble(1.5) * Currency::fromDouble(2)).raw(), 30000);
    // 0.0001 * 0.5 = 0.00005: a tie, to even 0.
    EXPECT_EQ((Currency::fromRaw(1) * Currency::fromDouble(0.5)).raw(), 0);
    // 0.0003 * 0.5 = 0.00015: a tie, to even 0.0002.
    EXPECT_EQ((Currency::fromRaw(3) * Currency::fromDouble(0.5)).raw(), 2);
    EXPECT_EQ((Currency::fromRaw(-3) * Currency::fromDouble(0.5)).raw(), -2);
    EXPECT_EQ((Currency::fromDouble(1.2345) * Currency::fromDouble(1.1111)).raw(), 13717);
    EXPECT_THROW(Currency::fromDouble(9e14) * Currency::fromDouble(100), CalcError);
}

TEST(Currency, WritesPlainDecimalText)
{
    EXPECT_EQ(Currency::fromDouble(100000).toPlainString(), "100000");
    EXPECT_EQ(Currency::fromDouble(10.125).toPlainString(), "10.125");
    EXPECT_EQ(Currency::fromDouble(-0.5).toPlainString(), "-0.5");
    EXPECT_EQ(Currency::fromRaw(1).toPlainString(), "0.0001");
    EXPECT_EQ(Currency::fromRaw(std::numeric_limits<std::int64_t>::min()).toPlainString(),
              "-922337203685477.5808");
}

TEST(Currency, ConvertsToSixteenBitCountsChecked)
{
    EXPECT_EQ(toInt16(2.5), 2);
    EXPECT_EQ(toInt16(3.5), 4);
    EXPECT_EQ(toInt16(-32768), -32768);
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_THROW(toInt16(32767.5), CalcError);
    EXPECT_THROW(toInt16(-32769), CalcError);
    EXPECT_THROW(toInt16(std::nan("")), CalcError);
    EXPECT_DOUBLE_EQ(roundToCurrency(1.23456789), 1.2346);
}

TEST(Currency, ReadsTypedTextExactly)
{
    struct Case {
        const char* text;
        std::int64_t raw;
    } const cases[] = {
        {"99999999999999", 999999999999990000},  // a double would give ...90016
        {"922337203685477.5807", INT64_MAX},
        {"  12.34", 123400},
        {"-0.5", -5000},
        {"1.00005", 10000},                      // a tie goes to the even digit
        {"1.00015", 10002},
        {"1.000051", 10001},
        {"7.125%", 71250},                       // the reading stops at the first other character
        {"1.2.5", 12000},
        {"", 0},
        {".", 0},
    };
    for (const auto& c : cases) {
        const auto value = Currency::read(c.text);
        ASSERT_TRUE(value) << c.text;
        EXPECT_EQ(value->raw(), c.raw) << c.text;
    }
    EXPECT_FALSE(Currency::read("922337203685477.5808"));
    EXPECT_FALSE(Currency::read(std::string(400, '9')));
}
