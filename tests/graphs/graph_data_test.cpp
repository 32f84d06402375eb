#include "app/app_state.h"
#include "graphs/graph_data.h"
#include "mortgage/amortization.h"

#include <gtest/gtest.h>

using namespace fiscalia;

namespace {

Currency c(double v) { return Currency::fromDouble(v); }

// A calculator's year table as the retirement, capital and 401(k) windows
// leave it: column 1 the year, column 4 the year's end value.
AppState yearTableState(int kind, int years)
{
    AppState s;
    s.GraphKind = kind;
    s.ResultsReady = years;
    s.GraphTitle = "Title";
    s.YearTable.assign(static_cast<std::size_t>(years + 3), {});
    for (int y = 1; y <= years + 1; ++y) {
        s.YearTable[static_cast<std::size_t>(y)][1] = Currency::fromInt(y);
        s.YearTable[static_cast<std::size_t>(y)][4] = c(1000.0 * y);
    }
    s.InputValues.assign(6, Currency());
    s.InputValues[1] = c(50000);
    return s;
}

// The state a mortgage Calculate leaves: its one results record.
AppState mortgageState(AmortizationInput in)
{
    AppState s;
    s.GraphKind = 4;
    s.ToolMode = toolModeOf(in.view);
    const auto r = calculateAmortization(in);
    s.ResultsReady = r.resultsReady;
    s.GraphTitle = r.graphTitle;
    s.Mortgage.Results = MortgageRun{in, r};
    return s;
}

AmortizationInput defaultMortgage(ScheduleView view)
{
    AmortizationInput in;
    in.principal = Currency::fromInt(100000);
    in.rate = c(10.125);
    in.term = Currency::fromInt(25);
    in.view = view;
    return in;
}

} // namespace

TEST(GraphHandOver, KindsTwoFiveAndSevenDrawTheEndOfYearValues)
{
    for (int kind : {2, 5, 7}) {
        AppState s = yearTableState(kind, 3);
        loadGraphTables(s);
        const auto series = graphSeries(s, firstView(s));
        EXPECT_EQ(firstView(s), GraphView::YearBars) << kind;
        EXPECT_EQ(series.labels, (std::vector<std::string>{"1", "2", "3"}));
        EXPECT_EQ(series.values, (std::vector<double>{1000, 2000, 3000}));
        EXPECT_EQ(series.title, "Title");
        EXPECT_EQ(series.type, ChartType::Bar2D);
    }
}

TEST(GraphHandOver, TheRetirementFixedAmountIsShiftedByOneYear)
{
    AppState s = yearTableState(3, 3);
    loadGraphTables(s);
    const auto series = graphSeries(s, GraphView::YearBars);
    // The starting capital, then the value at the end of years 1 and 2.
    EXPECT_EQ(series.values, (std::vector<double>{50000, 1000, 2000}));
    EXPECT_EQ(s.YearTable[4][5], c(3000)); // row N + 1 is filled too
}

TEST(GraphHandOver, ASingleResultIsDrawnAsTwoPoints)
{
    AppState s = yearTableState(7, 1);
    loadGraphTables(s);
    const auto series = graphSeries(s, GraphView::YearBars);
    ASSERT_EQ(series.values.size(), 2u);
    EXPECT_EQ(series.values[0], 1000);
    EXPECT_EQ(series.labels[1], "2"); // whatever row 2 holds
    AppState r = yearTableState(3, 1);
    loadGraphTables(r);
    EXPECT_EQ(graphSeries(r, GraphView::YearBars).values, (std::vector<double>{50000, 1000}));
}

TEST(GraphHandOver, TheMortgageGraphDrawsTheBalanceAtTheStartOfEachYear)
{
    for (const ScheduleView view : {ScheduleView::Annual, ScheduleView::All}) {
        AppState s = mortgageState(defaultMortgage(view));
        loadGraphTables(s);
        EXPECT_EQ(s.ResultsReady, 25) << toolModeOf(view);
        const auto series = graphSeries(s, firstView(s));
        ASSERT_EQ(series.values.size(), 25u);
        EXPECT_EQ(series.values[0], 100000);
        EXPECT_EQ(series.labels[0], "1");
        EXPECT_EQ(series.labels[24], "25");
        // Point 2: the balance after payment 12.
        const AmortizationResult& r = s.Mortgage.Results->result;
        EXPECT_EQ(series.values[1], view == ScheduleView::All ? r.schedule[12].c[4].toDouble()
                                                               : r.annual[1].c[4].toDouble());
        EXPECT_NEAR(series.values[1], 99072.41, 0.005);
        EXPECT_EQ(series.title, "Mortgage balance at start of each Year");
    }
}

