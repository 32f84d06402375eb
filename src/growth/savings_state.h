#pragma once
#include "growth/investment_growth.h"

#include <optional>

namespace fiscalia {

// The last plan calculated: what was typed and what it gave.
struct SavingsRun {
    SavingsInput input;
    SavingsResult result;
};

// The Investment Growth window's state, kept in the program-wide state.
struct SavingsState {
    Contribution Frequency = Contribution::Annually; // the frequency list's choice
    int ComparisonCount = 0;                         // comparison rows shown
    int TablePeriods = 0;                            // N of the last calculation
    std::optional<SavingsRun> Results;               // the last calculation, for the printout
};

} // namespace fiscalia
