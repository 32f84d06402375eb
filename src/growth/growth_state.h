#pragma once
#include "growth/compound_growth.h"
#include "growth/investment_growth.h"
#include "growth/plan401k.h"

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

// The last 401(k) plan calculated, for the printout.
struct Plan401KRun {
    Plan401KInput input;
    Plan401KResult result;
};

struct Plan401KState {
    std::optional<Plan401KRun> Results;
};

// The compound growth finder's own counter: the grid row of the next
// comparison (ResultsReady counts the comparisons alike).
struct CompoundState {
    int RowCounter = 0;
};

} // namespace fiscalia
