#pragma once
#include "retirement/capital_required.h"
#include "retirement/retirement.h"

#include <optional>
#include <string>

namespace fiscalia {

// The last retirement plan calculated, for the printout.
struct RetirementRun {
    RetirementInput input;
    RetirementResult result;
};

struct RetirementState {
    std::string YearsText; // the years of the last table, with a leading blank (" 25")
    std::optional<RetirementRun> Results;
};

// The last capital required calculation, for the printout.
struct CapitalRun {
    CapitalInput input;
    CapitalResult result;
};

struct CapitalState {
    std::optional<CapitalRun> Results;
};

} // namespace fiscalia
