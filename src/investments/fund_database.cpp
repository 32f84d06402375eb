#include "investments/fund_database.h"

#include "app/calc_error.h"

#include <array>
#include <initializer_list>
#include <utility>
#include <vector>

namespace fiscalia {

namespace {

constexpr std::array<TransactionTypeInfo, TransactionTypeCount> Types{{
    {"B", "Bought", "Bought  ", true, true, true, false},
    {"S", "Sold", "Sold    ", true, true, true, false},
    {"C", "Cash Dividend", "Cash Div.", false, false, false, true},
    {"D", "Dividend Shares", "Div. Shares", true, true, false, false},
    {"F", "Fee Cash", "Fee Cash", false, false, true, false},
    {"U", "Unit Fee", "Unit Fee", true, true, false, false},
}};

// Half a cent: below it a share count or a book cost counts as nothing.
constexpr Currency HalfCent = Currency::fromRaw(50);

std::size_t at(int slot) { return static_cast<std::size_t>(slot); }

bool isFund(const FundRecord& record, int fund) { return record.fund == Currency::fromInt(fund); }

// The sign blank of a positive count, as numbers are shown in texts.
std::string signedCount(int value)
{
    return value < 0 ? std::to_string(value) : std::string(" ").append(std::to_string(value));
}

void renumberRecords(FundState& db)
{
    for (int r = 1; r <= db.RecordCount; ++r)
        db.RecordTable[at(r)].number = r;
}

// Funds a and b trade places: their names, and the fund numbers of their
// records.
void exchangeFunds(FundState& db, int a, int b)
{
    std::swap(db.FundList[at(a)].name, db.FundList[at(b)].name);
    const Currency fundA = Currency::fromInt(a);
    const Currency fundB = Currency::fromInt(b);
    for (int r = 1; r <= db.RecordCount; ++r) {
        Currency& fund = db.RecordTable[at(r)].fund;
        if (fund == fundA)
            fund = fundB;
        else if (fund == fundB)
            fund = fundA;
    }
}

} // namespace

const TransactionTypeInfo& typeInfo(TransactionType type)
{
    const auto i = static_cast<std::size_t>(type);
    if (i >= Types.size())
        throw CalcError("unknown transaction type");
    return Types[i];
}

std::optional<TransactionType> typeFromCode(std::string_view code)
{
    for (std::size_t i = 0; i < Types.size(); ++i)
        if (code == Types[i].code)
            return static_cast<TransactionType>(i);
    return std::nullopt;
}

bool entryFitsType(TransactionType type, const EntryValues& v)
{
    const Currency zero;
    switch (type) {
    case TransactionType::Bought:
    case TransactionType::Sold:
        return v.price > zero && v.shares > zero && v.cashDividend == zero;
    case TransactionType::CashDividend:
        return v.price == zero && v.shares == zero && v.commission == zero && v.cashDividend > zero;
    case TransactionType::DividendShares:
    case TransactionType::UnitFee:
        return v.price > zero && v.shares > zero && v.commission == zero && v.cashDividend == zero;
    case TransactionType::FeeCash:
        return v.price == zero && v.shares == zero && v.commission > zero && v.cashDividend == zero;
    }
    return false;
}

FundRecord storeRecord(TransactionType type, const EntryValues& v, int fund, const Date& date, int slot)
{
    FundRecord r;
    r.fund = Currency::fromInt(fund);
    r.price = v.price;
    r.shares = v.shares;
    r.commission = v.commission;
    r.cashDividend = v.cashDividend;
    r.type = typeInfo(type).code;
    r.date = date;
    r.number = slot;
    switch (type) {
    case TransactionType::Bought:
        r.bookValue = r.price * r.shares + r.commission;
        break;
    case TransactionType::Sold:
        r.shares = -r.shares;
        r.bookValue = r.price * r.shares + r.commission;
        break;
    case TransactionType::CashDividend:
        r.bookValue = -r.cashDividend;
        break;
    case TransactionType::DividendShares:
        r.bookValue = Currency();
        break;
    case TransactionType::FeeCash:
        if (r.price.isZero() && r.shares.isZero())
            r.bookValue = r.commission;
        break;
    case TransactionType::UnitFee:
        if (r.shares > Currency()) {
            r.shares = -r.shares;
            r.bookValue = Currency();
        }
        break;
    }
    return r;
}

void checkDatabaseCounts(const FundState& db)
{
    if (db.RecordCount < 0 || db.RecordCount > RecordLimit
        || static_cast<std::size_t>(db.RecordCount) >= db.RecordTable.size())
        throw CalcError("record count outside the record table");
    if (db.FundCount < 0 || db.FundCount > FundLimit || static_cast<std::size_t>(db.FundCount) >= db.FundList.size())
        throw CalcError("fund count outside the fund list");
}

FundState emptyFundDatabase()
{
    FundState db;
    db.FundList[AllRecordsSlot] = {"All Records", "31"};
    return db;
}

std::string fundNumberText(int slot) { return signedCount(slot); }

void sortRecordsByDate(FundState& db)
{
    checkDatabaseCounts(db);
    const int n = db.RecordCount;
    for (int gap = n / 2; gap > 0; gap /= 2) {
        for (int i = gap + 1; i <= n; ++i) {
            for (int j = i - gap; j >= 1; j -= gap) {
                FundRecord& low = db.RecordTable[at(j)];
                FundRecord& high = db.RecordTable[at(j + gap)];
                if (low.date <= high.date)
                    break;
                std::swap(low, high); // the numbers are set afresh below
            }
        }
    }
    renumberRecords(db);
}

void sortFundsByName(FundState& db)
{
    checkDatabaseCounts(db);
    const int n = db.FundCount;
    for (int gap = n / 2; gap > 0; gap /= 2) {
        for (int i = gap + 1; i <= n; ++i) {
            for (int j = i - gap; j >= 1; j -= gap) {
                if (db.FundList[at(j)].name <= db.FundList[at(j + gap)].name)
                    break;
                exchangeFunds(db, j, j + gap);
            }
        }
    }
}

bool addFund(FundState& db, const std::string& name)
{
    checkDatabaseCounts(db);
    if (db.FundCount >= FundLimit)
        return false;
    db.FundCount += 1;
    db.FundList[at(db.FundCount)] = {name, fundNumberText(db.FundCount)};
    return true;
}

bool removeRecord(FundState& db, int record)
{
    checkDatabaseCounts(db);
    if (record < 1 || record > db.RecordCount)
        return false;
    for (int r = record; r < db.RecordCount; ++r)
        db.RecordTable[at(r)] = std::move(db.RecordTable[at(r + 1)]);
    db.RecordTable[at(db.RecordCount)] = FundRecord{};
    db.RecordCount -= 1;
    renumberRecords(db);
    return true;
}

bool removeFund(FundState& db, int fund)
{
    checkDatabaseCounts(db);
    if (fund < 1 || fund > db.FundCount || recordCountOfFund(db, fund) > 0)
        return false;
    for (int f = fund; f < db.FundCount; ++f) {
        db.FundList[at(f)].name = std::move(db.FundList[at(f + 1)].name);
        db.FundList[at(f)].numberText = fundNumberText(f);
        const Currency from = Currency::fromInt(f + 1);
        for (int r = 1; r <= db.RecordCount; ++r)
            if (db.RecordTable[at(r)].fund == from)
                db.RecordTable[at(r)].fund = Currency::fromInt(f);
    }
    db.FundList[at(db.FundCount)] = FundSlot{};
    db.FundCount -= 1;
    sortFundsByName(db);
    return true;
}

std::vector<int> recordsOfFund(const FundState& db, int fund)
{
    checkDatabaseCounts(db);
    std::vector<int> slots;
    for (int r = 1; r <= db.RecordCount; ++r)
        if (isFund(db.RecordTable[at(r)], fund))
            slots.push_back(r);
    return slots;
}

int recordCountOfFund(const FundState& db, int fund) { return static_cast<int>(recordsOfFund(db, fund).size()); }

int firstEmptyFund(const FundState& db)
{
    checkDatabaseCounts(db);
    for (int f = 1; f <= db.FundCount; ++f) {
        const FundSlot& slot = db.FundList[at(f)];
        if (slot.name.empty())
            continue;
        const double number = Val(slot.numberText);
        bool hasRecord = false;
        for (int r = 1; r <= db.RecordCount && !hasRecord; ++r)
            hasRecord = db.RecordTable[at(r)].fund.toDouble() == number;
        if (!hasRecord)
            return f;
    }
    return 0;
}

std::string describeRecordType(const FundRecord& r)
{
    const Currency zero;
    if (r.type == "B")
        return "Bought  ";
    if (r.type == "S")
        return "Sold    ";
    if (r.type == "F" && r.price == zero)
        return "Fee Cash";
    if (r.type == "U" && r.price > zero)
        return "Unit Fee";
    if (r.type == "C" && r.price == zero)
        return "Cash Div.";
    if (r.type == "D" && r.bookValue == zero)
        return "Div. Shares";
    return "";
}

Currency dividendSharesValue(const FundRecord& record)
{
    if (record.type == "D" || record.type == "U")
        return record.price * record.shares;
    return Currency();
}

FundSums fundSums(const FundState& db, int fund)
{
    FundSums sums;
    for (int r : recordsOfFund(db, fund)) {
        const FundRecord& record = db.RecordTable[at(r)];
        sums.shares += record.shares;
        sums.bookValue += record.bookValue;
        if (record.type != "S")
            sums.bookValueNoSales += record.bookValue;
        sums.commission += record.commission;
        sums.cashDividends += record.cashDividend;
        sums.dividendSharesValue += dividendSharesValue(record);
    }
    return sums;
}

Currency averageCost(const Currency& shares, const Currency& bookValue)
{
    Currency average;
    if (shares > HalfCent)
        average = Currency::fromDouble(bookValue.toDouble() / shares.toDouble());
    if (bookValue < HalfCent)
        average = Currency();
    return average;
}

std::string databaseInfo(const std::string& fileName, int fundCount, int recordCount)
{
    if (fundCount == 0)
        return " None ";
    std::string counts = "Funds =" + signedCount(fundCount) + "    Records =" + signedCount(recordCount) + " ";
    if (fileName.empty())
        return " " + counts;
    return " " + fileName + "    " + counts;
}

std::array<std::string, 8> recordTexts(const FundRecord& record, const NumberSymbols& symbols,
                                       const std::function<std::string(const Date&)>& shortDate)
{
    auto shares = [&](const Currency& value) { return formatNumber(value, "####,,###.0000", symbols); };
    auto money = [&](const Currency& value) { return formatNumber(value, "####,,###.00", symbols); };
    return {describeRecordType(record),
            shortDate ? shortDate(record.date) : record.date.toIso(),
            shares(record.price),
            shares(record.shares),
            money(record.commission),
            money(dividendSharesValue(record)),
            money(record.cashDividend),
            money(record.bookValue)};
}

RecordsGrid recordsGrid(const FundState& db, int fund, const std::string& currencySymbol,
                        const NumberSymbols& symbols, const std::function<std::string(const Date&)>& shortDate)
{
    constexpr int Columns = 9;
    const std::vector<int> records = recordsOfFund(db, fund);
    const int count = static_cast<int>(records.size());
    RecordsGrid grid;
    grid.rows = count > 9 ? count + 4 : 13;
    grid.cells.assign(static_cast<std::size_t>((grid.rows - 1) * Columns), std::string());
    // Data row `row` (1 = first under the heading), column `col`.
    auto cell = [&](int row, int col) -> std::string& {
        return grid.cells[static_cast<std::size_t>((row - 1) * Columns + col)];
    };
    auto shares = [&](const Currency& value) { return formatNumber(value, "####,,###.0000", symbols); };
    auto money = [&](const Currency& value) { return formatNumber(value, "####,,###.00", symbols); };

    for (int k = 1; k <= count; ++k) {
        const FundRecord& record = db.RecordTable[at(records[at(k - 1)])];
        cell(k, 0) = formatNumber(static_cast<double>(k), "####", symbols);
        const auto texts = recordTexts(record, symbols, shortDate);
        for (std::size_t c = 0; c < texts.size(); ++c)
            cell(k, static_cast<int>(c) + 1) = texts[c];
    }

    const FundSums sums = fundSums(db, fund);
    const int total = count + 2;
    cell(total, 0) = "Total:";
    cell(total, 4) = shares(sums.shares);
    cell(total, 5) = currencySymbol + formatNumber(sums.commission, "###,,###.00", symbols);
    cell(total, 6) = currencySymbol + formatNumber(sums.dividendSharesValue, "###,,###.00", symbols);
    cell(total, 7) = currencySymbol + formatNumber(sums.cashDividends, "###,,###.00", symbols);
    cell(total, 8) = currencySymbol + money(sums.bookValue);
    grid.averageCost = averageCost(sums.shares, sums.bookValue);
    return grid;
}

namespace {

// A line of sample figures under the entry boxes: price, shares, commission
// and cash dividend, each right-aligned in its column.
std::string sampleLine(std::initializer_list<const char*> figures)
{
    std::string line;
    for (const char* figure : figures)
        line += RightJustify(figure, 16);
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line;
}

} // namespace

std::string recordEntryQuickHelp()
{
    const std::vector<std::string> paragraphs{
        "On startup Funds = 0 unless a previously saved file was loaded from 'Open file from Disk' in the Fund "
        "Management menu. If Funds = greater than 0 then you have a database file in memory, click on Dn/Arrow "
        "beside Name of active Fund to see the list of funds in the database file, select a company/fund by "
        "clicking on it, fund records will show in spreadsheet. To add a new fund to the database, click Add Fund "
        "button for name input box.",
        "To add a record to the fund shown you must Select a Transaction Type from list by clicking the Dn/Arrow. "
        "This will activate the required record input boxes in the data entry row. It is important to select the "
        "right transaction type as this is used to calculate results.",
        "To Create a New Database File.",
        "With no database file in memory, Funds = 0 and Records = 0.  (1) Click Add Fund, type the fund name, Ok.  "
        "(2) Select the Transaction Type that applies to this record.  (3) Type the date of the transaction and "
        "your data in the green input boxes shown. (4) Click Add Record.",
        "The record will move down into the spreadsheet. Funds = 1 and Records = 1. These totals will increase by "
        "1 each time a fund or record is added to the database file.",
        "To add additional records to a company/fund shown in the Name of active Fund box. Select the Transaction "
        "Type and enter your data then click Add Record.  Add more funds to the database file at anytime by "
        "clicking Add Fund.",
        "To clear the record data row, click on the Transaction Type shown and press the Delete key.",
        "All records are shown sorted by the transaction date.",
        "All changes exist in computer memory only. Save and name your database file with Save Current File to "
        "Disk from the Fund Management Menu.",
        "Load a previously saved database file with Open a File from Disk from the Fund Management Menu.",
        "Shown below are 6 sample inputs which cover all possible transactions - most people will use only 3 of "
        "them.",
        "Bought",
        sampleLine({"10.00", "100", "50.00 or 0"}),
        "Shows data entry for shares Bought.",
        "Sold",
        sampleLine({"10.00", "100", "50.00 or 0"}),
        "Shows data entry for shares Sold.",
        "Cash Dividend",
        sampleLine({"", "", "", "100.00"}),
        "Shows data entry for total Cash Dividends.",
        "Dividend Shares",
        sampleLine({"10.00", "10"}),
        "Shows data entry for shares received as Dividends. (Mainly used by Mutual Funds).",
        "Also use for stock splits, enter the Price of each Share as: 0.0001 and the total Number of Shares "
        "received.",
        "Fee Cash",
        sampleLine({"", "", "100.00"}),
        "Shows data entry for a cash Fee charged that was not part of a trade.",
        "Unit Fee",
        sampleLine({"10.00", "5"}),
        "Shows data entry for Units/Shares sold to pay Management Fee. (Mutual Funds).",
        "Also use for reverse stock splits (where the number of shares decrease), enter the Price of each Share "
        "as: 0.0001 and the total Number of Shares reduction.",
        "To Delete a record, first click on the record number in the spreadsheet to select it then click the "
        "Delete Record button.",
        "To Correct a record, first click the on the record number in the spreadsheet to select it then click the "
        "Correct Record button. The record will be copied to the record input line. Make your changes then click "
        "Add Record.",
        "Fund Name or Transaction Type cannot be changed.",
        "To Delete a Fund Name all records in Fund must be deleted first. With no records left, clicking Delete "
        "Record will then delete the Fund Name.",
        "Book Value: A positive figure represents cash paid out by you, a negative figure cash received and .00 a "
        "none cash transaction",
        "Load the file DtaSampl.KVS and try out all the features.",
        "End",
    };
    std::string text;
    for (const std::string& paragraph : paragraphs) {
        if (!text.empty())
            text += "\r\n";
        text += paragraph;
    }
    return text;
}

} // namespace fiscalia
