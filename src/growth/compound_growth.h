#pragma once
#include "app/currency.h"
#include "app/number_format.h"

#include <string>
#include <vector>

namespace fiscalia {

struct AppState;

inline constexpr int CompoundYearLimit = 50;
inline constexpr int CompoundRowLimit = 22;

// One investment to compare: what it cost, what it is (or will be) worth
// and over how many years, with an optional name.
struct CompoundInput {
    Currency cost;  // slot 1
    Currency value; // slot 2
    Currency term;  // slot 3, years
    std::string name;
};

struct CompoundResult {
    int message = 0;  // 4: over 50 years; 3: a cost, value or term of 0
    double rate = 0;  // g, the annual compound growth rate as a fraction
    double gain = 0;  // G, the total gain over the term as a fraction
};

// g = e^(ln(V / P) / T) - 1, the yearly rate that compounds P into V in T
// years; G = (V - P) / P.
CompoundResult findCompoundGrowth(const CompoundInput& in);

// The grid row of one comparison: name, term, cost, value, g (three
// decimals) and G (two decimals).
std::vector<std::string> compoundCells(const CompoundInput& in, const CompoundResult& result,
                                       const std::string& currencySymbol, const NumberSymbols& symbols);
// Its report lines: an optional name line, the figures with four-decimal
// percentages, and the rule, each ended by CR LF.
std::string compoundReportLine(const CompoundInput& in, const CompoundResult& result,
                               const std::string& currencySymbol, const NumberSymbols& symbols);

// The Quick Help text, lines joined by CR LF.
std::string compoundQuickHelp(const std::string& currencySymbol);

// The mapping between the window's state and the engine.
CompoundInput compoundInput(const AppState& state, std::string name);
// The window as it opens: slots and defaults, empty tables, no comparisons.
void loadCompoundDefaults(AppState& state);
// Whether another comparison can be added (message 6 when not).
bool compoundRowsFull(const AppState& state);
// A comparison kept once: ResultsReady and the row counter grow by one; its
// graph point (the rate in per cent), label and report line are added.
// Returns the grid row it goes to.
int keepCompoundResult(AppState& state, const CompoundInput& in, const CompoundResult& result);
void releaseCompoundResults(AppState& state);

} // namespace fiscalia
