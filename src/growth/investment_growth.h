#pragma once
#include "app/currency.h"
#include "app/number_format.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fiscalia {

struct AppState;

// How often money is put in and interest compounded, in the order of the
// frequency list.
enum class Contribution { Annually, Quarterly, Monthly };
inline constexpr std::array<const char*, 3> ContributionTexts{"Annually", "Quarterly", "Monthly"};
inline constexpr std::array Contributions{Contribution::Annually, Contribution::Quarterly, Contribution::Monthly};

constexpr const char* listText(Contribution c) { return ContributionTexts[static_cast<std::size_t>(c)]; }
constexpr int periodsPerYear(Contribution c)
{
    return c == Contribution::Monthly ? 12 : c == Contribution::Quarterly ? 4 : 1;
}
// The choice a list text names; nothing for any other text.
std::optional<Contribution> contributionFromText(std::string_view text);

// The window's two modes (ToolMode): one plan's table, or up to 22 plans
// side by side.
inline constexpr int PlanningMode = 1;
inline constexpr int ComparisonsMode = 2;
inline constexpr int ComparisonLimit = 22;
inline constexpr int SavingsTableRows = 511; // YearTable rows 0..510

// One plan, as the boxes hold it.
struct SavingsInput {
    Currency lumpSum;      // slot 1
    Currency contribution; // slot 2, each period
    Currency rate;         // slot 4, annual %
    Currency increase;     // slot 5, annual % (may be negative)
    Currency inflation;    // slot 6, annual % (may be negative)
    Currency term;         // slot 7, years
    Contribution frequency = Contribution::Annually;
};

using YearTableRows = std::vector<std::array<Currency, 6>>;

// What one plan grows to.
struct SavingsResult {
    // Rows 1..N: column 1 the period, 2 the amount invested in it (row 1:
    // lump sum and first contribution), 3 the interest/growth earned in it,
    // 4 the value at its end after inflation. Rows 1..years, column 5: the
    // value at the end of each year, with column 1 then the year. The totals
    // row: N, total invested, total growth, final value.
    YearTableRows table;
    int periods = 0;   // N = years x periods a year (TablePeriods)
    int years = 0;
    int totalsRow = 0; // N + 1, or 2 when N is 0 or 1
    float periodicRate = 0;
    Currency invested;
    Currency growth;   // final value less invested: not the sum of column 3
    Currency finalValue;
};

// Calculate: contributions at the start of each period earn interest in it;
// each period's contribution grows by the equivalent periodic increase rate;
// the value is reduced by the periodic inflation rate every period. Throws
// CalcError for an overflow or a period count beyond the table.
SavingsResult calculateSavings(const SavingsInput& in);

// The label of comparison row `row` on the graph: "Row" and the number with
// its sign place ("Row  1").
std::string comparisonLabel(int row);

// The report line of one comparison: its fields, a line break, the rule and
// two more line breaks.
std::string comparisonReportLine(const SavingsInput& in, const SavingsResult& result, const NumberSymbols& symbols);

// What the grid shows.
struct SavingsGridRows {
    std::string column0Heading;
    std::string column1Heading;
    int rows = 0;                   // grid rows, heading included
    std::vector<std::string> cells; // rows 1.., 4 cells each
};
// Planning mode: one row per period and the "Total:" row.
SavingsGridRows planningGrid(const SavingsResult& result, Contribution frequency, const std::string& currencySymbol,
                             const NumberSymbols& symbols);
// Comparisons mode: the 8 cells of one comparison's row.
std::vector<std::string> comparisonCells(const SavingsInput& in, const SavingsResult& result,
                                         const NumberSymbols& symbols);

// The Quick Help text of either mode, lines joined by CR LF.
std::string savingsQuickHelp(int toolMode, const std::string& currencySymbol);

// The mapping between the window's state and the engine.

// The plan in the input slots and the frequency list.
SavingsInput savingsInput(const AppState& state);
// The window as it opens: input slots and defaults, empty result tables, no
// comparisons.
void loadSavingsDefaults(AppState& state);
// A calculation's results kept in the program-wide tables, once: YearTable,
// TablePeriods, ResultsReady and GraphTitle; in Comparisons mode also the
// comparison's graph point, label and report line, and ComparisonCount.
void keepSavingsResults(AppState& state, const SavingsInput& in, SavingsResult result);
// What leaving the window erases.
void releaseSavingsResults(AppState& state);

} // namespace fiscalia
