#pragma once
#include "app/currency.h"
#include "app/number_format.h"
#include "growth/investment_growth.h"

#include <optional>
#include <string>
#include <vector>

namespace fiscalia {

struct AppState;

inline constexpr int RetirementYearLimit = 50;
inline constexpr int RetirementTableRows = 363; // YearTable rows 0..362

// How the retirement income is drawn; the values are those ToolMode takes.
enum class Withdrawal { Percentage = 0, FixedAmount = 2 };

// A retirement plan as the boxes hold it.
struct RetirementInput {
    Withdrawal option = Withdrawal::Percentage;
    Currency capital; // slot 1, the investment on retirement
    Currency rate;    // slot 2, annual interest/growth %
    Currency drawn;   // slot 3, % of the value (percentage) or the monthly amount (fixed amount)
    Currency term;    // slot 4, years (percentage) or the yearly raise of the amount in % (fixed amount)
};

// The drawdown year by year.
struct RetirementResult {
    int message = 0; // 4: over 50 years; 7: a first withdrawal above the capital
    // Rows 1..N: column 1 the year, 2 its interest/growth, 3 the income
    // withdrawn, 4 the value at its end. Row N + 1: N and the totals, with
    // the final value.
    YearTableRows table;
    int years = 0; // N
    Currency interestTotal;
    Currency withdrawnTotal;
    Currency finalValue;
};

// The cent rule of the percentage option: an amount cut to whole cents and
// 0.0005 added, R(x) = (floor(100 x) + 0.05) / 100.
Currency centRule(double amount);

// The percentage option takes a share of the value every year for the
// years given; the fixed-amount option takes a monthly amount, raised every
// year, month by month until the money runs out or 50 years have passed.
// Throws CalcError for an overflow or a rate that has no monthly equivalent.
RetirementResult calculateRetirement(const RetirementInput& in);

// A yearly table as the retirement and capital grids show it: rows 1..N,
// an empty row and the "Total:" row; at least 25 rows.
struct YearGrid {
    int rows = 0;                   // grid rows, heading included
    std::vector<std::string> cells; // rows 1.., 4 cells each
};
YearGrid yearGrid(const YearTableRows& table, int years, const std::string& currencySymbol,
                  const NumberSymbols& symbols);

// The Quick Help text of an option, lines joined by CR LF.
std::string retirementQuickHelp(Withdrawal option, const std::string& currencySymbol);

// What leaving the box set-up of an option puts in the slots: the option's
// slot 1 (the fixed-amount option resets the capital), 3 and 4.
void setUpWithdrawal(AppState& state, Withdrawal option);

// The mapping between the window's state and the engine.
RetirementInput retirementInput(const AppState& state);
void loadRetirementDefaults(AppState& state);
// A calculation kept once: YearTable, ResultsReady (N), GraphKind 2 or 3,
// GraphTitle and YearsText.
void keepRetirementResults(AppState& state, const RetirementInput& in, RetirementResult result);
void releaseRetirementResults(AppState& state);

} // namespace fiscalia
