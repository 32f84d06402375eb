#include "graphs/graph_data.h"

#include "app/app_state.h"

#include <algorithm>
#include <cmath>

namespace fiscalia {

namespace {

// Rows 0..n of a table, grown when a routine needs them.
template <typename Table> void ensureRows(Table& table, std::size_t rows)
{
    if (table.size() < rows)
        table.resize(rows);
}

// The label of a numeric label cell: the number as plain text.
std::string numberLabel(const Currency& value)
{
    return value.toPlainString();
}

int pointCount(const AppState& state, int available)
{
    const int n = state.ResultsReady == 1 ? 2 : state.ResultsReady;
    return std::clamp(n, 0, std::max(available, 0));
}

// The mortgage graph routine: one balance per year, the balance at the start
// of each year.
void mortgageGraph(AppState& state)
{
    for (auto& row : state.GraphData)
        row = {};
    if (!state.Mortgage.Results) {
        state.ResultsReady = 0;
        return;
    }
    const AmortizationInput& in = state.Mortgage.Results->input;
    const AmortizationResult& res = state.Mortgage.Results->result;
    const int years = static_cast<int>(std::nearbyint(static_cast<double>(res.yearsToPayoff) + 0.49));
    ensureRows(state.GraphData, static_cast<std::size_t>(std::max(years, 0) + 2));
    state.GraphData[1][1] = Currency::fromInt(1);
    state.GraphData[1][5] = in.principal;
    const int perYear = res.paymentsPerYear;
    for (int y = 1; y <= years; ++y) {
        Currency balance;
        if (in.view == ScheduleView::Annual) {
            if (static_cast<std::size_t>(y) < res.annual.size())
                balance = res.annual[static_cast<std::size_t>(y)].c[4];
        } else if (perYear > 0) {
            // The year's last payment, or an earlier one of that year that
            // leaves 1 or less.
            const int last = y * perYear;
            for (int p = (y - 1) * perYear + 1; p <= last; ++p) {
                if (static_cast<std::size_t>(p) >= res.schedule.size())
                    break;
                balance = res.schedule[static_cast<std::size_t>(p)].c[4];
                if (balance <= Currency::fromInt(1))
                    break;
            }
        }
        state.GraphData[static_cast<std::size_t>(y + 1)][1] = Currency::fromInt(y + 1);
        state.GraphData[static_cast<std::size_t>(y + 1)][5] = balance;
    }
    state.ResultsReady = std::max(years, 0);
}

} // namespace

void loadGraphTables(AppState& state)
{
    const int n = state.ResultsReady;
    switch (state.GraphKind) {
    case 2:
    case 5:
    case 7:
        // The value drawn is the year's end value (column 4).
        ensureRows(state.YearTable, static_cast<std::size_t>(std::max(n, 2) + 1));
        for (int y = 1; y <= n; ++y)
            state.YearTable[static_cast<std::size_t>(y)][5] = state.YearTable[static_cast<std::size_t>(y)][4];
        break;
    case 3:
        // The value at the start of each year: the starting capital, then
        // the end value of the year before.
        ensureRows(state.YearTable, static_cast<std::size_t>(std::max(n, 1) + 2));
        state.YearTable[1][5] = state.InputValues.size() > 1 ? state.InputValues[1] : Currency();
        for (int y = n; y >= 1; --y)
            state.YearTable[static_cast<std::size_t>(y + 1)][5] = state.YearTable[static_cast<std::size_t>(y)][4];
        break;
    case 4:
        mortgageGraph(state);
        break;
    default:
        break;
    }
}

bool isCalculatorView(GraphView view)
{
    return view == GraphView::YearBars || view == GraphView::YearBars3D || view == GraphView::Comparison
           || view == GraphView::Comparison3D;
}

namespace {
bool comparisonKind(const AppState& state)
{
    return state.GraphKind == 6 || (state.GraphKind == 1 && state.ToolMode == 2);
}
} // namespace

GraphView firstView(const AppState& state)
{
    switch (state.GraphKind) {
    case 0: return GraphView::FundGainLoss;
    case 1: return state.ToolMode == 1 ? GraphView::YearBars : GraphView::Comparison;
    case 6: return GraphView::Comparison;
    default: return GraphView::YearBars;
    }
}

GraphView view2D(const AppState& state)
{
    return comparisonKind(state) ? GraphView::Comparison : GraphView::YearBars;
}

GraphView view3D(const AppState& state)
{
    if (comparisonKind(state))
        return GraphView::Comparison3D;
    return state.GraphKind == 0 ? GraphView::Fund3D : GraphView::YearBars3D;
}

GraphSeries graphSeries(const AppState& state, GraphView view, GraphView previous)
{
    GraphSeries series;
    const std::string valueAxis = state.CurrencySymbol + "Value ";
    switch (view) {
    case GraphView::YearBars:
    case GraphView::YearBars3D: {
        series.title = state.GraphTitle;
        series.axisTitle = valueAxis;
        series.type = view == GraphView::YearBars ? ChartType::Bar2D : ChartType::Bar3D;
        const auto& table = state.GraphKind == 4 ? state.GraphData : state.YearTable;
        const int points = pointCount(state, static_cast<int>(table.size()) - 1);
        for (int p = 1; p <= points; ++p) {
            series.labels.push_back(numberLabel(table[static_cast<std::size_t>(p)][1]));
            series.values.push_back(table[static_cast<std::size_t>(p)][5].toDouble());
        }
        break;
    }
    case GraphView::Comparison:
    case GraphView::Comparison3D: {
        series.title = state.GraphTitle;
        series.axisTitle = state.ToolMode == 2 ? valueAxis : "Gain %";
        series.type = view == GraphView::Comparison ? ChartType::Bar2D : ChartType::Bar3D;
        const int points = pointCount(state, static_cast<int>(std::min(state.GraphData.size(), state.GraphLabels.size())) - 1);
        for (int p = 1; p <= points; ++p) {
            series.labels.push_back(state.GraphLabels[static_cast<std::size_t>(p)][0]);
            series.values.push_back(state.GraphData[static_cast<std::size_t>(p)][5].toDouble());
        }
        break;
    }
    case GraphView::FundGainLoss:
    case GraphView::FundPie:
    case GraphView::Fund3D: {
        const bool pie = view == GraphView::FundPie || (view == GraphView::Fund3D && previous == GraphView::FundPie);
        series.title = pie ? "Distribution" : "Current Value ";
        series.axisTitle = pie ? valueAxis : "Gain %";
        series.type = view == GraphView::Fund3D ? ChartType::Bar3D : pie ? ChartType::Pie3D : ChartType::Bar2D;
        const FundState& funds = state.Funds;
        const int count = funds.FundCount == 1 ? 2 : funds.FundCount;
        const int points = std::clamp(count, 0, 30);
        for (int f = 1; f <= points; ++f) {
            const auto& row = funds.FundValueTable[static_cast<std::size_t>(f)];
            series.labels.push_back(funds.FundList[static_cast<std::size_t>(f)].name);
            // The pie draws whole currency units.
            series.values.push_back(pie ? std::trunc(row[3].toDouble()) : row[5].toDouble());
        }
        break;
    }
    }
    return series;
}

} // namespace fiscalia
