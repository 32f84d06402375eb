#pragma once
#include "app/currency.h"
#include "app/number_format.h"
#include "growth/investment_growth.h"

#include <string>
#include <vector>

namespace fiscalia {

struct AppState;

inline constexpr int Plan401KYearLimit = 50;
inline constexpr int Plan401KTableRows = 102; // YearTable rows 0..101

// A 401(k) plan as the boxes hold it (percentages as typed).
struct Plan401KInput {
    Currency balance;     // slot 1, the account today
    Currency salary;      // slot 2, this year's salary
    Currency ownRate;     // slot 3, % of salary contributed
    Currency companyRate; // slot 4, % the company adds
    Currency raise;       // slot 5, % yearly salary raise
    Currency returnRate;  // slot 6, % yearly return
    Currency inflation;   // slot 7, % yearly inflation
    Currency years;       // slot 8
};

// What the plan grows to.
struct Plan401KResult {
    int message = 0; // 4: more than 50 years, nothing computed
    // Row 0, column 4: the opening balance. Rows 1..Y: column 0 the salary,
    // 1 the year, 2 the combined contribution, 3 the interest/growth, 4 the
    // value at the year's end after inflation. The totals row: the year
    // count, total invested, total growth, final value.
    YearTableRows table;
    int years = 0;     // Y
    int totalsRow = 0; // Y + 1, or 2 when Y is 0 or 1
    float returnRate = 0;
    Currency invested; // the opening balance and every contribution
    Currency growth;   // final value less invested
    Currency finalValue;
};

// Calculate: the salary and the combined contribution rise by the raise
// every year; each year's contribution is added to the value, which earns
// the return (held in single precision) and loses the inflation. The first
// year's contribution is used unrounded. Throws CalcError for an overflow.
Plan401KResult calculate401K(const Plan401KInput& in);

// What the grid shows: the opening balance on row 1 when it is above 1.00,
// one row per year, an empty row and the "Total:" row.
struct Plan401KGrid {
    int rows = 0;                   // grid rows, heading included
    std::vector<std::string> cells; // rows 1.., 5 cells each
};
Plan401KGrid plan401KGrid(const Plan401KResult& result, const std::string& currencySymbol,
                          const NumberSymbols& symbols);

// The Quick Help text, lines joined by CR LF.
std::string plan401KQuickHelp();

// The mapping between the window's state and the engine.
Plan401KInput plan401KInput(const AppState& state);
// The window as it opens: slots and defaults, empty tables.
void load401KDefaults(AppState& state);
// A calculation kept once: YearTable, ResultsReady (the years) and GraphTitle.
void keep401KResults(AppState& state, const Plan401KInput& in, Plan401KResult result);
void release401KResults(AppState& state);

} // namespace fiscalia
