#include "app/calc_error.h"
#include "investments/fund_database.h"
#include "fund_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

using namespace fiscalia;
using namespace fiscalia::test;

namespace {

const FundRecord& record(const FundState& db, int slot) { return db.RecordTable[static_cast<std::size_t>(slot)]; }
const std::string& fundName(const FundState& db, int slot) { return db.FundList[static_cast<std::size_t>(slot)].name; }

// The dates of records 1..RecordCount, and whether every record's number is its slot.
std::vector<std::string> dates(const FundState& db)
{
    std::vector<std::string> out;
    for (int r = 1; r <= db.RecordCount; ++r) {
        out.push_back(record(db, r).date.toIso());
        EXPECT_EQ(record(db, r).number, r);
    }
    return out;
}

// The name of each record's fund, in record order.
std::vector<std::string> fundsOfRecords(const FundState& db)
{
    std::vector<std::string> out;
    for (int r = 1; r <= db.RecordCount; ++r)
        out.push_back(fundName(db, static_cast<int>(record(db, r).fund.toDouble())));
    return out;
}

} // namespace

TEST(FundRecords, StoringAnEntryGivesTheSharesAndBookValueOfItsType)
{
    struct Case {
        T type;
        const char *price, *shares, *commission, *cashDividend;
        const char *storedShares, *book;
    } cases[] = {
        {T::Bought, "10", "100", "50", "0", "100", "1050"},
        {T::Sold, "10", "100", "50", "0", "-100", "-950"},
        {T::CashDividend, "0", "0", "0", "100", "0", "-100"},
        {T::DividendShares, "10", "10", "0", "0", "10", "0"},
        {T::FeeCash, "0", "0", "25", "0", "0", "25"},
        {T::UnitFee, "10", "5", "0", "0", "-5", "0"},
        // The product is rounded to 4 decimals before the commission is added.
        {T::Bought, "0.3333", "3.3333", "9.99", "0", "3.3333", "11.101"},
        {T::Sold, "0.3333", "3.3333", "9.99", "0", "-3.3333", "8.879"},
        // A stock split: 0.0001 a share.
        {T::DividendShares, "0.0001", "500", "0", "0", "500", "0"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(typeInfo(k.type).listItem) + " " + k.price + " x " + k.shares);
        const FundRecord r = storeRecord(k.type, {c(k.price), c(k.shares), c(k.commission), c(k.cashDividend)}, 3,
                                         d("2001-05-17"), 12);
        EXPECT_EQ(r.shares, c(k.storedShares));
        EXPECT_EQ(r.bookValue, c(k.book));
        EXPECT_EQ(r.price, c(k.price));
        EXPECT_EQ(r.commission, c(k.commission));
        EXPECT_EQ(r.cashDividend, c(k.cashDividend));
        EXPECT_EQ(r.fund, Currency::fromInt(3));
        EXPECT_EQ(r.type, typeInfo(k.type).code);
        EXPECT_EQ(r.date, d("2001-05-17"));
        EXPECT_EQ(r.number, 12);
    }
}

TEST(FundRecords, TheTypesAndTheirCodes)
{
    const char* codes[] = {"B", "S", "C", "D", "F", "U"};
    for (int i = 0; i < TransactionTypeCount; ++i) {
        const auto type = typeFromCode(codes[i]);
        ASSERT_TRUE(type);
        EXPECT_EQ(static_cast<int>(*type), i);
    }
    EXPECT_FALSE(typeFromCode("b"));
    EXPECT_FALSE(typeFromCode(""));
    EXPECT_FALSE(typeFromCode("BS"));
}

