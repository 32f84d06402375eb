#pragma once
#include "app/currency.h"
#include "growth/investment_growth.h"

#include <string>

namespace fiscalia {

struct AppState;

// The goal: a capital, or an income whose capital is worked out; the values
// are those ToolMode takes.
enum class CapitalGoal { Capital = 0, Income = 2 };

struct CapitalInput {
    CapitalGoal goal = CapitalGoal::Capital;
    Currency amount; // slot 1: the capital, or the yearly income
    Currency rate;   // slot 2: annual interest/growth %
    Currency years;  // slot 3
};

struct CapitalResult {
    int message = 0; // 4: over 50 years
    // Rows 1..N: the year, the yearly investment P, the interest/growth of
    // the year (to the cent), the value at its end. Row N + 1: N + 1 and the
    // totals, with the final value.
    YearTableRows table;
    int years = 0;     // N
    double capital = 0; // the capital aimed at (the income's capital in the income option)
    double payment = 0; // P
    Currency invested;
    Currency growth;
    Currency finalValue;
};

// The yearly investment P, paid at the start of each year, that grows to the
// capital C at the end of year N at the rate i:
//   P = C / ((1 + i) ((1 + i)^N - 1) / i).
// In the income option C = income x 100 / rate. Throws CalcError for a rate
// or a term of 0 (nothing can be saved towards it) and for an overflow.
CapitalResult calculateCapitalRequired(const CapitalInput& in);

// The Quick Help text of a goal, lines joined by CR LF.
std::string capitalQuickHelp(CapitalGoal goal, const std::string& currencySymbol);

// The mapping between the window's state and the engine.
CapitalInput capitalInput(const AppState& state);
void loadCapitalDefaults(AppState& state);
// The slots a goal starts with: its amount, 15 % and 25 years.
void setUpCapitalGoal(AppState& state, CapitalGoal goal);
// A calculation kept once: YearTable, ResultsReady (N) and GraphTitle.
void keepCapitalResults(AppState& state, const CapitalInput& in, CapitalResult result);
void releaseCapitalResults(AppState& state);

} // namespace fiscalia
