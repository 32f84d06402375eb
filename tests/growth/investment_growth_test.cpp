#include "app/app_state.h"
#include "app/calc_error.h"
#include "growth/investment_growth.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace fiscalia;

namespace {

Currency c(double value) { return Currency::fromDouble(value); }

SavingsInput plan(double lump, double each, double rate, double increase, double inflation, int years,
                  Contribution frequency = Contribution::Annually)
{
    SavingsInput in;
    in.lumpSum = c(lump);
    in.contribution = c(each);
    in.rate = c(rate);
    in.increase = c(increase);
    in.inflation = c(inflation);
    in.term = Currency::fromInt(years);
    in.frequency = frequency;
    return in;
}

} // namespace

TEST(InvestmentGrowth, TheQuickHelpExamplesAndTheDefaults)
{
    struct Case {
        const char* name;
        SavingsInput in;
        double invested;
        double finalValue;
    } const cases[] = {
        {"1: 1,000.00 a year at 20%", plan(0, 1000, 20, 0, 0, 25), 25000.00, 566377.32},
        {"2: a lump sum of 1,000.00 at 20%", plan(1000, 0, 20, 0, 0, 25), 1000.00, 95396.22},
        {"3: 1,000.00 rising 5% a year", plan(0, 1000, 20, 5, 0, 25), 47727.10, 736078.94},
        {"4: 30,000.00 with 5% inflation", plan(30000, 0, 0, 0, 5, 25), 30000.00, 8321.69},
        {"5: 30,000.00 with -5% inflation", plan(30000, 0, 0, 0, -5, 25), 30000.00, 101590.65},
        {"the window's defaults", plan(0, 1200, 20, 0, 0, 25), 30000.00, 679652.79},
        {"the help's example", plan(0, 1200, 6, 0, 0, 30), 36000.00, 100562.01},
    };
    for (const auto& k : cases) {
        const SavingsResult r = calculateSavings(k.in);
        EXPECT_NEAR(r.invested.toDouble(), k.invested, 0.005) << k.name;
        EXPECT_NEAR(r.finalValue.toDouble(), k.finalValue, 0.005) << k.name;
        EXPECT_EQ(r.growth, r.finalValue - r.invested) << k.name;
        EXPECT_EQ(r.totalsRow, r.periods + 1) << k.name;
        EXPECT_EQ(r.table[static_cast<std::size_t>(r.totalsRow)][4], r.finalValue) << k.name;
    }
}

TEST(InvestmentGrowth, TheTwoYearWorkedCase)
{
    const SavingsResult r = calculateSavings(plan(0, 1000, 20, 0, 0, 2));
    ASSERT_EQ(r.periods, 2);
    EXPECT_EQ(r.table[1][3], c(200));
    EXPECT_EQ(r.table[1][4], c(1200));
    EXPECT_EQ(r.table[2][2], c(1000));
    EXPECT_EQ(r.table[2][3], c(440));
    EXPECT_EQ(r.table[2][4], c(2640));
    EXPECT_EQ(r.table[3][1], Currency::fromInt(2));
    EXPECT_EQ(r.table[3][2], c(2000));
    EXPECT_EQ(r.table[3][3], c(640));
    EXPECT_EQ(r.table[3][4], c(2640));
    // The value at the end of each year, for the graph.
    EXPECT_EQ(r.table[1][5], c(1200));
    EXPECT_EQ(r.table[2][5], c(2640));
}

TEST(InvestmentGrowth, MonthlyUsesTheEquivalentRateNotATwelfth)
{
    const SavingsResult r = calculateSavings(plan(1000, 0, 12, 0, 0, 1, Contribution::Monthly));
    EXPECT_EQ(r.periods, 12);
    EXPECT_NEAR(r.periodicRate, std::pow(1.12, 1.0 / 12) - 1, 1e-8);
    EXPECT_EQ(r.table[1][3], c(9.4888)); // shown as 9.49
    EXPECT_NEAR(r.finalValue.toDouble(), 1120.00, 0.005);
    // Year 1 ends with period 12: its value is the year's, labelled year 1.
    EXPECT_EQ(r.table[1][5], r.table[12][4]);
    EXPECT_EQ(r.table[1][1], Currency::fromInt(1));
}

TEST(InvestmentGrowth, TheIncreaseGrowsEveryContributionFromTheSecond)
{
    const SavingsResult r = calculateSavings(plan(0, 1000, 0, 5, 0, 3));
    EXPECT_EQ(r.table[1][2], c(1000));
    EXPECT_EQ(r.table[2][2], c(1050));
    EXPECT_EQ(r.table[3][2], c(1102.5));
    // Inflation of 5% takes 5% of the value every year.
    const SavingsResult deflated = calculateSavings(plan(1000, 0, 0, 0, 5, 2));
    EXPECT_EQ(deflated.table[1][4], c(950));
    EXPECT_EQ(deflated.table[2][4], c(902.5));
}

TEST(InvestmentGrowth, AZeroTermIsOnePeriodWithItsTotals)
{
    const SavingsResult r = calculateSavings(plan(0, 1000, 20, 0, 0, 0));
    EXPECT_EQ(r.periods, 0);
    EXPECT_EQ(r.totalsRow, 2);
    EXPECT_EQ(r.table[2][1], Currency::fromInt(1));
    EXPECT_EQ(r.finalValue, c(1200));
    const auto grid = planningGrid(r, Contribution::Annually, "$", {});
    EXPECT_EQ(grid.cells[0], "1");
    EXPECT_EQ(grid.cells[4], "Total:");
    EXPECT_EQ(grid.cells[7], "$1,200.00");
}

