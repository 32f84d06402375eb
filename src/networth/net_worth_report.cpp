#include "networth/net_worth_report.h"

#include <algorithm>

namespace fiscalia {

namespace {

// A line's value on paper: blanks when it has none (a 0 prints as ".00").
std::string printedValue(const NetCell& value, const NumberSymbols& symbols)
{
    if (std::holds_alternative<std::monostate>(value))
        return std::string(12, ' ');
    if (const auto* text = std::get_if<std::string>(&value); text && text->empty())
        return std::string(12, ' ');
    return RightJustify(formatNumber(cellNumber(value), "####,,###.00", symbols), 12);
}

} // namespace

Report netWorthReport(const NetWorthReportSettings& s, const NetStatement& statement, const NetTotals& totals)
{
    Printout p(s.header, s.printFontChoice, s.pageLines, 1);
    p.fields({{32, "NET WORTH STATEMENT"}});
    p.line();
    p.line();
    p.fields({{2, "ASSETS"}, {42, "LIABILITIES"}});
    p.fields({{2, "______"}, {42, "___________"}});
    p.line();
    const int rows = std::clamp(std::max(statement.AssetCount, statement.LiabilityCount), 0, NetLineLimit);
    for (int r = 1; r <= rows; ++r) {
        const NetLine& asset = statement.AssetList[static_cast<std::size_t>(r)];
        const NetLine& liability = statement.LiabilityList[static_cast<std::size_t>(r)];
        const bool hasAsset = r <= statement.AssetCount;
        const bool hasLiability = r <= statement.LiabilityCount;
        const std::string blank(12, ' ');
        p.fields({{2, hasAsset ? leftChars(cellText(asset.name), 25) : std::string()},
                  {28, hasAsset ? printedValue(asset.value, s.symbols) : blank},
                  {42, hasLiability ? leftChars(cellText(liability.name), 25) : std::string()},
                  {68, hasLiability ? printedValue(liability.value, s.symbols) : blank}});
    }
    p.line();
    p.line(" " + std::string(78, '_'));
    p.line();
    auto total = [&](const Currency& amount, int width) {
        return RightJustify(s.currencySymbol + formatNumber(amount, "####,,###.00", s.symbols), width);
    };
    p.fields({{2, "Total Assets"}, {27, total(totals.assets, 13)}, {42, "Total Liabilities"},
              {67, total(totals.liabilities, 13)}});
    p.line();
    p.line();
    p.fields({{30, "Net Worth = " + total(totals.netWorth, 14)}});
    return p.endReport();
}

} // namespace fiscalia
