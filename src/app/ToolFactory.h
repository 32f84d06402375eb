#pragma once
#include "app/Shell.h"

namespace fiscalia {

class ToolWindow;

// The tools of the Menu, one per tool button.
enum class Tool {
    Mortgage,
    Loan,
    Savings,
    SavingsComparisons,
    Plan401K,
    Retirement,
    CapitalRequired,
    CompoundGrowth,
    NetWorth,
    InvestmentManager,
};

// Creates the window of a tool; the Menu has already set LoanMode and
// ToolMode for it.
ToolWindow* createToolWindow(Tool tool, const ToolContext& context);

} // namespace fiscalia
