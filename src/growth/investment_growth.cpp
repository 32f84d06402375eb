#include "growth/investment_growth.h"

#include "app/app_state.h"
#include "app/calc_error.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace fiscalia {

std::optional<Contribution> contributionFromText(std::string_view text)
{
    for (const Contribution c : Contributions)
        if (text == listText(c))
            return c;
    return std::nullopt;
}

namespace {

// The periodic rate equivalent to an annual percentage over n periods:
// (1 + annual / 100)^(1/n) - 1, taken to the nominal annual percentage
// (x n x 100) and back, in double precision.
double periodicRate(const Currency& annualPercent, int n)
{
    const double rate = std::pow(1.0 + annualPercent.toDouble() / 100.0, 1.0 / n) - 1.0;
    const double nominal = rate * n * 100.0;
    const double back = nominal / 100.0 / n;
    if (!std::isfinite(back))
        throw CalcError("rate out of range");
    return back;
}

std::string money(const Currency& value, const char* pattern, const NumberSymbols& symbols)
{
    return formatNumber(value, pattern, symbols);
}

} // namespace

SavingsResult calculateSavings(const SavingsInput& in)
{
    const int n = periodsPerYear(in.frequency);
    SavingsResult res;
    res.years = toInt16(in.term.toDouble());
    res.periods = toInt16(static_cast<double>(res.years) * n);
    const int N = res.periods;
    if (N < 0 || N + 1 >= SavingsTableRows)
        throw CalcError("term beyond the table");

    // All interest uses the periodic rate held in single precision; the
    // increase and inflation rates stay in double precision.
    res.periodicRate = static_cast<float>(periodicRate(in.rate, n));
    const double rate = static_cast<double>(res.periodicRate);
    const double increase = periodicRate(in.increase, n);
    const double inflation = periodicRate(in.inflation, n);
    auto interestOf = [rate](double balance) { return Currency::fromDouble(balance * rate); };

    res.totalsRow = N >= 2 ? N + 1 : 2;
    res.table.assign(static_cast<std::size_t>(res.totalsRow) + 1, {});

    // Period 1: the lump sum and the first contribution, invested at its
    // start. The running value is carried unrounded; what is stored is
    // rounded to currency.
    Currency contribution = in.contribution;
    Currency invested = in.lumpSum + contribution;
    Currency interest = interestOf(invested.toDouble());
    double value = invested.toDouble() + interest.toDouble();
    value -= value * inflation;
    res.table[1] = {Currency(), Currency::fromInt(1), invested, interest, Currency::fromDouble(value), Currency()};

    // Each later period: the contribution grows by the periodic increase
    // rate, is added to the value, earns interest, and the value loses the
    // periodic inflation.
    for (int k = 2; k <= N; ++k) {
        contribution = Currency::fromDouble(contribution.toDouble() + contribution.toDouble() * increase);
        const double base = contribution.toDouble() + value;
        interest = interestOf(base);
        value = base + interest.toDouble();
        value -= value * inflation;
        invested += contribution;
        res.table[static_cast<std::size_t>(k)] = {Currency(),   Currency::fromInt(k),        contribution,
                                                  interest,     Currency::fromDouble(value), Currency()};
    }

    // Totals: the growth is the final value less what was invested.
    res.invested = invested;
    res.finalValue = Currency::fromDouble(value);
    res.growth = res.finalValue - invested;
    res.table[static_cast<std::size_t>(res.totalsRow)] = {
        Currency(), Currency::fromInt(std::max(N, 1)), res.invested, res.growth, res.finalValue, Currency()};

    // The value at the end of each year, for the graph.
    int year = 0;
    for (int k = 1; k <= N; ++k) {
        if (k % n != 0)
            continue;
        ++year;
        auto& row = res.table[static_cast<std::size_t>(year)];
        row[5] = res.table[static_cast<std::size_t>(k)][4];
        row[1] = Currency::fromInt(year);
    }
    return res;
}

std::string comparisonLabel(int row)
{
    return std::string("Row ") + (row < 0 ? "-" : " ") + std::to_string(std::abs(row));
}

std::string comparisonReportLine(const SavingsInput& in, const SavingsResult& result, const NumberSymbols& symbols)
{
    const auto& totals = result.table.at(static_cast<std::size_t>(result.totalsRow));
    auto rate = [&](const Currency& percent) { return RightJustify(money(percent, "##.00", symbols), 7) + "%"; };
    return RightJustify(money(totals[1], "##", symbols), 3) + RightJustify(money(in.lumpSum, "###,,###.00", symbols), 12)
           + RightJustify(money(in.contribution, "###,,###.00", symbols), 12) + rate(in.rate) + rate(in.increase)
           + rate(in.inflation) + RightJustify(money(totals[2], "####,,##0.00", symbols), 13)
           + RightJustify(money(totals[4], "####,,##0.00", symbols), 14) + "\r\n " + std::string(77, '_')
           + "\r\n\r\n";
}