TEST(InvestmentGrowth, FailuresAreCalculationErrors)
{
    EXPECT_THROW(calculateSavings(plan(0, 1000, 20, -150, 0, 5, Contribution::Monthly)), CalcError); // no monthly rate
    EXPECT_THROW(calculateSavings(plan(9e14, 9e14, 20, 0, 0, 5)), CalcError);      // an overflow
    EXPECT_THROW(calculateSavings(plan(0, 1000, 20, 0, 0, 50, Contribution::Monthly)), CalcError); // 600 periods
}

TEST(InvestmentGrowth, TheGridOfAFortyYearMonthlyPlan)
{
    const SavingsResult r = calculateSavings(plan(0, 100, 6, 0, 0, 40, Contribution::Monthly));
    const auto grid = planningGrid(r, Contribution::Monthly, "$", {});
    EXPECT_EQ(grid.rows, 484);
    EXPECT_EQ(grid.column0Heading, " Month Number");
    EXPECT_EQ(grid.column1Heading, "          Invested         Monthly");
    EXPECT_EQ(grid.cells[static_cast<std::size_t>(480 * 4)], "Total:");
    const auto defaults = planningGrid(calculateSavings(plan(0, 1200, 20, 0, 0, 25)), Contribution::Annually, "$", {});
    EXPECT_EQ(defaults.rows, 29);
    EXPECT_EQ(defaults.cells[25 * 4], "Total:"); // grid row 26
    EXPECT_EQ(defaults.cells[25 * 4 + 3], "$679,652.79");
    EXPECT_EQ(defaults.cells[1], "1,200.00");
}

TEST(InvestmentGrowth, AComparisonsRowItsLabelAndItsReportLine)
{
    const SavingsInput in = plan(5000, 1200, 20, 0, -2.5, 25);
    const SavingsResult r = calculateSavings(in);
    EXPECT_EQ(comparisonLabel(1), "Row  1");
    EXPECT_EQ(comparisonLabel(22), "Row  22");
    const auto cells = comparisonCells(in, r, {});
    EXPECT_EQ(cells, (std::vector<std::string>{"25", "5,000.00", "1,200.00", "20.00%", ".00%", "-2.50%", "35,000.00",
                                               cells[7]}));
    EXPECT_EQ(comparisonReportLine(in, r, {}),
              " 25    5,000.00    1,200.00  20.00%    .00%  -2.50%    35,000.00" + RightJustify(cells[7], 14)
                  + "\r\n " + std::string(77, '_') + "\r\n\r\n");
}

TEST(InvestmentGrowth, ResultsAreKeptOnceInTheProgramTables)
{
    AppState st;
    loadSavingsDefaults(st);
    EXPECT_EQ(st.InputValues[2], Currency::fromInt(1200));
    st.ToolMode = PlanningMode;
    st.Savings.Frequency = Contribution::Quarterly;
    const SavingsInput in = savingsInput(st);
    keepSavingsResults(st, in, calculateSavings(in));
    EXPECT_EQ(st.ResultsReady, 25);
    EXPECT_EQ(st.Savings.TablePeriods, 100);
    EXPECT_EQ(st.GraphTitle, "Investment value at end of each Year");
    EXPECT_EQ(st.YearTable[25][1], Currency::fromInt(25));
    EXPECT_EQ(st.YearTable[25][5], st.YearTable[100][4]);

    AppState cmp;
    loadSavingsDefaults(cmp);
    cmp.ToolMode = ComparisonsMode;
    for (int i = 1; i <= 16; ++i) {
        cmp.InputValues[1] = Currency::fromInt(i * 100);
        keepSavingsResults(cmp, savingsInput(cmp), calculateSavings(savingsInput(cmp)));
    }
    EXPECT_EQ(cmp.Savings.ComparisonCount, 16);
    EXPECT_EQ(cmp.ResultsReady, 16);
    EXPECT_EQ(cmp.GraphTitle, "Savings Comparisons");
    EXPECT_EQ(cmp.GraphLabels[16][0], "Row  16");
    EXPECT_EQ(cmp.GraphData[16][5], cmp.Savings.Results->result.finalValue);
    EXPECT_FALSE(cmp.ReportLines[1].empty());
    EXPECT_EQ(cmp.ReportLines[2], comparisonReportLine(savingsInput(cmp), cmp.Savings.Results->result, {}));
}

TEST(InvestmentGrowth, TheQuickHelpOfEachMode)
{
    const std::string planning = savingsQuickHelp(PlanningMode, "\u00A3");
    const std::string comparisons = savingsQuickHelp(ComparisonsMode, "\u00A3");
    EXPECT_EQ(planning.rfind("  Example 1", 0), 0u);
    EXPECT_NE(planning.find("Example 2: Shows the future value of a lump sum of \u00A31,000.00 invested"),
              std::string::npos);
    EXPECT_NE(planning.find("add this to the \u00A310,000.00, enter"), std::string::npos);
    EXPECT_EQ(comparisons.find("For more complex calculations"), std::string::npos);
    auto breaks = [](int n) {
        std::string text;
        for (int i = 0; i < n; ++i)
            text += "\r\n";
        return text;
    };
    const std::string end = std::string(50, ' ') + "End";
    EXPECT_TRUE(comparisons.ends_with("percentage rate." + breaks(2 + 14 + 8) + end));
    EXPECT_TRUE(planning.ends_with("(25, 24, ...1)." + breaks(3 + 8) + end));
}