TEST(FundRecords, WhichEntriesFitTheirType)
{
    struct Case {
        T type;
        const char *price, *shares, *commission, *cashDividend;
        bool fits;
    } cases[] = {
        {T::Bought, "10", "100", "50", "0", true},
        {T::Bought, "10", "100", "", "0", true},   // commission left empty
        {T::Bought, "10", "100", "-5", "0", true}, // a commission rebate
        {T::Bought, "0", "100", "50", "0", false},
        {T::Bought, "10", "0", "50", "0", false},
        {T::Bought, "10", "100", "0", "5", false},
        {T::Sold, "10", "100", "0", "0", true},
        {T::Sold, "10", "-100", "0", "0", false},
        {T::CashDividend, "", "", "", "100", true},
        {T::CashDividend, "10", "0", "0", "100", false},
        {T::CashDividend, "0", "0", "5", "100", false},
        {T::CashDividend, "0", "0", "0", "0", false},
        {T::DividendShares, "10", "10", "0", "0", true},
        {T::DividendShares, "10", "10", "1", "0", false},
        {T::DividendShares, "0", "10", "0", "0", false},
        {T::FeeCash, "0", "0", "100", "0", true},
        {T::FeeCash, "0", "5", "100", "0", false},
        {T::FeeCash, "0", "0", "-100", "0", false},
        {T::UnitFee, "10", "5", "0", "0", true},
        {T::UnitFee, "10", "5", "0", "1", false},
        {T::UnitFee, "10", "0", "0", "0", false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(typeInfo(k.type).listItem) + " " + k.price + "/" + k.shares + "/" + k.commission
                     + "/" + k.cashDividend);
        EXPECT_EQ(entryFitsType(k.type, {c(k.price), c(k.shares), c(k.commission), c(k.cashDividend)}), k.fits);
    }
}

TEST(FundRecords, DescribingAStoredRecord)
{
    auto stored = [](T type, const char* price, const char* shares, const char* commission, const char* cash) {
        return storeRecord(type, {c(price), c(shares), c(commission), c(cash)}, 1, d("2000-01-01"), 1);
    };
    FundRecord cashWithPrice = stored(T::CashDividend, "0", "0", "0", "10");
    cashWithPrice.price = c("1");
    FundRecord sharesWithBook = stored(T::DividendShares, "10", "1", "0", "0");
    sharesWithBook.bookValue = c("10");
    FundRecord feeWithPrice = stored(T::FeeCash, "0", "0", "5", "0");
    feeWithPrice.price = c("2");
    FundRecord unitFeeFree = stored(T::UnitFee, "10", "1", "0", "0");
    unitFeeFree.price = Currency();
    FundRecord unknown = stored(T::Bought, "10", "1", "0", "0");
    unknown.type = "X";

    const std::pair<FundRecord, const char*> cases[] = {
        {stored(T::Bought, "10", "100", "50", "0"), "Bought  "},
        {stored(T::Sold, "10", "100", "50", "0"), "Sold    "},
        {stored(T::CashDividend, "0", "0", "0", "100"), "Cash Div."},
        {stored(T::DividendShares, "10", "10", "0", "0"), "Div. Shares"},
        {stored(T::FeeCash, "0", "0", "100", "0"), "Fee Cash"},
        {stored(T::UnitFee, "10", "5", "0", "0"), "Unit Fee"},
        {cashWithPrice, ""},
        {sharesWithBook, ""},
        {feeWithPrice, ""},
        {unitFeeFree, ""},
        {unknown, ""},
        {FundRecord{}, ""},
    };
    for (const auto& [r, name] : cases) {
        SCOPED_TRACE(r.type + " at " + r.price.toPlainString());
        EXPECT_EQ(describeRecordType(r), name);
    }
}

