#include "app/app_state.h"
#include "growth/compound_growth.h"
#include "growth/plan401k.h"

#include <gtest/gtest.h>

using namespace fiscalia;

namespace {

Currency c(double value) { return Currency::fromDouble(value); }

// The window's defaults: 10,000.00, 50,000.00, 5% + 4%, raise 4%, return
// 10%, no inflation, 25 years.
Plan401KInput defaults()
{
    return {c(10000), c(50000), c(5), c(4), c(4), c(10), c(0), Currency::fromInt(25)};
}

} // namespace

TEST(Plan401K, TheDefaultsYearByYear)
{
    const Plan401KResult r = calculate401K(defaults());
    EXPECT_EQ(r.years, 25);
    EXPECT_EQ(r.table[0][4], c(10000));
    EXPECT_EQ(r.table[1][0], c(50000));
    EXPECT_EQ(r.table[1][2], c(4500));
    EXPECT_EQ(r.table[1][3], c(1450));
    EXPECT_EQ(r.table[1][4], c(15950));
    EXPECT_EQ(r.table[2][0], c(52000));
    EXPECT_EQ(r.table[2][2], c(4680));
    EXPECT_EQ(r.table[2][3], c(2063)); // 10% of the base 20,630.00
    EXPECT_EQ(r.table[2][4], c(22693));
    EXPECT_EQ(r.totalsRow, 26);
    EXPECT_NEAR(r.invested.toDouble(), 197406.58, 0.005);
    EXPECT_NEAR(r.finalValue.toDouble(), 782278.81, 0.005);
    EXPECT_EQ(r.table[26][1], Currency::fromInt(25));
    EXPECT_EQ(r.table[26][3], r.finalValue - r.invested);
}

TEST(Plan401K, TheHelpsOtherExamples)
{
    auto cautious = defaults();
    cautious.returnRate = c(6);
    EXPECT_NEAR(calculate401K(cautious).finalValue.toDouble(), 430727.89, 0.005);
    auto inflated = defaults();
    inflated.inflation = c(3);
    const Plan401KResult r = calculate401K(inflated);
    EXPECT_NEAR(r.finalValue.toDouble(), 476274.51, 0.005);
    // 3% inflation takes 3% of each year's value after the interest.
    EXPECT_EQ(r.table[1][4], c(15950 * 0.97));
}

TEST(Plan401K, TheOpeningRowOnlyAboveOneDollar)
{
    for (const double balance : {0.0, 1.0, 1.01}) {
        auto in = defaults();
        in.balance = c(balance);
        const Plan401KGrid grid = plan401KGrid(calculate401K(in), "$", {});
        const bool opening = balance > 1.0;
        if (opening) {
            EXPECT_EQ(grid.cells[4], "1.01");
        }
        EXPECT_EQ(grid.cells[0], opening ? "" : "1") << balance; // year 1 on the first row
    }
    const Plan401KGrid grid = plan401KGrid(calculate401K(defaults()), "$", {});
    EXPECT_EQ(grid.rows, 30);                       // 25 years + 5
    EXPECT_EQ(grid.cells[26 * 5], "");              // an empty row after year 25 (grid row 26)
    EXPECT_EQ(grid.cells[27 * 5], "Total:");        // grid row 28
    EXPECT_EQ(grid.cells[27 * 5 + 4], "$782,278.81");
}

TEST(Plan401K, AZeroTermAndTheLimit)
{
    auto none = defaults();
    none.years = Currency();
    const Plan401KResult r = calculate401K(none);
    EXPECT_EQ(r.years, 0);
    EXPECT_EQ(r.totalsRow, 2);
    EXPECT_EQ(r.table[2][1], Currency::fromInt(1));
    const Plan401KGrid grid = plan401KGrid(r, "$", {});
    EXPECT_EQ(grid.cells[5], "1"); // year 1 on row 2, after the opening row
    EXPECT_EQ(grid.cells[15], "Total:");
    auto tooLong = defaults();
    tooLong.years = Currency::fromInt(51);
    EXPECT_EQ(calculate401K(tooLong).message, 4);
}

