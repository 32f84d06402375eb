#pragma once
#include "app/number_format.h"
#include "app/report.h"
#include "growth/growth_state.h"

#include <array>
#include <string>

namespace fiscalia {

// What the 401(k) printout prints: the last plan calculated.
struct Plan401KReportInput {
    std::string header;
    int printFontChoice = 0;
    int pageLines = 53;
    const Plan401KRun* run = nullptr;
    std::string currencySymbol = "$";
    NumberSymbols symbols;
};

// The 401(k) report: the inputs, the opening balance when it is above 1.00,
// one line a year (pages break with three empty lines and the table
// heading) and the totals.
Report plan401KReport(const Plan401KReportInput& input);

// The compound growth report: the comparison lines 1 to 12, and 13 to 22 on
// a second page without headings.
Report compoundReport(const std::string& header, int printFontChoice, int pageLines,
                      const std::array<std::string, 4>& reportLines);

} // namespace fiscalia
