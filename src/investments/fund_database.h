#pragma once
#include "app/number_format.h"
#include "investments/fund_state.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace fiscalia {

// The six transaction types, in the order of the entry window's list.
enum class TransactionType { Bought, Sold, CashDividend, DividendShares, FeeCash, UnitFee };
inline constexpr int TransactionTypeCount = 6;

struct TransactionTypeInfo {
    const char* code;        // "B", "S", "C", "D", "F", "U"
    const char* listItem;    // "Bought", "Sold", "Cash Dividend", ...
    const char* displayName; // "Bought  ", "Sold    ", "Cash Div.", ...
    // The value boxes the type uses (the date box always).
    bool usesPrice, usesShares, usesCommission, usesCashDividend;
};
const TransactionTypeInfo& typeInfo(TransactionType type);
std::optional<TransactionType> typeFromCode(std::string_view code);

// The values typed into the entry row (InputValues slots 1 to 4).
struct EntryValues {
    Currency price;
    Currency shares;
    Currency commission;
    Currency cashDividend;
};

// Whether the typed values fit the type (price > 0, shares > 0 ... as the
// types table states; the commission of a trade may be anything).
bool entryFitsType(TransactionType type, const EntryValues& values);

// A record stored from the entry row: the sign of the shares and the book
// value derived by the type's rule (bought 100 at 10.00 with 50.00
// commission: 1050.00; sold: −100 shares and −950.00; a cash dividend of
// 100.00: −100.00; a unit fee of 5 shares: −5 shares and 0).
FundRecord storeRecord(TransactionType type, const EntryValues& values, int fund, const Date& date, int slot);

// The empty database: every slot cleared, slot 31 "All Records" / "31".
FundState emptyFundDatabase();
// Throws CalcError when the record or fund count lies outside its table (a
// damaged database), before anything indexes the tables by them.
void checkDatabaseCounts(const FundState& db);
// The number text of a fund slot: " 3".
std::string fundNumberText(int slot);

// SortRecordsByDate: the gap-halving shell sort of records 1..RecordCount by
// date (records of equal dates are never exchanged by one comparison), then
// every record's number set to its slot.
void sortRecordsByDate(FundState& db);
// SortFundsByName: the same sort of fund names 1..FundCount (byte order);
// every exchange rewrites the records of the two funds, so records stay with
// their fund. Number texts stay with their slots.
void sortFundsByName(FundState& db);

// Adds a fund as the last slot; false when 30 funds are held already.
bool addFund(FundState& db, const std::string& name);
// Removes record `record` (1..RecordCount): the records after it move up one
// slot, in their order, and are renumbered. False for a number out of range.
bool removeRecord(FundState& db, int record);
// Removes fund `fund` (1..FundCount), which must have no records: the funds
// after it move up one slot (their records follow them), then the funds are
// sorted by name. False when it is out of range or still has records.
bool removeFund(FundState& db, int fund);

// The records of a fund in record order (their slots).
std::vector<int> recordsOfFund(const FundState& db, int fund);
int recordCountOfFund(const FundState& db, int fund);

// CheckEmptyFunds: the first named fund 1..FundCount with no record, or 0.
int firstEmptyFund(const FundState& db);

// DescribeRecordType: the display name of a record's type ("Bought  ",
// "Cash Div." ...), or "" for a record that meets none of the rules.
std::string describeRecordType(const FundRecord& record);

// The sums over a fund's records.
struct FundSums {
    Currency shares;              // Σ shares
    Currency bookValue;           // Σ book value
    Currency bookValueNoSales;    // Σ book value of records not "S"
    Currency commission;          // Σ commission
    Currency cashDividends;       // Σ cash dividend
    Currency dividendSharesValue; // Σ price × shares of "D" and "U" records
};
FundSums fundSums(const FundState& db, int fund);
// The dividend-shares value of one record: price × shares for "D" and "U".
Currency dividendSharesValue(const FundRecord& record);
// AverageCost: book ÷ shares when more than 0.005 shares are held, else 0;
// 0 too when the book cost is below 0.005.
Currency averageCost(const Currency& shares, const Currency& bookValue);

// ShowDatabaseInfo's text: " None ", or the file name and the counts
// (" Growth.kvs    Funds = 3    Records = 45 ").
std::string databaseInfo(const std::string& fileName, int fundCount, int recordCount);

// A record as the grids show it: type, date (`shortDate`, or ISO without
// it), price, shares, commission, value of dividend shares, cash dividend
// and book value.
std::array<std::string, 8> recordTexts(const FundRecord& record, const NumberSymbols& symbols,
                                       const std::function<std::string(const Date&)>& shortDate);

// The records grid of a fund: 13 rows, or the fund's records + 4 when it
// has more than 9, the heading row included; the k-th record of the fund on
// data row k, "Total:" and the sums two rows below the last record.
// `shortDate` formats a date in the system's short form.
struct RecordsGrid {
    int rows = 13;                  // grid rows, heading included
    std::vector<std::string> cells; // the data rows, 9 texts each
    Currency averageCost;
};
RecordsGrid recordsGrid(const FundState& db, int fund, const std::string& currencySymbol,
                        const NumberSymbols& symbols, const std::function<std::string(const Date&)>& shortDate);

// The Quick Help text of the record entry window, paragraphs joined by CR LF.
std::string recordEntryQuickHelp();

} // namespace fiscalia
