#pragma once
#include "app/currency.h"
#include "app/date.h"

#include <array>
#include <string>
#include <vector>

namespace fiscalia {

// A fund's slot in the fund list: its name and its number as text (" 3",
// with the blank of the sign; slot 31 holds "All Records" and "31").
struct FundSlot {
    std::string name;
    std::string numberText;
};

// One transaction record (fields 1 to 9).
struct FundRecord {
    Currency fund;          // 1: the fund's slot, a whole number 1..30
    Currency price;         // 2: price per share
    Currency shares;        // 3: number of shares (negative for Sold and Unit Fee)
    Currency commission;    // 4: commission or fees
    Currency cashDividend;  // 5: cash dividend
    Currency bookValue;     // 6: + cash paid out, − cash received, 0 non-cash
    std::string type;       // 7: "B", "S", "C", "D", "F" or "U"; empty in a free slot
    Date date;              // 8: transaction date
    int number = 0;         // 9: equals the record's slot
};

inline constexpr int FundSlots = 32;      // 0..31; 31 is "All Records"
inline constexpr int AllRecordsSlot = 31;
inline constexpr int RecordSlots = 1003;  // 0..1002
inline constexpr int FundLimit = 30;
inline constexpr int RecordLimit = 1000;

// The Investment Manager's database and its working values, kept in the
// program-wide state.
struct FundState {
    std::vector<FundSlot> FundList = std::vector<FundSlot>(FundSlots);
    std::vector<FundRecord> RecordTable = std::vector<FundRecord>(RecordSlots);
    // Per fund (rows 1..30, totals in row 31): 0 shares held, 1 book cost,
    // 2 current price, 3 current total, 4 gain or loss, 5 gain or loss in
    // per cent, 6 book cost without sales.
    std::vector<std::array<Currency, 7>> FundValueTable = std::vector<std::array<Currency, 7>>(FundSlots);
    int RecordCount = 0;
    int FundCount = 0;
    int ActiveFund = 0;        // the fund shown in record entry or chosen for a table; 31 = all
    int FundShown = 0;         // nonzero while a fund is chosen in record entry
    int SelectedRecord = 0;    // the record picked in the entry grid; 0 = none
    std::string SelectedRecordText; // the grid row picked, as question 4 names it
    std::string CurrentTypeCode;
    std::string TypeDisplayName;
    Currency AverageCost;
    int DatabaseChanged = 0;   // 1 while changes are not saved
    int ValuesReady = 0;       // 1 while the current value table is on show
};

} // namespace fiscalia
