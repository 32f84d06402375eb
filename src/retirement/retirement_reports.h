#pragma once
#include "app/number_format.h"
#include "app/report.h"
#include "retirement/retirement_state.h"

#include <string>

namespace fiscalia {

// The printout settings every retirement report takes.
struct RetirementReportSettings {
    std::string header;
    int printFontChoice = 0;
    int pageLines = 53;
    std::string currencySymbol = "$";
    NumberSymbols symbols;
};

// The Retirement Income report of the last calculation: its inputs by
// option and the yearly table (the line counter starts at 18, or 16 for the
// fixed-amount option).
Report retirementReport(const RetirementReportSettings& settings, const RetirementRun& run,
                        const std::string& yearsText);

// The capital required report: its title and first line name the capital
// or the income typed; the line counter starts at 16.
Report capitalReport(const RetirementReportSettings& settings, const CapitalRun& run);

} // namespace fiscalia
