#pragma once
#include "app/number_format.h"
#include "app/report.h"
#include "growth/growth_state.h"

#include <array>
#include <string>

namespace fiscalia {

// What the investment growth printout prints.
struct SavingsReportInput {
    std::string header;
    int printFontChoice = 0;
    int pageLines = 53;
    int toolMode = PlanningMode;
    const SavingsRun* run = nullptr;                    // the last plan (Planning report)
    const std::array<std::string, 4>* reportLines = nullptr; // the comparison lines (Comparisons report)
    std::string currencySymbol = "$";
    NumberSymbols symbols;
};

// The Planning report (the period table of the last plan, breaking pages
// with three empty lines and the table heading) or the Comparisons report
// (comparison lines 1 to 15, and 16 to 22 on a second page).
Report savingsReport(const SavingsReportInput& input);

} // namespace fiscalia
