#pragma once
#include "app/number_format.h"
#include "app/result.h"
#include "investments/fund_database.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace fiscalia {

// The texts of a table grid: `rows` grid rows (the heading row included),
// `cols` columns, the headings, and the data rows row by row.
struct TableTexts {
    int rows = 0;
    int cols = 0;
    std::vector<std::string> headings;
    std::vector<std::string> cells; // (rows − 1) × cols
};

// ---- Current value of all funds ----

// Calculate, step 1: columns 0, 1, 3, 4, 5 and 6 of rows 1..31 set to 0
// (the prices in column 2 stay), then every record's shares added to column
// 0, its book value to column 1 and, unless it is a sale, to column 6 of
// its fund's row.
void sumFundRecords(FundState& db);

// Calculate, step 2: the first named fund that holds shares but has no
// price above 0 (message 24), or 0 when every held fund is priced.
int firstUnpricedFund(const FundState& db);

// BuildCurrentValueTable, steps 2 and 3: per fund the current total
// (shares × price), the gain (total − book cost) and the gain % (100 when
// the book cost is 0; on the book cost without sales when the book cost is
// below 0.005 and that is not 0); the totals in row 31, the total gain %
// on the total book cost (or, below 0.005, on the total without sales; 0
// when that is 0 too). Throws CalcError when a figure cannot be held.
void computeCurrentValues(FundState& db);

// A fund's share of the total current value in per cent, cut (not
// rounded) to two decimals; 0 when its current total is 0 or less.
Currency shareOfTotalValue(const FundState& db, int fund);

// The money-weighted annual return in per cent of a fund (1..30), or of all
// funds together (31): the rate at which the fund's dated cash flows (each
// record's book value paid out, or received when negative) and its current
// total at `today` balance. Years are counted on the calendar (1 January
// 2020 to 1 January 2022 is 2 years). Nothing when it cannot be worked out:
// no price, no money paid in, or no rate that balances.
std::optional<double> annualReturn(const FundState& db, int fund, const Date& today);

// The current value table on screen: 35 rows (more when the funds need
// them), 9 columns: the 8 of the table and "Annual return %" at the right
// (from `annualReturns`, index 1..30 per fund and 31 for the total; empty
// where nothing could be worked out).
TableTexts currentValueTable(const FundState& db, const std::vector<std::optional<double>>& annualReturns,
                             const std::string& currencySymbol, const NumberSymbols& symbols);

// ---- Records tables ----

// BuildRecordsTable of one fund (1..30) or of all funds (31): rows 20 +
// records (one fund) or 5 × funds + records + 10 (all), at least 25; 8
// columns; the records, the block end of each fund ("Total:", "Average cost
// per share ="), and for all funds the fund heading rows (names cut to 26
// characters) and "Total all Funds:". `caption` is the frame caption: the
// fund's name whole, or "All Records".
struct RecordsTable {
    TableTexts table;
    std::string caption;
    Currency averageCost; // of the last fund listed
};
RecordsTable recordsTable(const FundState& db, int fund, const std::string& currencySymbol,
                          const NumberSymbols& symbols, const std::function<std::string(const Date&)>& shortDate);

// ---- Single-fund valuation ----

struct Valuation {
    Currency price;       // set to 0 when the fund is sold out at a profit
    Currency value;       // price × shares held
    Currency gain;        // value − book total
    std::optional<Currency> gainPercent; // empty until a run works it out
};

// The valuation of a fund at a typed price, from the fund's sums. The gain %
// is gain ÷ book total × 100 when an odd number of (gain ≠ 0, book total ≠
// 0, shares ≠ 0) hold, else it keeps `earlierPercent`; when the book total
// is below 0.005 it is worked out on the book total without sales instead,
// and a value of 0 sets the price to 0. A division by zero is a failure
// (message 26), never a crash or a NaN. Example: 100 shares with a book
// total of 1050.00 at 12.00: value 1200.00, gain 150.00, 14.29 %.
Result<Valuation> valueFund(const Currency& price, const FundSums& sums, std::optional<Currency> earlierPercent);

// The four-row block written two rows below the table's last used row, in
// columns 2 to 5 (4 rows × 4 texts).
std::vector<std::string> valuationBlock(const Valuation& valuation, const std::string& currencySymbol,
                                        const NumberSymbols& symbols);
// The printout trailer of a valuation, lines joined by CR LF.
std::string valuationTrailer(const Valuation& valuation, const std::string& currencySymbol,
                             const NumberSymbols& symbols);

} // namespace fiscalia