TEST(FundSums, SumsOfAFundLeaveOtherFundsOut)
{
    const FundState db = database({"Growth Fund", "Income Fund"},
                                  {{1, T::Bought, "1999-01-15", "10", "100", "50"},
                                   {2, T::Bought, "1999-02-01", "20", "10", "5"},
                                   {1, T::CashDividend, "1999-06-30", "0", "0", "0", "25"},
                                   {1, T::DividendShares, "1999-12-31", "11", "4"},
                                   {1, T::UnitFee, "2000-03-31", "12", "1.5"},
                                   {1, T::FeeCash, "2000-04-01", "0", "0", "30"},
                                   {1, T::Sold, "2000-06-01", "15", "50", "20"}});
    const FundSums s = fundSums(db, 1);
    EXPECT_EQ(s.shares, c("52.5"));                      // 100 + 4 - 1.5 - 50
    EXPECT_EQ(s.bookValue, c("325"));                    // 1050 - 25 + 30 - 730
    EXPECT_EQ(s.bookValueNoSales, c("1055"));
    EXPECT_EQ(s.commission, c("100"));                   // 50 + 30 + 20
    EXPECT_EQ(s.cashDividends, c("25"));
    EXPECT_EQ(s.dividendSharesValue, c("26"));           // 44 - 18
    EXPECT_EQ(averageCost(s.shares, s.bookValue), c("6.1905")); // 325 / 52.5
    EXPECT_EQ(fundSums(db, 2).bookValue, c("205"));
    EXPECT_EQ(fundSums(db, 3).shares, Currency());
}

TEST(FundSums, AverageCost)
{
    struct Case {
        const char *shares, *book, *average;
    } cases[] = {
        {"100", "1050", "10.5"},
        {"3", "10", "3.3333"},
        {"0", "-100", "0"},      // sold out at a profit
        {"0.004", "5", "0"},     // a sliver of a share left over
        {"0.005", "5", "0"},
        {"0.0051", "5", "980.3922"},
        {"10", "0.004", "0"},    // next to no cost left
        {"10", "-50", "0"},      // more cash back than paid in
        {"-10", "50", "0"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.shares) + " shares, book " + k.book);
        EXPECT_EQ(averageCost(c(k.shares), c(k.book)), c(k.average));
    }
}

TEST(FundSums, AFundBoughtAndSoldOutAtAProfitHasNoAverageCost)
{
    const FundState db = database({"Maple Leaf Bank"}, {{1, T::Bought, "2001-01-02", "10", "100", "50"},
                                                        {1, T::Sold, "2002-01-02", "12", "100", "50"}});
    const FundSums s = fundSums(db, 1);
    EXPECT_EQ(s.shares, Currency());
    EXPECT_EQ(s.bookValue, c("-100"));
    EXPECT_EQ(averageCost(s.shares, s.bookValue), Currency());
}

TEST(FundSorting, RecordsOfOneDateStayWhereTheyAre)
{
    FundState db = emptyFundDatabase();
    ASSERT_TRUE(addFund(db, "Growth Fund"));
    for (int r = 1; r <= RecordLimit; ++r)
        db.RecordTable[static_cast<std::size_t>(r)] =
            storeRecord(T::Bought, {Currency::fromInt(r), c("1"), {}, {}}, 1, d("2003-03-03"), r);
    db.RecordCount = RecordLimit;
    sortRecordsByDate(db);
    for (int r = 1; r <= RecordLimit; ++r) {
        ASSERT_EQ(record(db, r).price, Currency::fromInt(r)) << "record " << r;
        ASSERT_EQ(record(db, r).number, r);
    }
}

TEST(FundSorting, ShuffledRecordsComeOutInDateOrder)
{
    FundState db = database({"Growth Fund", "Income Fund"},
                            {{1, T::Bought, "2004-07-01", "40", "1"},
                             {2, T::Bought, "1998-02-10", "10", "1"},
                             {1, T::CashDividend, "2001-12-31", "0", "0", "0", "30"},
                             {2, T::Sold, "1999-11-30", "20", "1"},
                             {1, T::Bought, "2078-01-01", "50", "1"},
                             {1, T::FeeCash, "1998-02-09", "0", "0", "5"},
                             {2, T::UnitFee, "2003-01-01", "35", "1"}});
    sortRecordsByDate(db);
    EXPECT_EQ(dates(db), (std::vector<std::string>{"1998-02-09", "1998-02-10", "1999-11-30", "2001-12-31",
                                                   "2003-01-01", "2004-07-01", "2078-01-01"}));
    // Whole records moved, not just their dates.
    EXPECT_EQ(record(db, 1).type, "F");
    EXPECT_EQ(record(db, 1).commission, c("5"));
    EXPECT_EQ(record(db, 3).type, "S");
    EXPECT_EQ(record(db, 3).shares, c("-1"));
    EXPECT_EQ(fundsOfRecords(db), (std::vector<std::string>{"Growth Fund", "Income Fund", "Income Fund",
                                                            "Growth Fund", "Income Fund", "Growth Fund",
                                                            "Growth Fund"}));
}

