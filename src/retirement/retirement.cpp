#include "retirement/retirement.h"

#include "app/app_state.h"
#include "app/calc_error.h"

#include <algorithm>
#include <cmath>

namespace fiscalia {

Currency centRule(double amount)
{
    return Currency::fromDouble((std::floor(100.0 * amount) + 0.05) / 100.0);
}

namespace {

// A currency accumulator: every addition is rounded to 0.0001, so the totals
// equal the sums of their columns.
void accumulate(Currency& total, double amount)
{
    total = Currency::fromDouble(total.toDouble() + amount);
}

RetirementResult percentageOption(const RetirementInput& in, float r)
{
    RetirementResult res;
    res.years = toInt16(in.term.toDouble());
    if (res.years > RetirementYearLimit) {
        res.message = 4; // "Wrong entry, 50 Years limit."
        return res;
    }
    if (res.years < 0)
        throw CalcError("negative term");
    const double p = in.drawn.toDouble() / 100.0;
    const double rate = static_cast<double>(r);
    res.table.assign(static_cast<std::size_t>(res.years) + 2, {});
    Currency value = in.capital;
    for (int y = 1; y <= res.years; ++y) {
        const double v = value.toDouble();
        const Currency withdrawn = centRule(p * v);
        if (withdrawn > value) {
            res.message = 7; // "Cannot withdraw Annually more than you have in Savings."
            return res;
        }
        const Currency next = centRule(v + (rate - p) * v);
        const double interest = v * rate;
        res.table[static_cast<std::size_t>(y)] = {Currency(), Currency::fromInt(y), Currency::fromDouble(interest),
                                                  withdrawn, next, Currency()};
        accumulate(res.interestTotal, interest);
        res.withdrawnTotal += withdrawn;
        value = next;
    }
    res.finalValue = res.years > 0 ? value : Currency();
    return res;
}

RetirementResult fixedAmountOption(const RetirementInput& in, float r)
{
    RetirementResult res;
    double monthly = in.drawn.toDouble();
    double yearly = 12.0 * monthly;
    const double raise = Currency::fromDouble(in.term.toDouble() / 100.0).toDouble();
    const float m = static_cast<float>(std::pow(1.0 + static_cast<double>(r), 1.0 / 12.0) - 1.0);
    if (!std::isfinite(m))
        throw CalcError("rate out of range");
    Currency value = in.capital;
    if (yearly > value.toDouble()) {
        res.message = 7; // "Cannot withdraw Annually more than you have in Savings."
        return res;
    }
    res.table.assign(RetirementYearLimit + 3, {});
    // One month: the value earns its interest and the amount is taken out.
    double working = 0;
    Currency yearInterest;
    auto month = [&] {
        const double i = value.toDouble() * static_cast<double>(m);
        working = (value + Currency::fromDouble(i)).toDouble() - monthly;
        accumulate(yearInterest, i);
        accumulate(res.interestTotal, i);
        value = Currency::fromDouble(working);
    };
    for (int y = 1;; ++y) {
        yearInterest = Currency();
        for (int k = 0; k < 12; ++k)
            month();
        res.table[static_cast<std::size_t>(y)] = {Currency(), Currency::fromInt(y), yearInterest,
                                                  Currency::fromDouble(yearly), value, Currency()};
        // The test value: the year-end value and the yearly raise of the
        // monthly amount, before the raise.
        const double test = value.toDouble() + raise * monthly;
        const double withdrawnThisYear = yearly;
        monthly += monthly * raise;
        yearly += yearly * raise;
        accumulate(res.withdrawnTotal, withdrawnThisYear);
        if (y == RetirementYearLimit) {
            res.years = RetirementYearLimit;
            res.finalValue = Currency::fromDouble(test);
            break;
        }
        if (test > yearly)
            continue;
        // The last year: the months the test value still pays, the rest of
        // the money withdrawn with their interest.
        const double months = std::floor(test / monthly);
        if (!std::isfinite(months) || months > 12)
            throw CalcError("final year out of range");
        yearInterest = Currency();
        working = 0;
        for (int k = 0; k < static_cast<int>(months); ++k)
            month();
        const Currency finalWithdrawal = Currency::fromDouble(test + yearInterest.toDouble());
        res.finalValue = months > 0 ? Currency::fromDouble(working - value.toDouble())
                                    : Currency::fromDouble(test - value.toDouble());
        res.table[static_cast<std::size_t>(y + 1)] = {Currency(), Currency::fromInt(y + 1), yearInterest,
                                                      finalWithdrawal, res.finalValue, Currency()};
        res.withdrawnTotal += finalWithdrawal;
        res.years = y + 1;
        break;
    }
    res.table.resize(static_cast<std::size_t>(res.years) + 2);
    return res;
}

} // namespace

RetirementResult calculateRetirement(const RetirementInput& in)
{
    const float r = static_cast<float>(in.rate.toDouble() / 100.0);
    RetirementResult res = in.option == Withdrawal::Percentage ? percentageOption(in, r) : fixedAmountOption(in, r);
    if (res.message != 0)
        return res;
    res.table[static_cast<std::size_t>(res.years) + 1] = {
        Currency(), Currency::fromInt(res.years), res.interestTotal, res.withdrawnTotal, res.finalValue, Currency()};
    return res;
}

YearGrid yearGrid(const YearTableRows& table, int years, const std::string& currencySymbol,
                  const NumberSymbols& symbols)
{
    constexpr int Cols = 4;
    YearGrid grid;
    grid.rows = std::max(25, years + 4);
    grid.cells.assign(static_cast<std::size_t>(grid.rows - 1) * Cols, std::string());
    auto cell = [&](int row, int col) -> std::string& {
        return grid.cells[static_cast<std::size_t>((row - 1) * Cols + col)];
    };
    for (int y = 1; y <= years; ++y) {
        const auto& row = table[static_cast<std::size_t>(y)];
        cell(y, 0) = std::to_string(y);
        for (int c = 1; c <= 3; ++c)
            cell(y, c) = formatNumber(row[static_cast<std::size_t>(c + 1)], "####,,###.00", symbols);
    }
    const auto& totals = table[static_cast<std::size_t>(years) + 1];
    cell(years + 2, 0) = "Total:";
    for (int c = 1; c <= 3; ++c)
        cell(years + 2, c) = currencySymbol + formatNumber(totals[static_cast<std::size_t>(c + 1)], "####,,##0.00", symbols);
    return grid;
}

std::string retirementQuickHelp(Withdrawal option, const std::string& symbol)
{
    const std::string nl = "\r\n";
    std::string text;
    if (option == Withdrawal::Percentage) {
        text = " Using Percentage Option. Click green box to change, start typing in numbers, deletes previous ones. "
               "For results click Calculate.  Press F1 key for detailed information."
               + nl + nl + "   " + symbol + "100,000.00" + "         20%" + "        15%" + "          25" + nl + nl
               + "Shows " + symbol
               + "100,000.00 lump sum invested on retirement at 20% Interest/Growth rate compounded annually for 25 "
                 "years, after withdrawing 15% each year."
               + nl + nl + "Notice that both the Annual Income and the Current Value each increase by 5% annually." + nl
               + nl
               + "Annual Income Withdrawn is defined as being made up of Annual Interest/Growth and the sale of some "
                 "investments if neccessary to give the Income you require."
               + nl + nl;
    } else {
        text = " Using Fixed Amount Option. Click green box to change, start typing in numbers, deletes previous ones. "
               "For results click Calculate.  Press F1 key for detailed information."
               + nl + nl + "   " + symbol + " 100,000.00" + "        10%" + "   " + symbol + "1,000.00" + "          0%"
               + nl + nl
               + "Shows taking out a fixed amount monthly. If you are taking out more cash annually than is being "
                 "generated by the Interest/Growth rate, shows number of years before Capital is gone."
               + nl + nl
               + "Increase Annual Amount Withdrawn by % = 2.5%, compensates for inflation each year by increasing the "
                 "withdrawal amount by 2.5%."
               + nl + nl + "If the Annual Income is less than the Interest/Growth rate then the calculation ends at 50 years."
               + nl + nl
               + "Table shows annual totals based on monthly calculation of Annual Income, Interest/Growth and Current "
                 "Value."
               + nl + nl
               + "Annual Amount of Cash Withdrawn is defined as being made up of Annual Interest/Growth and the sale of "
                 "some of your investments if neccessary to give the Income you require."
               + nl + nl + "See 'How to use the Program' for more complex retirement planning." + nl + nl;
    }
    return text + std::string(70, ' ') + "End";
}

void setUpWithdrawal(AppState& st, Withdrawal option)
{
    if (st.InputValues.size() < 6)
        st.InputValues.resize(6);
    st.ToolMode = static_cast<int>(option);
    if (option == Withdrawal::FixedAmount) {
        st.InputValues[1] = Currency::fromInt(100000);
        st.InputValues[3] = Currency::fromInt(1000);
        st.InputValues[4] = Currency();
    } else {
        st.InputValues[3] = Currency::fromInt(8);
        st.InputValues[4] = Currency::fromInt(20);
    }
}

RetirementInput retirementInput(const AppState& st)
{
    auto slot = [&](std::size_t i) { return i < st.InputValues.size() ? st.InputValues[i] : Currency(); };
    return {st.ToolMode == static_cast<int>(Withdrawal::FixedAmount) ? Withdrawal::FixedAmount : Withdrawal::Percentage,
            slot(1), slot(2), slot(3), slot(4)};
}

void loadRetirementDefaults(AppState& st)
{
    st.YearTable.assign(RetirementTableRows, {});
    st.InputValues.assign(6, Currency());
    st.InputValues[1] = Currency::fromInt(500000);
    st.InputValues[2] = Currency::fromInt(10);
    st.ReportLines = {};
    st.Retirement = RetirementState{};
    st.ResultsReady = 0;
    st.EditFlag = 0;
}

void keepRetirementResults(AppState& st, const RetirementInput& in, RetirementResult result)
{
    if (st.YearTable.size() < result.table.size())
        st.YearTable.resize(result.table.size());
    std::copy(result.table.begin(), result.table.end(), st.YearTable.begin());
    st.ResultsReady = result.years;
    const bool fixed = in.option == Withdrawal::FixedAmount;
    st.GraphKind = fixed ? 3 : 2;
    st.GraphTitle = fixed ? "Retirement value at start of each Year" : "Retirement value at end of each Year";
    st.Retirement.YearsText = std::string(" ").append(std::to_string(result.years));
    st.Retirement.Results = RetirementRun{in, std::move(result)};
}

void releaseRetirementResults(AppState& st)
{
    st.YearTable.clear();
    st.InputValues.clear();
    st.ReportLines = {};
    st.Retirement = RetirementState{};
}

} // namespace fiscalia