SavingsGridRows planningGrid(const SavingsResult& result, Contribution frequency, const std::string& currencySymbol,
                             const NumberSymbols& symbols)
{
    constexpr int Cols = 4;
    SavingsGridRows grid;
    switch (frequency) {
    case Contribution::Annually:
        grid.column0Heading = " Year  Number";
        grid.rows = std::max(25, result.years + 4);
        break;
    case Contribution::Quarterly:
        grid.column0Heading = "Quarter Number";
        grid.rows = 4 * result.years + 4;
        break;
    case Contribution::Monthly:
        grid.column0Heading = " Month Number";
        grid.rows = 12 * result.years + 4;
        break;
    }
    grid.column1Heading = std::string("          Invested         ") + listText(frequency);
    grid.rows = std::max(grid.rows, result.totalsRow + 1);
    grid.cells.assign(static_cast<std::size_t>(grid.rows - 1) * Cols, std::string());
    auto cell = [&](int row, int col) -> std::string& {
        return grid.cells[static_cast<std::size_t>((row - 1) * Cols + col)];
    };
    const int shownPeriods = std::max(result.periods, 1);
    for (int k = 1; k <= shownPeriods; ++k) {
        const auto& row = result.table[static_cast<std::size_t>(k)];
        cell(k, 0) = std::to_string(k);
        for (int c = 1; c <= 3; ++c)
            cell(k, c) = money(row[static_cast<std::size_t>(c + 1)], "####,,###.00", symbols);
    }
    cell(result.totalsRow, 0) = "Total:";
    cell(result.totalsRow, 1) = currencySymbol + money(result.invested, "####,,##0.00", symbols);
    cell(result.totalsRow, 2) = currencySymbol + money(result.growth, "####,,##0.00", symbols);
    cell(result.totalsRow, 3) = currencySymbol + money(result.finalValue, "####,,##0.00", symbols);
    return grid;
}

std::vector<std::string> comparisonCells(const SavingsInput& in, const SavingsResult& result,
                                         const NumberSymbols& symbols)
{
    const auto& totals = result.table.at(static_cast<std::size_t>(result.totalsRow));
    auto rate = [&](const Currency& percent) { return money(percent, "##.00", symbols) + "%"; };
    return {money(totals[1], "###", symbols),
            money(in.lumpSum, "###,,###.00", symbols),
            money(in.contribution, "###,,###.00", symbols),
            rate(in.rate),
            rate(in.increase),
            rate(in.inflation),
            money(totals[2], "#####,,##0.00", symbols),
            money(totals[4], "#####,,##0.00", symbols)};
}

SavingsInput savingsInput(const AppState& st)
{
    auto slot = [&](std::size_t i) { return i < st.InputValues.size() ? st.InputValues[i] : Currency(); };
    SavingsInput in;
    in.lumpSum = slot(1);
    in.contribution = slot(2);
    in.rate = slot(4);
    in.increase = slot(5);
    in.inflation = slot(6);
    in.term = slot(7);
    in.frequency = st.Savings.Frequency;
    return in;
}

void loadSavingsDefaults(AppState& st)
{
    st.InputValues.assign(9, Currency());
    st.InputValues[2] = Currency::fromInt(1200);
    st.InputValues[4] = Currency::fromInt(20);
    st.InputValues[7] = Currency::fromInt(25);
    st.YearTable.assign(SavingsTableRows, {});
    st.GraphData.assign(42, {});
    st.GraphLabels.assign(25, {});
    st.ReportLines = {};
    st.Savings = SavingsState{};
    st.ResultsReady = 0;
    st.EditFlag = 0;
}

