#pragma once
#include "app/number_format.h"
#include "app/report.h"
#include "investments/fund_state.h"

#include <functional>
#include <string>

namespace fiscalia {

struct FundReportSettings {
    std::string header;
    int printFontChoice = 0;
    int pageLines = 53;
    std::string currencySymbol = "$";
    NumberSymbols symbols;
};

// The current value printout of all funds, from FundValueTable as the
// current value table left it: per fund its name with its share of the
// total value, then its figures; the totals at the end. Page breaks: two
// empty lines, "Page n" at position 40, a new page, two empty lines, the
// counter at 3.
Report currentValueReport(const FundReportSettings& settings, const FundState& db);

// The records printout of one fund (1..30) or of all funds (31): the
// records, each fund's block end with its average cost, the grand totals
// of all funds, then the valuation trailer when there is one.
Report recordsReport(const FundReportSettings& settings, const FundState& db, int fund, const std::string& trailer,
                     const std::function<std::string(const Date&)>& shortDate);

} // namespace fiscalia
