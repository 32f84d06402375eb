#include "app/app_state.h"
#include "app/calc_error.h"
#include "retirement/capital_required.h"
#include "retirement/retirement.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace fiscalia;

namespace {

Currency c(double value) { return Currency::fromDouble(value); }

RetirementInput percentage(double capital, double rate, double drawn, int years)
{
    return {Withdrawal::Percentage, c(capital), c(rate), c(drawn), Currency::fromInt(years)};
}

RetirementInput fixedAmount(double capital, double rate, double monthly, double raise)
{
    return {Withdrawal::FixedAmount, c(capital), c(rate), c(monthly), c(raise)};
}

// The totals equal the sums of their columns.
void expectTotalsAreColumnSums(const RetirementResult& r)
{
    Currency interest, withdrawn;
    for (int y = 1; y <= r.years; ++y) {
        interest += r.table[static_cast<std::size_t>(y)][2];
        withdrawn += r.table[static_cast<std::size_t>(y)][3];
    }
    EXPECT_EQ(r.interestTotal, interest);
    EXPECT_EQ(r.withdrawnTotal, withdrawn);
    const auto& totals = r.table[static_cast<std::size_t>(r.years) + 1];
    EXPECT_EQ(totals[1], Currency::fromInt(r.years));
    EXPECT_EQ(totals[2], r.interestTotal);
    EXPECT_EQ(totals[3], r.withdrawnTotal);
    EXPECT_EQ(totals[4], r.finalValue);
}

} // namespace

TEST(Retirement, TheCentRuleCutsToCentsAndAddsAHalfOfAHundredth)
{
    EXPECT_EQ(centRule(1234.5678), c(1234.5605));
    EXPECT_EQ(centRule(15000), c(15000.0005));
}

TEST(Retirement, ThePercentageExampleGrowsFivePerCentAYear)
{
    const RetirementResult r = calculateRetirement(percentage(100000, 20, 15, 25));
    ASSERT_EQ(r.message, 0);
    EXPECT_EQ(r.years, 25);
    EXPECT_EQ(r.table[1][3], c(15000.0005));
    EXPECT_EQ(r.table[1][4], c(105000.0005));
    EXPECT_NEAR(r.table[1][2].toDouble(), 20000.00, 0.005);
    for (int y = 2; y <= 25; ++y) {
        const auto& row = r.table[static_cast<std::size_t>(y)];
        const auto& before = r.table[static_cast<std::size_t>(y - 1)];
        EXPECT_NEAR(row[4].toDouble() / before[4].toDouble(), 1.05, 1e-6) << y;
        EXPECT_NEAR(row[3].toDouble() / before[3].toDouble(), 1.05, 1e-6) << y;
    }
    expectTotalsAreColumnSums(r);
    // The window's own defaults, as its help topic tells them.
    const RetirementResult defaults = calculateRetirement(percentage(500000, 10, 8, 20));
    EXPECT_NEAR(defaults.table[1][2].toDouble(), 50000.00, 0.005);
    EXPECT_NEAR(defaults.table[1][3].toDouble(), 40000.00, 0.005);
    EXPECT_NEAR(defaults.table[1][4].toDouble(), 510000.00, 0.005);
}

TEST(Retirement, PercentageEdges)
{
    const RetirementResult none = calculateRetirement(percentage(100000, 20, 15, 0));
    EXPECT_EQ(none.years, 0);
    EXPECT_EQ(none.table[1], (std::array<Currency, 6>{}));
    EXPECT_EQ(calculateRetirement(percentage(100000, 20, 100.5, 5)).message, 7);
    EXPECT_EQ(calculateRetirement(percentage(100000, 20, 100, 5)).message, 7); // R adds 0.0005 to the whole value
    EXPECT_EQ(calculateRetirement(percentage(100000, 20, 15, 51)).message, 4);
    EXPECT_EQ(calculateRetirement(percentage(100000, 20, 15, 50)).years, 50);
}

TEST(Retirement, TheFixedAmountExamplesOfTheHelp)
{
    // 100,000.00 at 10% with 1,000.00 a month.
    const RetirementResult r = calculateRetirement(fixedAmount(100000, 10, 1000, 0));
    ASSERT_EQ(r.message, 0);
    EXPECT_NEAR(r.table[1][2].toDouble(), 9459.46, 0.005);
    EXPECT_EQ(r.table[1][3], c(12000));
    EXPECT_NEAR(r.table[1][4].toDouble(), 97459.46, 0.005);
    EXPECT_EQ(r.years, 17); // runs out in the 17th year
    // With no raise T is the year-end value: the last year takes all that
    // is left with its interest, and leaves nothing.
    EXPECT_NEAR(r.finalValue.toDouble(), 0.0, 0.005);
    const auto& lastYear = r.table[16];
    EXPECT_NEAR(r.table[17][3].toDouble(), lastYear[4].toDouble() + r.table[17][2].toDouble(), 0.0002);
    expectTotalsAreColumnSums(r);
    EXPECT_EQ(calculateRetirement(fixedAmount(100000, 10, 1000, 2.5)).years, 13);
}