TEST(FundSorting, FundsSortByNameAndTheirRecordsFollow)
{
    FundState db = database({"Zeta Mining", "apple growers", "Northern Utilities", "Alpha Fund"},
                            {{1, T::Bought, "1999-01-01", "1", "1"},
                             {2, T::Bought, "1999-01-02", "2", "1"},
                             {3, T::Bought, "1999-01-03", "3", "1"},
                             {4, T::Bought, "1999-01-04", "4", "1"},
                             {1, T::Sold, "1999-01-05", "5", "1"}});
    sortFundsByName(db);
    // Byte order: capitals before small letters.
    EXPECT_EQ(fundName(db, 1), "Alpha Fund");
    EXPECT_EQ(fundName(db, 2), "Northern Utilities");
    EXPECT_EQ(fundName(db, 3), "Zeta Mining");
    EXPECT_EQ(fundName(db, 4), "apple growers");
    for (int f = 1; f <= 4; ++f)
        EXPECT_EQ(db.FundList[static_cast<std::size_t>(f)].numberText, fundNumberText(f));
    EXPECT_EQ(fundsOfRecords(db), (std::vector<std::string>{"Zeta Mining", "apple growers", "Northern Utilities",
                                                            "Alpha Fund", "Zeta Mining"}));
    EXPECT_EQ(db.FundList[AllRecordsSlot].name, "All Records");
}

