#include "growth/plan401k.h"

#include "app/app_state.h"
#include "app/calc_error.h"

#include <algorithm>

namespace fiscalia {

Plan401KResult calculate401K(const Plan401KInput& in)
{
    Plan401KResult res;
    res.years = toInt16(in.years.toDouble());
    if (res.years > Plan401KYearLimit) {
        res.message = 4; // "Wrong entry, 50 Years limit."
        return res;
    }
    if (res.years < 0)
        throw CalcError("negative term");
    const double own = in.ownRate.toDouble() / 100.0;
    const double company = in.companyRate.toDouble() / 100.0;
    const double raise = in.raise.toDouble() / 100.0;
    res.returnRate = static_cast<float>(in.returnRate.toDouble() / 100.0);
    const double inflation = in.inflation.toDouble() / 100.0;
    auto interestOf = [rate = static_cast<double>(res.returnRate)](double base) { return Currency::fromDouble(base * rate); };

    const int Y = res.years;
    res.totalsRow = Y >= 2 ? Y + 1 : 2;
    res.table.assign(static_cast<std::size_t>(res.totalsRow) + 1, {});
    res.table[0][4] = in.balance;

    // Year 1: the first contribution, unrounded, joins the opening balance.
    double salary = in.salary.toDouble();
    const double first = salary * (own + company);
    double base = first + in.balance.toDouble();
    Currency interest = interestOf(base);
    double value = base + interest.toDouble();
    value -= value * inflation;
    double invested = in.balance.toDouble() + first;
    Currency contribution = Currency::fromDouble(first);
    res.table[1] = {Currency::fromDouble(salary), Currency::fromInt(1), contribution, interest,
                    Currency::fromDouble(value), Currency()};

    // Later years: salary and contribution rise by the raise.
    for (int k = 2; k <= Y; ++k) {
        salary += salary * raise;
        contribution = Currency::fromDouble(contribution.toDouble() + contribution.toDouble() * raise);
        base = contribution.toDouble() + value;
        interest = interestOf(base);
        value = base + interest.toDouble();
        value -= value * inflation;
        invested += contribution.toDouble();
        res.table[static_cast<std::size_t>(k)] = {Currency::fromDouble(salary), Currency::fromInt(k), contribution,
                                                  interest, Currency::fromDouble(value), Currency()};
    }

    res.invested = Currency::fromDouble(invested);
    res.finalValue = Currency::fromDouble(value);
    res.growth = res.finalValue - res.invested;
    res.table[static_cast<std::size_t>(res.totalsRow)] = {
        Currency(), Currency::fromInt(std::max(Y, 1)), res.invested, res.growth, res.finalValue, Currency()};
    return res;
}

Plan401KGrid plan401KGrid(const Plan401KResult& res, const std::string& currencySymbol, const NumberSymbols& symbols)
{
    constexpr int Cols = 5;
    Plan401KGrid grid;
    const bool opening = res.table[0][4] > Currency::fromInt(1);
    const int years = std::max(res.years, 1);
    const int first = opening ? 2 : 1;
    const int totalRow = first + years + 1; // one empty row after the last year
    grid.rows = std::max({25, res.years + 5, totalRow + 1});
    grid.cells.assign(static_cast<std::size_t>(grid.rows - 1) * Cols, std::string());
    auto cell = [&](int row, int col) -> std::string& {
        return grid.cells[static_cast<std::size_t>((row - 1) * Cols + col)];
    };
    auto money = [&](const Currency& v) { return formatNumber(v, "####,,###.00", symbols); };
    if (opening)
        cell(1, 4) = money(res.table[0][4]);
    for (int k = 1; k <= years; ++k) {
        const auto& row = res.table[static_cast<std::size_t>(k)];
        const int r = first + k - 1;
        cell(r, 0) = std::to_string(k);
        cell(r, 1) = money(row[0]);
        cell(r, 2) = money(row[2]);
        cell(r, 3) = money(row[3]);
        cell(r, 4) = money(row[4]);
    }
    auto total = [&](const Currency& v) { return currencySymbol + formatNumber(v, "####,,##0.00", symbols); };
    cell(totalRow, 0) = "Total:";
    cell(totalRow, 2) = total(res.invested);
    cell(totalRow, 3) = total(res.growth);
    cell(totalRow, 4) = total(res.finalValue);
    return grid;
}

std::string plan401KQuickHelp()
{
    const std::string nl = "\r\n";
    auto breaks = [&](int count) {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += nl;
        return text;
    };
    return " For results click Calculate. Click any green box and type in your figures." + breaks(2)
           + " If you have already have a plan, type the current balance. If none type 0." + breaks(3)
           + " Type in your current annual salary." + breaks(4) + " Type in your annual contribution rate."
           + breaks(4) + " Your company contribution rate. If none type 0." + breaks(4)
           + " Type in the estimated percentage of annual salary increase." + breaks(4)
           + " Type in the estimated annual income/growth rate of your plan." + breaks(3)
           + " Leave at 0 unless you want to see the purchasing power in today's dollars." + nl
           + " Type in inflation rate. Current Value each year will be reduced at this rate." + breaks(3)
           + " Type in the estimated number of years to retirement." + breaks(4) + std::string(50, ' ') + "End";
}

Plan401KInput plan401KInput(const AppState& st)
{
    auto slot = [&](std::size_t i) { return i < st.InputValues.size() ? st.InputValues[i] : Currency(); };
    return {slot(1), slot(2), slot(3), slot(4), slot(5), slot(6), slot(7), slot(8)};
}

void load401KDefaults(AppState& st)
{
    st.InputValues.assign(9, Currency());
    st.InputValues[1] = Currency::fromInt(10000);
    st.InputValues[2] = Currency::fromInt(50000);
    st.InputValues[3] = Currency::fromInt(5);
    st.InputValues[4] = Currency::fromInt(4);
    st.InputValues[5] = Currency::fromInt(4);
    st.InputValues[6] = Currency::fromInt(10);
    st.InputValues[8] = Currency::fromInt(25);
    st.YearTable.assign(Plan401KTableRows, {});
    st.ReportLines = {};
    st.Plan401K = Plan401KState{};
    st.ResultsReady = 0;
    st.EditFlag = 0;
}

void keep401KResults(AppState& st, const Plan401KInput& in, Plan401KResult result)
{
    if (st.YearTable.size() < result.table.size())
        st.YearTable.resize(result.table.size());
    std::copy(result.table.begin(), result.table.end(), st.YearTable.begin());
    st.ResultsReady = result.years;
    st.GraphTitle = "Investment value at end of each Year";
    st.Plan401K.Results = Plan401KRun{in, std::move(result)};
}

void release401KResults(AppState& st)
{
    st.ReportLines = {};
    st.InputValues.clear();
    st.YearTable.clear();
    st.Plan401K.Results.reset();
}

} // namespace fiscalia