TEST(Plan401K, ResultsAreKeptOnce)
{
    AppState st;
    load401KDefaults(st);
    keep401KResults(st, plan401KInput(st), calculate401K(plan401KInput(st)));
    EXPECT_EQ(st.ResultsReady, 25);
    EXPECT_EQ(st.YearTable[25][4], st.Plan401K.Results->result.table[25][4]);
    EXPECT_EQ(st.GraphTitle, "Investment value at end of each Year");
}

TEST(CompoundGrowth, TheHelpExamplesAndAFall)
{
    struct Case {
        double cost, value;
        int years;
        const char* rate;  // the grid's three decimals
        const char* gain;
    } const cases[] = {
        {1000, 2000, 5, "14.870%", "100.00%"},
        {25000, 200000, 20, "10.957%", "700.00%"},
        {500, 1000, 6, "12.246%", "100.00%"},
        {2.38, 5.14, 5, "16.648%", "115.97%"},
        {10000, 7500, 4, "-6.940%", "-25.00%"},
        {10000, 20000, 5, "14.870%", "100.00%"}, // the window's defaults
    };
    for (const auto& k : cases) {
        const CompoundInput in{c(k.cost), c(k.value), Currency::fromInt(k.years), "x"};
        const CompoundResult r = findCompoundGrowth(in);
        const auto cells = compoundCells(in, r, "$", {});
        EXPECT_EQ(cells[4], k.rate) << k.cost;
        EXPECT_EQ(cells[5], k.gain) << k.cost;
    }
}

TEST(CompoundGrowth, WrongEntries)
{
    EXPECT_EQ(findCompoundGrowth({c(0), c(1), c(5), ""}).message, 3);
    EXPECT_EQ(findCompoundGrowth({c(1), c(0), c(5), ""}).message, 3);
    EXPECT_EQ(findCompoundGrowth({c(1), c(2), c(0), ""}).message, 3);
    EXPECT_EQ(findCompoundGrowth({c(1), c(2), c(51), ""}).message, 4);
    EXPECT_EQ(findCompoundGrowth({c(1), c(2), c(50), ""}).message, 0);
}

TEST(CompoundGrowth, ReportLinesGoToTheSecondSlotFromTheThirteenth)
{
    AppState st;
    loadCompoundDefaults(st);
    const CompoundInput named{c(1000), c(2000), c(5), "Fund"};
    const CompoundInput unnamed{c(2.38), c(5.14), c(5), ""};
    EXPECT_EQ(compoundReportLine(named, findCompoundGrowth(named), "$", {}),
              "\r\n Fund\r\n    5           $1,000.00          $2,000.00           14.8698%       100.0000%\r\n "
                  + std::string(78, '_') + " \r\n");
    EXPECT_EQ(compoundReportLine(unnamed, findCompoundGrowth(unnamed), "$", {}).substr(0, 4), "\r\n  ");
    for (int i = 1; i <= 13; ++i) {
        const CompoundInput& in = i == 13 ? unnamed : named;
        EXPECT_FALSE(compoundRowsFull(st));
        EXPECT_EQ(keepCompoundResult(st, in, findCompoundGrowth(in)), i);
    }
    EXPECT_EQ(st.ResultsReady, 13);
    EXPECT_EQ(st.GraphLabels[13][0], ""); // an empty name labels the point with nothing
    EXPECT_EQ(st.GraphData[1][5], c(14.8698));
    EXPECT_EQ(st.ReportLines[2], compoundReportLine(unnamed, findCompoundGrowth(unnamed), "$", {}));
    for (int i = 14; i <= 22; ++i)
        keepCompoundResult(st, named, findCompoundGrowth(named));
    EXPECT_TRUE(compoundRowsFull(st));
}