TEST(FundEditing, RemovingARecordKeepsTheOthersInOrder)
{
    const FundState start = database({"Growth Fund"}, {{1, T::Bought, "1998-05-01", "1", "1"},
                                                       {1, T::Bought, "2001-05-01", "2", "1"},
                                                       {1, T::Bought, "2001-05-01", "3", "1"},
                                                       {1, T::Bought, "2078-12-31", "4", "1"},
                                                       {1, T::Bought, "2090-06-15", "5", "1"}});
    auto prices = [](const FundState& db) {
        std::vector<std::string> out;
        for (int r = 1; r <= db.RecordCount; ++r)
            out.push_back(record(db, r).price.toPlainString());
        return out;
    };
    struct Case {
        int remove;
        std::vector<std::string> left;
    } cases[] = {
        {1, {"2", "3", "4", "5"}},
        {2, {"1", "3", "4", "5"}},
        {4, {"1", "2", "3", "5"}}, // dated after 2078: still found and removed
        {5, {"1", "2", "3", "4"}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE("removing record " + std::to_string(k.remove));
        FundState db = start;
        ASSERT_TRUE(removeRecord(db, k.remove));
        EXPECT_EQ(db.RecordCount, 4);
        EXPECT_EQ(prices(db), k.left);
        dates(db); // the numbers follow the slots
        EXPECT_TRUE(record(db, 5).type.empty());
        EXPECT_EQ(record(db, 5).price, Currency());
    }
    FundState db = start;
    EXPECT_FALSE(removeRecord(db, 0));
    EXPECT_FALSE(removeRecord(db, 6));
    EXPECT_EQ(db.RecordCount, 5);
}

TEST(FundEditing, RemovingAFundMovesTheFollowersUpWithTheirRecords)
{
    FundState db = database({"Growth Fund", "Closed Fund", "Income Fund", "Maple Leaf Bank"},
                            {{1, T::Bought, "1999-01-01", "1", "1"},
                             {3, T::Bought, "1999-01-02", "3", "1"},
                             {4, T::Bought, "1999-01-03", "4", "1"},
                             {3, T::CashDividend, "1999-01-04", "0", "0", "0", "2"}});
    EXPECT_FALSE(removeFund(db, 1)); // still has records
    EXPECT_FALSE(removeFund(db, 5));
    ASSERT_TRUE(removeFund(db, 2));
    EXPECT_EQ(db.FundCount, 3);
    EXPECT_EQ(fundName(db, 1), "Growth Fund");
    EXPECT_EQ(fundName(db, 2), "Income Fund");
    EXPECT_EQ(fundName(db, 3), "Maple Leaf Bank");
    EXPECT_EQ(db.FundList[3].numberText, " 3");
    EXPECT_TRUE(fundName(db, 4).empty());
    EXPECT_TRUE(db.FundList[4].numberText.empty());
    EXPECT_EQ(fundsOfRecords(db),
              (std::vector<std::string>{"Growth Fund", "Income Fund", "Maple Leaf Bank", "Income Fund"}));
    EXPECT_EQ(recordCountOfFund(db, 2), 2);
}

TEST(FundEditing, AfterRemovingAFundTheRestAreInNameOrder)
{
    FundState db = database({"Zeta Mining", "Empty Fund", "Alpha Fund"},
                            {{1, T::Bought, "1999-01-01", "1", "1"}, {3, T::Bought, "1999-01-02", "3", "1"}});
    ASSERT_TRUE(removeFund(db, 2));
    EXPECT_EQ(fundName(db, 1), "Alpha Fund");
    EXPECT_EQ(fundName(db, 2), "Zeta Mining");
    EXPECT_EQ(fundsOfRecords(db), (std::vector<std::string>{"Zeta Mining", "Alpha Fund"}));
}

TEST(FundEditing, ThirtyFundsAtMost)
{
    FundState db = emptyFundDatabase();
    for (int f = 1; f <= FundLimit; ++f) {
        ASSERT_TRUE(addFund(db, "Fund " + std::to_string(f)));
        EXPECT_EQ(db.FundList[static_cast<std::size_t>(f)].numberText, " " + std::to_string(f));
    }
    EXPECT_FALSE(addFund(db, "One too many"));
    EXPECT_EQ(db.FundCount, FundLimit);
    EXPECT_EQ(db.FundList[AllRecordsSlot].name, "All Records");
    EXPECT_EQ(db.FundList[AllRecordsSlot].numberText, "31");
}

TEST(FundEditing, TheFirstFundWithoutRecords)
{
    auto unnamedSecond = database({"Growth Fund", "Income Fund", "Maple Leaf Bank"},
                                  {{1, T::Bought, "1999-01-01", "1", "1"}});
    unnamedSecond.FundList[2].name.clear();
    struct Case {
        const char* what;
        FundState db;
        int empty;
    } cases[] = {
        {"no funds", emptyFundDatabase(), 0},
        {"every fund has records",
         database({"Growth Fund", "Income Fund"},
                  {{2, T::Bought, "1999-01-01", "1", "1"}, {1, T::Bought, "1999-01-02", "1", "1"}}),
         0},
        {"the second is empty",
         database({"Growth Fund", "Income Fund", "Maple Leaf Bank"},
                  {{1, T::Bought, "1999-01-01", "1", "1"}, {3, T::Bought, "1999-01-02", "1", "1"}}),
         2},
        {"a fund just added", database({"Growth Fund"}, {}), 1},
        {"an unnamed slot is passed over", unnamedSecond, 3},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        EXPECT_EQ(firstEmptyFund(k.db), k.empty);
    }
}

TEST(FundDisplay, DatabaseInfo)
{
    struct Case {
        const char* file;
        int funds, records;
        const char* text;
    } cases[] = {
        {"", 0, 0, " None "},
        {"Growth.kvs", 0, 0, " None "},
        {"Growth.kvs", 3, 45, " Growth.kvs    Funds = 3    Records = 45 "},
        {"", 3, 45, " Funds = 3    Records = 45 "},
        {"", 1, 0, " Funds = 1    Records = 0 "},
    };
    for (const Case& k : cases)
        EXPECT_EQ(databaseInfo(k.file, k.funds, k.records), k.text) << k.file << " " << k.funds;
}

namespace {

std::string isoDate(const Date& date) { return date.toIso(); }

std::vector<std::string> gridRow(const RecordsGrid& grid, int row)
{
    const auto first = grid.cells.begin() + (row - 1) * 9;
    return {first, first + 9};
}

} // namespace

TEST(FundDisplay, TheRecordsGridOfABigFundGrowsWithIt)
{
    FundState db = database({"Growth Fund", "Income Fund"}, {});
    auto add = [&](int fund, T type, const char* date, EntryValues v) {
        db.RecordCount += 1;
        db.RecordTable[static_cast<std::size_t>(db.RecordCount)] = storeRecord(type, v, fund, d(date), db.RecordCount);
    };
    add(1, T::Bought, "1998-01-05", {c("10"), c("1000"), c("50"), {}});
    add(2, T::Bought, "1998-02-05", {c("99"), c("1"), {}, {}});
    for (int m = 1; m <= 6; ++m)
        add(1, T::CashDividend, ("1999-0" + std::to_string(m) + "-28").c_str(), {{}, {}, {}, c("12.5")});
    add(1, T::DividendShares, "2000-01-31", {c("12.25"), c("8"), {}, {}});
    add(1, T::UnitFee, "2000-02-29", {c("12.5"), c("2"), {}, {}});
    add(1, T::Sold, "2000-03-31", {c("13"), c("500.5"), c("45"), {}});
    ASSERT_EQ(recordCountOfFund(db, 1), 10);

    const RecordsGrid grid = recordsGrid(db, 1, "$", {}, isoDate);
    EXPECT_EQ(grid.rows, 14);
    ASSERT_EQ(grid.cells.size(), 13u * 9u);
    EXPECT_EQ(gridRow(grid, 1), (std::vector<std::string>{"1", "Bought  ", "1998-01-05", "10.0000", "1,000.0000",
                                                          "50.00", ".00", ".00", "10,050.00"}));
    EXPECT_EQ(gridRow(grid, 2), (std::vector<std::string>{"2", "Cash Div.", "1999-01-28", ".0000", ".0000", ".00",
                                                          ".00", "12.50", "-12.50"}));
    EXPECT_EQ(gridRow(grid, 8)[6], "98.00");
    EXPECT_EQ(gridRow(grid, 9)[4], "-2.0000");
    EXPECT_EQ(gridRow(grid, 9)[6], "-25.00");
    EXPECT_EQ(gridRow(grid, 10), (std::vector<std::string>{"10", "Sold    ", "2000-03-31", "13.0000", "-500.5000",
                                                           "45.00", ".00", ".00", "-6,461.50"}));
    EXPECT_EQ(gridRow(grid, 11), std::vector<std::string>(9));
    EXPECT_EQ(gridRow(grid, 12), (std::vector<std::string>{"Total:", "", "", "", "505.5000", "$95.00", "$73.00",
                                                           "$75.00", "$3,513.50"}));
    EXPECT_EQ(gridRow(grid, 13), std::vector<std::string>(9));
    EXPECT_EQ(grid.averageCost, c("6.9505")); // 3513.50 / 505.5
}

TEST(FundDisplay, TheRecordsGridOfASmallOrEmptyFund)
{
    const FundState db = database({"Growth Fund", "Income Fund", "Maple Leaf Bank"},
                                  {{2, T::Bought, "2002-03-04", "10", "100", "50"},
                                   {1, T::Bought, "2002-03-05", "1", "1"},
                                   {2, T::FeeCash, "2002-04-05", "0", "0", "1234.5"}});
    NumberSymbols european{",", "."};
    auto dayFirst = [](const Date& date) {
        return std::to_string(date.day()) + "/" + std::to_string(date.month()) + "/" + std::to_string(date.year());
    };
    const RecordsGrid grid = recordsGrid(db, 2, "€", european, dayFirst);
    EXPECT_EQ(grid.rows, 13);
    ASSERT_EQ(grid.cells.size(), 12u * 9u);
    EXPECT_EQ(gridRow(grid, 2), (std::vector<std::string>{"2", "Fee Cash", "5/4/2002", ",0000", ",0000", "1.234,50",
                                                          ",00", ",00", "1.234,50"}));
    EXPECT_EQ(gridRow(grid, 4), (std::vector<std::string>{"Total:", "", "", "", "100,0000", "€1.284,50", "€,00",
                                                          "€,00", "€2.284,50"}));
    EXPECT_EQ(grid.averageCost, c("22.845"));

    // No records: the Total row stands two rows down with nothing summed.
    const RecordsGrid none = recordsGrid(db, 3, "$", {}, isoDate);
    EXPECT_EQ(none.rows, 13);
    EXPECT_EQ(gridRow(none, 1), std::vector<std::string>(9));
    EXPECT_EQ(gridRow(none, 2), (std::vector<std::string>{"Total:", "", "", "", ".0000", "$.00", "$.00", "$.00",
                                                          "$.00"}));
    EXPECT_EQ(none.averageCost, Currency());
}

TEST(FundDisplay, QuickHelpSampleLinesKeepTheirColumns)
{
    const std::string help = recordEntryQuickHelp();
    std::vector<std::string> lines;
    for (std::size_t start = 0;;) {
        const std::size_t end = help.find("\r\n", start);
        lines.push_back(help.substr(start, end - start));
        if (end == std::string::npos)
            break;
        start = end + 2;
    }
    for (const std::string& line : lines)
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
    EXPECT_EQ(lines.back(), "End");
    EXPECT_EQ(lines[2], "To Create a New Database File.");
    EXPECT_NE(help.find("Load the file DtaSampl.KVS and try out all the features."), std::string::npos);
    // Each sample's figures stand apart by runs of blanks, so the panel does
    // not wrap them.
    const std::pair<const char*, std::regex> samples[] = {
        {"Bought", std::regex(R"(\s*10\.00 {3,}100 {3,}50\.00 or 0)")},
        {"Sold", std::regex(R"(\s*10\.00 {3,}100 {3,}50\.00 or 0)")},
        {"Cash Dividend", std::regex(R"( {3,}100\.00)")},
        {"Dividend Shares", std::regex(R"(\s*10\.00 {3,}10)")},
        {"Fee Cash", std::regex(R"( {3,}100\.00)")},
        {"Unit Fee", std::regex(R"(\s*10\.00 {3,}5)")},
    };
    for (const auto& [name, figures] : samples) {
        const auto at = std::find(lines.begin(), lines.end(), name);
        ASSERT_NE(at, lines.end()) << name;
        ASSERT_NE(at + 1, lines.end());
        EXPECT_TRUE(std::regex_match(*(at + 1), figures)) << name << ": [" << *(at + 1) << "]";
        EXPECT_EQ((at + 2)->rfind("Shows data entry for ", 0), 0u) << name;
    }
}

TEST(FundDatabase, ADamagedCountIsRefusedNotRead)
{
    FundState db = emptyFundDatabase();
    db.RecordCount = RecordSlots;
    EXPECT_THROW(sortRecordsByDate(db), CalcError);
    db.RecordCount = 0;
    db.FundCount = FundSlots;
    EXPECT_THROW(sortFundsByName(db), CalcError);
}
