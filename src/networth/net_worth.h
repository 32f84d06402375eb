#pragma once
#include "app/currency.h"
#include "app/number_format.h"

#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace fiscalia {

// One cell of a statement list: never filled, a text (a name, or a value
// read from a file or erased to ""), or a number (a typed value, a
// subtotal).
using NetCell = std::variant<std::monostate, std::string, double>;

struct NetLine {
    NetCell name;
    NetCell value;
};

// Rows 0 to 31 of a list; rows 1 to 30 are the user's lines, row 31 is kept
// as the file had it.
inline constexpr int NetRows = 31;
inline constexpr int NetLineLimit = 30;
using NetList = std::array<NetLine, NetRows + 1>;

// The two lists of a net worth statement and their line counts after the
// last Calculate.
struct NetStatement {
    NetList AssetList;
    NetList LiabilityList;
    int AssetCount = 0;
    int LiabilityCount = 0;
};

struct NetTotals {
    Currency assets;
    Currency liabilities;
    Currency netWorth;
};

// The text a cell shows or prints ("" when never filled; a number in its
// shortest form).
std::string cellText(const NetCell& cell);
// A value read as a number: a text read as Val reads it, an empty value 0.
double cellNumber(const NetCell& cell);
// Whether a name is "Sub Total", in any letter case, with its one blank.
bool isSubTotal(const NetCell& name);
// Whether a list holds anything in rows 1 to 31.
bool hasLines(const NetList& list);

struct NetCalculation {
    NetStatement statement;
    NetTotals totals;
};

// Calculate: each list compacted (a line without a name is dropped, value
// and all; the lines close up in order), every value added to its total and
// to the running subtotal, which a "Sub Total" line takes as its value and
// restarts; the counts recounted; Net Worth = assets − liabilities.
// Throws CalcError when a total cannot be held.
NetCalculation calculateNetWorth(const NetStatement& statement);

// Inserts a line named "BlankLine" with the value 0 at line `line` (1 to
// 28) of a list holding `count` lines, moving the lines from there down by
// one. False, and the list unchanged, for a line outside 1 to 28 or a list
// already holding 30 lines.
bool insertBlankLine(NetList& list, int count, int line);

// The data rows of a statement grid (34 rows of a name and a value below
// the heading): the lines, the value shown only when above 0; two empty
// rows; then `totalLabel` with the currency symbol and the total.
std::vector<std::string> netGridTexts(const NetList& list, int count, const std::string& totalLabel,
                                      const Currency& total, const std::string& currencySymbol,
                                      const NumberSymbols& symbols);
inline constexpr int NetGridRows = 35;

// The Net Worth figure as the window shows it.
std::string netWorthText(const Currency& netWorth, const std::string& currencySymbol, const NumberSymbols& symbols);

// Typing into a statement grid. The edit buffer starts empty on every newly
// chosen cell, so the first key replaces the cell.
struct NetCellEdit {
    std::string buffer;
    NetCell cell;   // what the list holds now
    std::string shown;
};
// A typed character (UTF-8) into column 0 (names) or 1 (values): nothing
// when the key is refused (a double quote anywhere; in values anything but
// digits and the point, a third decimal, or a value above the 12-digit
// limit).
std::optional<NetCellEdit> typeIntoCell(int column, const std::string& buffer, const std::string& key,
                                        const NumberSymbols& symbols);
// Backspace: a name loses its last character, a value is emptied.
NetCellEdit backspaceCell(int column, const NetCell& current, const NumberSymbols& symbols);

// The Quick Help text of the window, paragraphs joined by CR LF.
std::string netWorthQuickHelp();

} // namespace fiscalia