TEST(GraphHandOver, AMortgagePaidOffEarlyTakesThePaymentThatLeftOneOrLess)
{
    AmortizationInput in = defaultMortgage(ScheduleView::All);
    in.frequency = Frequency::BiweeklyAcc; // accelerated: paid off in year 19
    AppState s = mortgageState(in);
    const AmortizationResult& r = s.Mortgage.Results->result;
    loadGraphTables(s);
    EXPECT_EQ(s.ResultsReady, 19);
    EXPECT_EQ(s.GraphData[20][5], Currency()); // the end of year 19: paid off
    EXPECT_EQ(s.GraphData[19][5], r.schedule[18 * 26].c[4]);
}

TEST(GraphHandOver, ComparisonsAndTheirViews)
{
    AppState s;
    s.GraphKind = 6;
    s.ResultsReady = 2;
    s.GraphTitle = "Annual compound growth comparisons";
    s.GraphLabels = {{"", ""}, {"House", ""}, {"Fund", ""}};
    s.GraphData.assign(3, {});
    s.GraphData[1][5] = c(4.5);
    s.GraphData[2][5] = c(-1.25);
    EXPECT_EQ(firstView(s), GraphView::Comparison);
    auto series = graphSeries(s, GraphView::Comparison);
    EXPECT_EQ(series.labels, (std::vector<std::string>{"House", "Fund"}));
    EXPECT_EQ(series.values, (std::vector<double>{4.5, -1.25}));
    EXPECT_EQ(series.axisTitle, "Gain %");
    EXPECT_EQ(view3D(s), GraphView::Comparison3D);
    EXPECT_EQ(view2D(s), GraphView::Comparison);
    EXPECT_EQ(graphSeries(s, GraphView::Comparison3D).type, ChartType::Bar3D);

    s.GraphKind = 1;
    s.ToolMode = 2; // savings comparisons
    EXPECT_EQ(firstView(s), GraphView::Comparison);
    EXPECT_EQ(graphSeries(s, GraphView::Comparison).axisTitle, "$Value ");
    s.ToolMode = 1; // savings: year bars from column 5 as left
    s.YearTable.assign(4, {});
    s.YearTable[1][1] = Currency::fromInt(1);
    s.YearTable[1][5] = c(10);
    EXPECT_EQ(firstView(s), GraphView::YearBars);
    EXPECT_EQ(view3D(s), GraphView::YearBars3D);
    EXPECT_EQ(graphSeries(s, GraphView::YearBars).values.front(), 10);
    s.GraphKind = 9;
    EXPECT_EQ(firstView(s), GraphView::YearBars);
}

TEST(GraphHandOver, FundsAsGainBarsAndAPieOfWholeUnits)
{
    AppState s;
    s.GraphKind = 0;
    s.CurrencySymbol = "$";
    s.Funds.FundCount = 2;
    s.Funds.FundList[1].name = "Growth Fund";
    s.Funds.FundList[2].name = "Bond Fund";
    s.Funds.FundValueTable[1][3] = c(12345.67);
    s.Funds.FundValueTable[1][5] = c(12.5);
    s.Funds.FundValueTable[2][3] = c(999.99);
    s.Funds.FundValueTable[2][5] = c(-3.25);
    EXPECT_EQ(firstView(s), GraphView::FundGainLoss);
    const auto bars = graphSeries(s, GraphView::FundGainLoss);
    EXPECT_EQ(bars.title, "Current Value ");
    EXPECT_EQ(bars.axisTitle, "Gain %");
    EXPECT_EQ(bars.values, (std::vector<double>{12.5, -3.25}));
    const auto pie = graphSeries(s, GraphView::FundPie);
    EXPECT_EQ(pie.title, "Distribution");
    EXPECT_EQ(pie.axisTitle, "$Value ");
    EXPECT_EQ(pie.type, ChartType::Pie3D);
    EXPECT_EQ(pie.values, (std::vector<double>{12345, 999}));
    EXPECT_EQ(view3D(s), GraphView::Fund3D);
    EXPECT_EQ(graphSeries(s, GraphView::Fund3D, GraphView::FundPie).title, "Distribution");
    EXPECT_EQ(graphSeries(s, GraphView::Fund3D, GraphView::FundPie).type, ChartType::Bar3D);
    EXPECT_EQ(graphSeries(s, GraphView::Fund3D, GraphView::FundGainLoss).values, bars.values);
}

TEST(GraphHandOver, NothingCalculatedDrawsNothing)
{
    AppState s = yearTableState(7, 0);
    loadGraphTables(s);
    EXPECT_TRUE(graphSeries(s, GraphView::YearBars).values.empty());
    AppState empty;
    empty.GraphKind = 6;
    EXPECT_TRUE(graphSeries(empty, GraphView::Comparison).values.empty());
}
