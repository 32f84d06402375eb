#pragma once
#include "app/report.h"
#include "mortgage/amortization.h"

#include <functional>
#include <string>

namespace fiscalia {

// What the mortgage printout prints: the inputs and results of the last
// Calculate and the printout settings.
struct MortgageReportInput {
    std::string header;
    int printFontChoice = 0;
    int pageLines = 53;
    const AmortizationInput* input = nullptr;
    const AmortizationResult* result = nullptr;
    std::function<std::string(const Date&)> formatDate;
};

inline const std::string ReportRule(75, '_');

// The mortgage or loan table as a printed report.
Report mortgageReport(const MortgageReportInput& report);

} // namespace fiscalia