TEST(Retirement, FixedAmountEnds)
{
    // Earning more than is withdrawn: 50 years, and T of year 50 as the
    // final value.
    const RetirementResult r = calculateRetirement(fixedAmount(500000, 10, 1000, 0));
    EXPECT_EQ(r.years, 50);
    EXPECT_EQ(r.finalValue, r.table[50][4]); // no raise: T is the year-end value
    const RetirementResult raised = calculateRetirement(fixedAmount(500000, 10, 1000, 1));
    EXPECT_EQ(raised.years, 50);
    EXPECT_GT(raised.finalValue, raised.table[50][4]);
    expectTotalsAreColumnSums(raised);
    // The first year's twelve payments above the capital.
    EXPECT_EQ(calculateRetirement(fixedAmount(10000, 10, 900, 0)).message, 7);
}

TEST(Retirement, ResultsAreKeptOnce)
{
    AppState st;
    loadRetirementDefaults(st);
    setUpWithdrawal(st, Withdrawal::FixedAmount);
    EXPECT_EQ(st.ToolMode, 2);
    EXPECT_EQ(st.InputValues[1], Currency::fromInt(100000));
    EXPECT_EQ(st.InputValues[2], Currency::fromInt(10)); // the rate stays
    const RetirementInput in = retirementInput(st);
    keepRetirementResults(st, in, calculateRetirement(in));
    EXPECT_EQ(st.ResultsReady, 17);
    EXPECT_EQ(st.GraphKind, 3);
    EXPECT_EQ(st.GraphTitle, "Retirement value at start of each Year");
    EXPECT_EQ(st.Retirement.YearsText, " 17");
}

TEST(CapitalRequired, TheDefaultsYearByYear)
{
    const CapitalResult r = calculateCapitalRequired({CapitalGoal::Capital, c(100000), c(15), Currency::fromInt(25)});
    EXPECT_NEAR(r.payment, 408.64, 0.005);
    EXPECT_EQ(formatNumber(r.table[1][3], "##0.00"), "61.30");
    EXPECT_EQ(formatNumber(r.table[1][4], "#,##0.00"), "469.94");
    EXPECT_EQ(formatNumber(r.table[2][3], "##0.00"), "131.79");
    EXPECT_EQ(formatNumber(r.table[2][4], "#,##0.00"), "1,010.37");
    EXPECT_NEAR(r.table[25][4].toDouble(), 100000.00, 0.005);
    EXPECT_NEAR(r.invested.toDouble(), 10216.09, 0.005);
    EXPECT_NEAR(r.growth.toDouble(), 89783.91, 0.005);
    EXPECT_EQ(r.table[26][1], Currency::fromInt(26));
}

TEST(CapitalRequired, TheIncomeOptionAndTheLimits)
{
    const CapitalResult income = calculateCapitalRequired({CapitalGoal::Income, c(40000), c(15), Currency::fromInt(25)});
    EXPECT_NEAR(income.capital, 266666.67, 0.005);
    EXPECT_NEAR(income.finalValue.toDouble(), 266666.67, 0.005);
    // The help topic's other figures.
    EXPECT_NEAR(calculateCapitalRequired({CapitalGoal::Capital, c(500000), c(6), Currency::fromInt(25)}).payment,
                8597.51, 0.005);
    EXPECT_NEAR(calculateCapitalRequired({CapitalGoal::Income, c(40000), c(5), Currency::fromInt(25)}).payment,
                15963.78, 0.005);
    EXPECT_EQ(calculateCapitalRequired({CapitalGoal::Capital, c(100000), c(15), Currency::fromInt(50)}).years, 50);
    EXPECT_EQ(calculateCapitalRequired({CapitalGoal::Capital, c(100000), c(15), Currency::fromInt(51)}).message, 4);
    EXPECT_THROW(calculateCapitalRequired({CapitalGoal::Capital, c(100000), c(0), Currency::fromInt(25)}), CalcError);
    EXPECT_THROW(calculateCapitalRequired({CapitalGoal::Income, c(40000), c(0), Currency::fromInt(25)}), CalcError);
}
