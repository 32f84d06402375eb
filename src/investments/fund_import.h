#pragma once
#include "app/date.h"
#include "app/input_filters.h"
#include "app/number_format.h"
#include "app/result.h"
#include "investments/fund_database.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fiscalia {

// Importing transactions from a comma-separated file, such as a broker's
// export.
//
// The file: UTF-8 (a byte-order mark is skipped; a file that is not valid
// UTF-8 is read as Windows-1252), lines ended by CR LF, LF or CR. The first
// line that is not blank names the columns; blank lines are skipped. Fields
// are separated by commas or by semicolons: whichever splits the heading
// line into more of the names below. A field in double quotes may hold the
// separator, and "" stands for one quote; a quoted field ends on its own
// line. Blanks around fields and names are ignored; columns with other names
// are ignored, and a line may leave out its last fields.
//
// The columns, named without regard to case, in any order:
//   date        "date", "trade date"                    required
//   fund        "fund", "name", "security"              required
//   type        "type", "action", "transaction"         required
//   shares      "shares", "quantity", "units"
//   price       "price"
//   amount      "amount"
//   commission  "commission", "fee", "fees"
// A column named twice (say "shares" and "units") refuses the file.
//
// Types (without regard to case): the list items "Bought", "Sold", "Cash
// Dividend", "Dividend Shares", "Fee Cash", "Unit Fee"; their codes B, S, C,
// D, F, U; and the broker words "Buy", "Sell", "Dividend" (a cash dividend),
// "Reinvested Dividend" and "DRIP" (dividend shares), "Fee" (fee cash).
// Runs of blanks count as one; "CashDividend", "DividendShares" and
// "UnitFee" are taken too.
//
// Dates: yyyy-mm-dd, else the system's short form (the reader given).
//
// Numbers: digits with at most one decimal mark, a period or the system's
// decimal separator. Thousands separators are refused, never guessed: with a
// comma separator "1,234" could be a thousand and more or one and a bit, so
// a line holding one is refused with its reason. A figure with a decimal
// comma in a comma-separated file must be quoted. A currency
// sign ($, €, £, ¥ or the user's own symbol) before or after the figure is
// taken off; signs are read as stated below. Figures are rounded to four
// decimals, as records keep them.
//
// What each type takes (values of columns a type does not use are ignored,
// as a broker may give the shares a dividend was paid on):
//   Bought, Sold      price, shares, commission. With no price, it is
//                     worked out from the amount, taken as the cash that
//                     moved with the commission included, so the book value
//                     comes out as the amount: (amount − commission) ÷ shares
//                     bought, (amount + commission) ÷ shares sold.
//   Dividend Shares,  price and shares; with no price, amount ÷ shares.
//   Unit Fee
//   Cash Dividend     the amount is the dividend.
//   Fee Cash          the commission is the fee, or the amount when there is
//                     no commission.
// The amount and the commission are cash whose direction the type states, so
// their sign is dropped (brokers write money paid out as negative). Shares
// going out (Sold, Unit Fee) may be written negative; elsewhere a negative
// figure is refused. A figure above 100,000,000,000 is refused.
//
// Funds are matched to the database's by name, the letters A-Z without
// regard to case, blanks around the name ignored; the database's spelling
// is kept. A fund not there is created with the spelling of its first line,
// within the limit of 30 funds; lines of funds beyond it are refused, as are
// lines beyond the limit of 1000 records (those already held counted). A fund
// name longer than ImportFundNameLimit characters refuses its line.

// The largest file offered for import (16 MiB), beyond the 1 MiB of the
// program's own files.
inline constexpr std::size_t ImportFileLimit = 16 * 1024 * 1024;
// The most transaction lines one file may hold.
inline constexpr int ImportLineLimit = 10000;
// The longest fund name taken, in characters: a file far larger than the
// database's own could otherwise give names that make the saved database
// too large to open again.
inline constexpr int ImportFundNameLimit = NameLengthLimit;

struct ImportOptions {
    std::string decimal = ".";    // the system's decimal separator
    std::string currencySymbol;   // the user's currency symbol, taken off figures
    // Reads a date in the system's short form; nothing when it is none.
    std::function<std::optional<Date>(const std::string&)> readDate;
};

// One transaction line of the file: what it will add, or why it cannot.
struct ImportLine {
    int line = 0;               // its line number in the file (the heading is line 1)
    std::string dateText;       // the date as written
    std::string fund;           // the fund's name: the database's spelling when it holds it
    std::string typeText;       // the type as written
    std::optional<TransactionType> type;
    Date date;
    EntryValues values;         // the values as the entry row would hold them
    int fundSlot = 0;           // the fund's slot once imported
    bool newFund = false;       // the fund is created by the import
    std::string refusal;        // why the line cannot be added; empty when it can

    bool accepted() const { return refusal.empty(); }
    // The record the line will be stored as, in slot 0.
    FundRecord record() const;
};

struct ImportPreview {
    char separator = ',';
    std::vector<ImportLine> lines;
    std::vector<std::string> newFunds; // in the order they will be added
    int accepted = 0;
    int refused = 0;
    // The counts of the database the preview was made for.
    int fundCountBefore = 0;
    int recordCountBefore = 0;
};

// Reads a file's text into a preview of what importing it into `db` would
// do; `db` is not changed. A file that is not a comma-separated file of
// transactions (binary data, no heading line naming the columns, a required
// column missing, no transaction lines, too many lines) fails with the
// reason.
Result<ImportPreview> previewImport(const FundState& db, std::string_view text, const ImportOptions& options);

// "line 7: the date "31/02/2021" cannot be read"; empty for an accepted line.
std::string refusalText(const ImportLine& line);
// The status shown for a line: "will be added", "will be added, new fund",
// or "not added: " and the reason.
std::string importStatus(const ImportLine& line);
// "12 lines will be added, 3 cannot be added, 2 new funds".
std::string importCounts(const ImportPreview& preview);

// The preview grid: one row of `ImportGridColumns` texts for every line, in
// file order: the line number, its status, then the record it will add;
// refused lines show their date, fund and type as written.
inline constexpr int ImportGridColumns = 10;
extern const char* const ImportGridHeadings[ImportGridColumns];
std::vector<std::string> importGridCells(const ImportPreview& preview, const NumberSymbols& symbols,
                                         const std::function<std::string(const Date&)>& shortDate);

// Adds the preview's new funds and stores every accepted line through the
// entry row's rules, sorts the records by date and marks the database
// changed. False, with `db` unchanged, when the database is no longer the
// one the preview was made for.
bool applyImport(FundState& db, const ImportPreview& preview);

} // namespace fiscalia
