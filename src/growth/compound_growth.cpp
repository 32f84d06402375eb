#include "growth/compound_growth.h"

#include "app/app_state.h"
#include "app/calc_error.h"

#include <cmath>

namespace fiscalia {

CompoundResult findCompoundGrowth(const CompoundInput& in)
{
    CompoundResult res;
    const double P = in.cost.toDouble();
    const double V = in.value.toDouble();
    const double T = in.term.toDouble();
    if (T >= CompoundYearLimit + 1) {
        res.message = 4; // "Wrong entry, 50 Years limit."
        return res;
    }
    if (P == 0 || V == 0 || T == 0) {
        res.message = 3; // "Wrong or missing entry, try again."
        return res;
    }
    res.rate = std::exp(std::log(V / P) / T) - 1.0;
    res.gain = (V - P) / P;
    if (!std::isfinite(res.rate) || !std::isfinite(res.gain))
        throw CalcError("growth out of range");
    return res;
}

std::vector<std::string> compoundCells(const CompoundInput& in, const CompoundResult& result,
                                       const std::string& currencySymbol, const NumberSymbols& symbols)
{
    return {in.name,
            formatNumber(in.term, "#,,###", symbols),
            currencySymbol + formatNumber(in.cost, "####,,###.00", symbols),
            currencySymbol + formatNumber(in.value, "####,,###.00", symbols),
            formatNumber(result.rate, "#,,###.000%", symbols),
            formatNumber(result.gain, "#,,###.00%", symbols)};
}

std::string compoundReportLine(const CompoundInput& in, const CompoundResult& result,
                               const std::string& currencySymbol, const NumberSymbols& symbols)
{
    std::string text;
    if (!in.name.empty())
        text += "\r\n " + in.name;
    text += "\r\n" + RightJustify(formatNumber(in.term, "###", symbols), 5) + std::string(6, ' ')
            + RightJustify(currencySymbol + formatNumber(in.cost, "####,,###.00", symbols), 14) + std::string(5, ' ')
            + RightJustify(currencySymbol + formatNumber(in.value, "####,,###.00", symbols), 14)
            + std::string(7, ' ') + RightJustify(formatNumber(result.rate, "#,,###.0000%", symbols), 12)
            + std::string(4, ' ') + RightJustify(formatNumber(result.gain, "#,,###.0000%", symbols), 12) + "\r\n";
    text += " " + std::string(78, '_') + " \r\n";
    return text;
}

std::string compoundQuickHelp(const std::string& sym)
{
    const std::string nl = "\r\n";
    return "Click any green box and type in numbers, deletes previous ones, then 'Calculate'." + nl + nl
           + " To compare different investments on an annual compound yield basis." + nl + nl
           + " Enter the Cost of your Investment, then the Present or Future Value and" + nl
           + " the term in years it has or will be held. Change any entry and Calculate again." + nl + nl
           + " Example 1. Amount invested in Mutual Fund = " + sym + "1,000.00, 5 years later with" + nl
           + " all dividends and capital gains reinvested it is worth " + sym + "2,000.00 for an annual" + nl
           + " compound growth rate of 14.8698%." + nl + nl + " Example 2. House bought for " + sym
           + "25,000.00, 20 years ago now worth 200,000" + nl + " for an annual compound growth rate of 10.9569%."
           + nl + nl + " Example 3. Stripped Bond with a redemption value of" + " " + sym + "1,000.00 in 6 years" + nl
           + " bought for " + sym + "500.00. Annual compound growth rate = 12.2462%." + nl + nl
           + " Example 4. Growth in earnings per share. Earnings: 1995 = " + sym + "2.38,  2000 = " + sym + "5.14"
           + nl + " Annual compound growth rate for the 5 years = 16.648%." + nl + nl + nl + std::string(50, ' ')
           + "End";
}

CompoundInput compoundInput(const AppState& st, std::string name)
{
    auto slot = [&](std::size_t i) { return i < st.InputValues.size() ? st.InputValues[i] : Currency(); };
    return {slot(1), slot(2), slot(3), std::move(name)};
}

void loadCompoundDefaults(AppState& st)
{
    st.InputValues.assign(4, Currency());
    st.InputValues[1] = Currency::fromInt(10000);
    st.InputValues[2] = Currency::fromInt(20000);
    st.InputValues[3] = Currency::fromInt(5);
    st.YearTable.assign(102, {});
    st.GraphData.assign(29, {});
    st.GraphLabels.assign(29, {});
    st.ReportLines = {};
    st.Compound = CompoundState{};
    st.ResultsReady = 0;
    st.EditFlag = 0;
}

bool compoundRowsFull(const AppState& st)
{
    return st.ResultsReady >= CompoundRowLimit;
}

int keepCompoundResult(AppState& st, const CompoundInput& in, const CompoundResult& result)
{
    const int c = ++st.ResultsReady;
    const int row = ++st.Compound.RowCounter;
    if (st.GraphData.size() <= static_cast<std::size_t>(c))
        st.GraphData.resize(static_cast<std::size_t>(c) + 1);
    if (st.GraphLabels.size() <= static_cast<std::size_t>(c))
        st.GraphLabels.resize(static_cast<std::size_t>(c) + 1);
    st.GraphLabels[static_cast<std::size_t>(c)][0] = in.name;
    st.GraphData[static_cast<std::size_t>(c)][5] = Currency::fromDouble(100.0 * result.rate);
    st.ReportLines[row <= 12 ? 1 : 2] += compoundReportLine(in, result, st.CurrencySymbol, st.Symbols);
    return row;
}

void releaseCompoundResults(AppState& st)
{
    st.InputValues.clear();
    st.ReportLines = {};
    st.YearTable.clear();
}

} // namespace fiscalia
