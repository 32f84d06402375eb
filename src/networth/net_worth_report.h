#pragma once
#include "app/number_format.h"
#include "app/report.h"
#include "networth/net_worth.h"

#include <string>

namespace fiscalia {

struct NetWorthReportSettings {
    std::string header;
    int printFontChoice = 0;
    int pageLines = 53;
    std::string currencySymbol = "$";
    NumberSymbols symbols;
};

// The one-page statement of the last Calculate: assets on the left and
// liabilities on the right (names cut to 25 characters on paper), the two
// totals and the net worth.
Report netWorthReport(const NetWorthReportSettings& settings, const NetStatement& statement,
                      const NetTotals& totals);

} // namespace fiscalia