void keepSavingsResults(AppState& st, const SavingsInput& in, SavingsResult result)
{
    SavingsState& sv = st.Savings;
    if (st.YearTable.size() < result.table.size())
        st.YearTable.resize(result.table.size());
    // Rows beyond the new totals row keep what they held; they are not read.
    std::copy(result.table.begin() + 1, result.table.end(), st.YearTable.begin() + 1);
    sv.TablePeriods = result.periods;
    if (st.ToolMode == ComparisonsMode) {
        const int c = ++sv.ComparisonCount;
        if (st.GraphData.size() <= static_cast<std::size_t>(c))
            st.GraphData.resize(static_cast<std::size_t>(c) + 1);
        if (st.GraphLabels.size() <= static_cast<std::size_t>(c))
            st.GraphLabels.resize(static_cast<std::size_t>(c) + 1);
        st.GraphData[static_cast<std::size_t>(c)][5] = result.finalValue;
        st.GraphLabels[static_cast<std::size_t>(c)][0] = comparisonLabel(c);
        st.ReportLines[c <= 15 ? 1 : 2] += comparisonReportLine(in, result, st.Symbols);
        st.ResultsReady = c;
        st.GraphTitle = "Savings Comparisons";
    } else {
        st.ResultsReady = result.periods / periodsPerYear(in.frequency);
        st.GraphTitle = "Investment value at end of each Year";
    }
    sv.Results = SavingsRun{in, std::move(result)};
}

void releaseSavingsResults(AppState& st)
{
    st.ReportLines = {};
    st.InputValues.clear();
    st.GraphData.clear();
    st.YearTable.clear();
    st.Savings.Results.reset();
}

std::string savingsQuickHelp(int toolMode, const std::string& symbol)
{
    const std::string nl = "\r\n";
    auto breaks = [&](int count) {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += nl;
        return text;
    };
    std::string text = "  Example 1                 Example 2                 Example 3                 Example 4     "
                       "            Example 5"
                       + breaks(3);
    const char* const values[] = {
        "             .00                   1,000.00                             .00                  30,000.00      "
        "          30,000.00",
        "    1,000.00                            .00                     1.000.00                             .00    "
        "                      .00",
        "     Annually                     Annually                      Annually                    Annually        "
        "         Annually",
        "            20%                           20%                             20%                            .00% "
        "                     .00%",
        "           .00%                          .00%                           5.00%                            .00% "
        "                    .00%",
        "           .00%                          .00%                            .00%                           5.00% "
        "                 -5.00%",
        "            25                              25                                 25                           "
        "     25                        25",
    };
    for (int i = 0; i < 7; ++i)
        text += std::string(values[i]) + breaks(i < 6 ? 4 : 2);
    const std::string paragraphs[] = {
        "Click green box to change, start typing in numbers, deletes previous ones. For results click Calculate.  "
        "Press F1 key for more detailed information.",
        "Example 1: Shows the future value of " + symbol
            + "1,000.00 invested each year for 25 years at a 20% Interest/Growth Rate compounded annually.",
        "Example 2: Shows the future value of a lump sum of " + symbol
            + "1,000.00 invested for 25 years at a 20% Interest/Growth Rate compounded annually.",
        "Example 3: Shows the future value of " + symbol
            + "1,000.00 invested the first year and increased by a 5% annual Rate in each year, for 25 years at 20% "
              "Interest/Growth Rate compounded annually.",
        "Example 4: Shows the future value of " + symbol
            + "30,000.00 at a 5% annnual inflation Rate for 25 years. What its purchasing power would be in the future.",
        "Example 5: Shows what the future value of " + symbol
            + "30,000.00 at 5% annual inflation Rate for 25 years would have to be worth to have the same purchasing "
              "power as today. Minus used only in this calculation.",
        "For Investments made on a more frequent basis than each year. click down arrow beside 'Frequency of each "
        "contribution period' for monthly or quarterly. Be sure to change the figures in 'Amount invested at each "
        "contribution period' also.",
        "Compounding takes place at the frequency chosen: Annually, once a year. Quarterly, 4 times a year. Monthly, "
        "12 times a year. All percentage rates used in monthly and quarterly calculations are adjusted for the annual "
        "percentage rate.",
    };
    for (const auto& paragraph : paragraphs)
        text += paragraph + breaks(2);
    if (toolMode == ComparisonsMode) {
        text += breaks(14);
    } else {
        text += "As the program is very flexible you can tailor it to meet any situation such as varying the amounts "
                "invested or interest/growth Rates each year."
                + breaks(2);
        text += "For more complex calculations use several steps. For instance if you plan on investing " + symbol
                + "1,000.00 each year for 5 years and then adding a lump sum of " + symbol
                + "10,000.00 the sixth year for a total period of 25 years." + breaks(2);
        text += "First find Total Current Value for 5 years, add this to the " + symbol
                + "10,000.00, enter this figure in ' Amount of Lump Sum Invested at Start' and calculate for the "
                  "remaining 20 years."
                + breaks(2);
        text += "Another situation may be investing varying amounts each year over 25 years. Enter as a lump sum each "
                "year and calculate for the remaining years (25, 24, ...1)."
                + breaks(3);
    }
    return text + breaks(8) + std::string(50, ' ') + "End";
}

} // namespace fiscalia
