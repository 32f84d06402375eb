#include "retirement/capital_required.h"

#include "app/app_state.h"
#include "app/calc_error.h"

#include <cmath>

namespace fiscalia {

namespace {

double checked(double value)
{
    if (!std::isfinite(value))
        throw CalcError("out of range");
    return value;
}

} // namespace

CapitalResult calculateCapitalRequired(const CapitalInput& in)
{
    CapitalResult res;
    res.years = toInt16(in.years.toDouble());
    if (res.years > RetirementYearLimit) {
        res.message = 4; // "Wrong entry, 50 Years limit."
        return res;
    }
    if (res.years < 0)
        throw CalcError("negative term");
    const double R = in.rate.toDouble();
    double C = in.amount.toDouble();
    if (in.goal == CapitalGoal::Income) {
        if (R == 0)
            throw CalcError("no income without a rate");
        C = C * (100.0 / R); // the capital whose yearly interest is the income
    }
    res.capital = C;
    const int n = 1; // one payment a year
    const double i = R / (100.0 * n);
    const int N = n * res.years;
    if (i == 0 || N == 0)
        throw CalcError("nothing to save towards");
    const double P = checked(C / ((1.0 + i) * (std::pow(1.0 + i, N) - 1.0) / i));
    res.payment = P;

    // Each year P is paid in at the start and the value earns the year's
    // interest G; the table shows the interest rounded to the cent.
    double V = 0;
    double G = i * P;
    double D = i * P;
    double invested = 0;
    double growth = 0;
    res.table.assign(static_cast<std::size_t>(N) + 2, {});
    for (int y = 1; y <= N; ++y) {
        V = checked(V + P + G);
        invested += P;
        growth += G;
        res.table[static_cast<std::size_t>(y)] = {Currency(), Currency::fromInt(y), Currency::fromDouble(P),
                                                  Currency::fromDouble(D), Currency::fromDouble(V), Currency()};
        G = i * (P + V);
        D = std::floor(100.0 * i * (P + V) + 0.5) / 100.0;
    }
    res.invested = Currency::fromDouble(invested);
    res.growth = Currency::fromDouble(growth);
    res.finalValue = Currency::fromDouble(V);
    res.table[static_cast<std::size_t>(N) + 1] = {Currency(),   Currency::fromInt(N + 1), res.invested,
                                                  res.growth,   res.finalValue,           Currency()};
    return res;
}

std::string capitalQuickHelp(CapitalGoal goal, const std::string& symbol)
{
    const std::string nl = "\r\n";
    if (goal == CapitalGoal::Income)
        return "Annual Income Required Option" + nl + nl + "   " + symbol + "40,000.00" + "       20%" + "        25" + nl
               + nl
               + "Example. Will show how much annual savings are required for 25 years when compounded annually at 20% "
                 "to build your capital to give an annual income of $40,000.00.";
    return "Amount of Capital Required Option" + nl + nl + "   " + symbol + "100,000.00" + "        20%" + "         25"
           + nl + nl
           + "Example. Will show how much annual savings are required for 25 years when compounded annually at 20% "
             "interest/growth rate to build your capital to "
           + symbol + "100,000.00.";
}

CapitalInput capitalInput(const AppState& st)
{
    auto slot = [&](std::size_t i) { return i < st.InputValues.size() ? st.InputValues[i] : Currency(); };
    return {st.ToolMode == static_cast<int>(CapitalGoal::Income) ? CapitalGoal::Income : CapitalGoal::Capital, slot(1),
            slot(2), slot(3)};
}

void loadCapitalDefaults(AppState& st)
{
    st.YearTable.assign(102, {});
    st.InputValues.assign(4, Currency());
    st.Capital = CapitalState{};
    st.ResultsReady = 0;
    st.EditFlag = 0;
}

void setUpCapitalGoal(AppState& st, CapitalGoal goal)
{
    if (st.InputValues.size() < 4)
        st.InputValues.resize(4);
    st.ToolMode = static_cast<int>(goal);
    st.InputValues[1] = Currency::fromInt(goal == CapitalGoal::Income ? 40000 : 100000);
    st.InputValues[2] = Currency::fromInt(15);
    st.InputValues[3] = Currency::fromInt(25);
}

void keepCapitalResults(AppState& st, const CapitalInput& in, CapitalResult result)
{
    if (st.YearTable.size() < result.table.size())
        st.YearTable.resize(result.table.size());
    std::copy(result.table.begin(), result.table.end(), st.YearTable.begin());
    st.ResultsReady = result.years;
    st.GraphTitle = "Investment value at end of each Year";
    st.Capital.Results = CapitalRun{in, std::move(result)};
}

void releaseCapitalResults(AppState& st)
{
    st.YearTable.clear();
    st.InputValues.clear();
    st.Capital = CapitalState{};
}

} // namespace fiscalia
