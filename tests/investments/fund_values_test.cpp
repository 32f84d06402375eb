#include "app/calc_error.h"
#include "investments/fund_database.h"
#include "fund_builder.h"
#include "investments/fund_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace fiscalia;
using namespace fiscalia::test;

namespace {

auto& row(FundState& db, int fund) { return db.FundValueTable[static_cast<std::size_t>(fund)]; }

// The database summed, priced (the prices typed for funds 1, 2 ...) and valued.
FundState valued(std::initializer_list<const char*> funds, const std::vector<Entry>& entries,
                 std::initializer_list<const char*> prices)
{
    FundState db = database(funds, entries);
    sumFundRecords(db);
    int f = 1;
    for (const char* price : prices)
        row(db, f++)[2] = c(price);
    computeCurrentValues(db);
    return db;
}

std::string isoDate(const Date& date) { return date.toIso(); }

// Data row `r` (1 = first under the heading) of a table.
std::vector<std::string> tableRow(const TableTexts& t, int r)
{
    const auto first = t.cells.begin() + (r - 1) * t.cols;
    return {first, first + t.cols};
}

} // namespace

// ---- Current values ----

TEST(FundValues, EachFundsCurrentTotalGainAndGainPercent)
{
    struct Case {
        const char* what;
        std::vector<Entry> entries;
        const char* price;
        const char *shares, *book, *total, *gain, *percent;
    } cases[] = {
        {"bought 100 at 10.00 with 50.00 commission",
         {{1, T::Bought, "2020-01-01", "10", "100", "50"}}, "12", "100", "1050", "1200", "150", "14.2857"},
        {"dividend shares only: they cost nothing",
         {{1, T::DividendShares, "2020-01-01", "10", "10"}}, "12", "10", "0", "120", "120", "100"},
        {"sold out at a profit: the gain is measured on what was paid",
         {{1, T::Bought, "2020-01-01", "10", "100"}, {1, T::Sold, "2021-01-01", "12", "100"}}, "0", "0", "-200",
         "0", "200", "20"},
        {"sold out at a loss: the loss is measured on the book cost left",
         {{1, T::Bought, "2020-01-01", "10", "100"}, {1, T::Sold, "2021-01-01", "8", "100"}}, "0", "0", "200", "0",
         "-200", "-100"},
        {"a cash dividend lowers the book cost",
         {{1, T::Bought, "2020-01-01", "10", "100"}, {1, T::CashDividend, "2020-06-30", "0", "0", "0", "100"}},
         "10", "100", "900", "1000", "100", "11.1111"},
        {"units sold for a fee lower the shares but not the book cost",
         {{1, T::Bought, "2020-01-01", "10", "100"}, {1, T::UnitFee, "2020-06-30", "10", "5"}}, "10", "95", "1000",
         "950", "-50", "-5"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        FundState db = valued({"Growth"}, k.entries, {k.price});
        EXPECT_EQ(row(db, 1)[0], c(k.shares));
        EXPECT_EQ(row(db, 1)[1], c(k.book));
        EXPECT_EQ(row(db, 1)[3], c(k.total));
        EXPECT_EQ(row(db, 1)[4], c(k.gain));
        EXPECT_EQ(row(db, 1)[5], c(k.percent));
    }
}

TEST(FundValues, SummingAgainStartsFromZeroAndKeepsThePrices)
{
    FundState db = valued({"Growth", "Income"}, {{1, T::Bought, "2020-01-01", "10", "100", "50"}}, {"12", "7.5"});
    sumFundRecords(db);
    sumFundRecords(db);
    EXPECT_EQ(row(db, 1)[0], c("100"));
    EXPECT_EQ(row(db, 1)[1], c("1050"));
    EXPECT_EQ(row(db, 1)[2], c("12"));
    EXPECT_EQ(row(db, 1)[3], Currency());
    EXPECT_EQ(row(db, 2)[2], c("7.5"));
    EXPECT_EQ(row(db, 31)[3], Currency());
}

TEST(FundValues, TheTotalGainPercent)
{
    struct Case {
        const char* what;
        std::vector<Entry> entries;
        const char *price1, *book, *gain, *percent;
    } cases[] = {
        {"on the total book cost",
         {{1, T::Bought, "2020-01-01", "10", "100", "50"}, {2, T::Bought, "2020-01-01", "5", "200"}}, "12", "2050",
         "350", "17.0732"}, // 1200 + 1200 - 2050 = 350; 350 / 2050
        {"a total book cost of 0 leaves it at 0",
         {{1, T::DividendShares, "2020-01-01", "10", "10"}}, "12", "0", "120", "0"},
        {"below half a cent: on the total without sales",
         {{1, T::Bought, "2020-01-01", "10", "100"}, {1, T::Sold, "2021-01-01", "12", "100"}}, "0", "-200", "200",
         "20"},
        // Bought 1000, a 1000 cash dividend, half sold for 500: nothing is
        // left to measure on, and nothing is divided by 0.
        {"below half a cent and nothing paid without sales",
         {{1, T::Bought, "2020-01-01", "10", "100"}, {1, T::CashDividend, "2020-06-30", "0", "0", "0", "1000"},
          {1, T::Sold, "2021-01-01", "10", "50"}},
         "10", "-500", "1000", "0"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        FundState db;
        ASSERT_NO_THROW(db = valued({"Growth", "Income"}, k.entries, {k.price1, "6"}));
        EXPECT_EQ(row(db, 31)[1], c(k.book));
        EXPECT_EQ(row(db, 31)[4], c(k.gain));
        EXPECT_EQ(row(db, 31)[5], c(k.percent));
    }
}

TEST(FundValues, AValueTooLargeToHoldIsRefused)
{
    FundState db = database({"Growth"}, {{1, T::Bought, "2020-01-01", "10", "1000"}});
    sumFundRecords(db);
    row(db, 1)[2] = c("900000000000000");
    EXPECT_THROW(computeCurrentValues(db), CalcError);
}

TEST(FundValues, ShareOfTotalValueIsCutNotRounded)
{
    struct Case {
        const char *value, *total, *share;
    } cases[] = {
        {"33.339", "100", "33.33"},
        {"66.661", "100", "66.66"},
        {"200", "300", "66.66"}, // two thirds
        {"0.29", "1", "29"},     // exactly 29 %, not 28.99 from a binary fraction
        {"100", "100", "100"},
        {"0", "100", "0"},
        {"-5", "100", "0"},
        {"5", "0", "0"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.value) + " of " + k.total);
        FundState db = database({"Growth"}, {});
        row(db, 1)[3] = c(k.value);
        row(db, 31)[3] = c(k.total);
        EXPECT_EQ(shareOfTotalValue(db, 1), c(k.share));
    }
}

TEST(FundValues, TheFirstFundHeldWithoutAPrice)
{
    struct Case {
        const char* what;
        const char *shares1, *price1, *shares2, *price2;
        int unpriced;
    } cases[] = {
        {"all priced", "100", "12", "50", "3", 0},
        {"held without a price", "100", "0", "50", "3", 1},
        {"the second held without a price", "100", "12", "50", "0", 2},
        {"a price below 0", "100", "-1", "50", "3", 1},
        {"sold out: no price needed", "0", "0", "50", "3", 0},
        {"short: shares below 0 need a price too", "-10", "0", "50", "3", 1},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        FundState db = database({"Growth", "Income"}, {});
        row(db, 1)[0] = c(k.shares1);
        row(db, 1)[2] = c(k.price1);
        row(db, 2)[0] = c(k.shares2);
        row(db, 2)[2] = c(k.price2);
        EXPECT_EQ(firstUnpricedFund(db), k.unpriced);
    }
}

TEST(FundValues, TheCurrentValueTable)
{
    const FundState db = valued({"Growth", "Income"},
                                {{1, T::Bought, "2020-01-01", "10", "100", "50"},
                                 {2, T::DividendShares, "2020-03-01", "10", "10"}},
                                {"12", "12"});
    std::vector<std::optional<double>> returns(32);
    returns[1] = 10.0;
    returns[31] = 7.5;
    const TableTexts t = currentValueTable(db, returns, "$", {});
    EXPECT_EQ(t.rows, 35);
    EXPECT_EQ(t.cols, 9);
    ASSERT_EQ(t.cells.size(), 34u * 9u);
    EXPECT_EQ(t.headings[5], "  Gain or     Loss $");
    EXPECT_EQ(t.headings[8], "Annual return %");
    // 1200 and 120 of 1320: 90.909 % and 9.0909 %, cut.
    EXPECT_EQ(tableRow(t, 1), (std::vector<std::string>{"Growth", "100.0000", "1,050.00", "$12.00", "1,200.00",
                                                        "150.00", "14.29%", "90.90%", "10.00%"}));
    EXPECT_EQ(tableRow(t, 2), (std::vector<std::string>{"Income", "10.0000", ".00", "$12.00", "120.00", "120.00",
                                                        "100.00%", "9.09%", ""}));
    EXPECT_EQ(tableRow(t, 3), std::vector<std::string>(9));
    EXPECT_EQ(tableRow(t, 4), (std::vector<std::string>{"Total:", "110.0000", "$1,050.00", "", "$1,320.00",
                                                        "$270.00", "25.71%", "100.00%", "7.50%"}));
    EXPECT_EQ(tableRow(t, 5), std::vector<std::string>(9));

    // Annual returns not worked out (a short list) leave the column empty.
    const TableTexts none = currentValueTable(db, {}, "€", NumberSymbols{",", "."});
    EXPECT_EQ(tableRow(none, 1)[8], "");
    EXPECT_EQ(tableRow(none, 4)[8], "");
    EXPECT_EQ(tableRow(none, 4)[4], "€1.320,00");
    EXPECT_EQ(tableRow(none, 4)[7], "100,00%");
}

// ---- Records tables ----

TEST(FundRecordsTable, RowCounts)
{
    struct Case {
        const char* what;
        int records1, records2;
        int fund;
        int rows;
    } cases[] = {
        {"a fund of 3 records", 3, 0, 1, 25},
        {"a fund of 4 records", 4, 0, 1, 24},
        {"a fund of 10 records", 10, 2, 1, 30},
        {"a fund of no records", 0, 2, 1, 25},
        {"all funds, few records", 3, 2, 31, 25},  // 5 x 2 + 5 + 10
        {"all funds, more records", 10, 4, 31, 34}, // 5 x 2 + 14 + 10
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        FundState db = database({"Growth", "Income"}, {});
        for (int i = 0; i < k.records1 + k.records2; ++i) {
            db.RecordCount += 1;
            db.RecordTable[static_cast<std::size_t>(db.RecordCount)] =
                storeRecord(T::Bought, {c("10"), c("1"), {}, {}}, i < k.records1 ? 1 : 2, d("2020-01-01"),
                            db.RecordCount);
        }
        const RecordsTable r = recordsTable(db, k.fund, "$", {}, isoDate);
        EXPECT_EQ(r.table.rows, k.rows);
        EXPECT_EQ(r.table.cols, 8);
        EXPECT_EQ(r.table.cells.size(), static_cast<std::size_t>((k.rows - 1) * 8));
    }
}

TEST(FundRecordsTable, OneFund)
{
    const FundState db = database({"Growth", "Income"},
                                  {{1, T::Bought, "2020-01-01", "10", "100", "50"},
                                   {2, T::Bought, "2020-01-02", "5", "5"},
                                   {1, T::DividendShares, "2020-06-30", "12.5", "4"},
                                   {1, T::CashDividend, "2020-12-31", "0", "0", "0", "30"}});
    const RecordsTable r = recordsTable(db, 1, "$", {}, isoDate);
    EXPECT_EQ(r.caption, "Growth");
    EXPECT_EQ(r.table.rows, 25);
    EXPECT_EQ(r.table.headings[0], "       Type of       Transaction");
    EXPECT_EQ(tableRow(r.table, 1), (std::vector<std::string>{"Bought  ", "2020-01-01", "10.0000", "100.0000",
                                                              "50.00", ".00", ".00", "1,050.00"}));
    EXPECT_EQ(tableRow(r.table, 2), (std::vector<std::string>{"Div. Shares", "2020-06-30", "12.5000", "4.0000",
                                                              ".00", "50.00", ".00", ".00"}));
    EXPECT_EQ(tableRow(r.table, 3), (std::vector<std::string>{"Cash Div.", "2020-12-31", ".0000", ".0000", ".00",
                                                              ".00", "30.00", "-30.00"}));
    EXPECT_EQ(tableRow(r.table, 4), std::vector<std::string>(8));
    EXPECT_EQ(tableRow(r.table, 5), (std::vector<std::string>{"Total:", "", "", "104.0000", "$50.00", "$50.00",
                                                              "$30.00", "$1,020.00"}));
    // 1020 / 104 = 9.80769...
    EXPECT_EQ(tableRow(r.table, 6), (std::vector<std::string>{"Average cost per share =", "", "$9.8077", "", "", "",
                                                              "", ""}));
    EXPECT_EQ(tableRow(r.table, 7), std::vector<std::string>(8));
    EXPECT_EQ(r.averageCost, c("9.8077"));
}

TEST(FundRecordsTable, AFundOfCashDividendsOnlyOrOfNoRecords)
{
    const FundState db = database({"Income", "Empty"}, {{1, T::CashDividend, "2020-12-31", "0", "0", "0", "30"}});
    const RecordsTable cash = recordsTable(db, 1, "$", {}, isoDate);
    EXPECT_EQ(tableRow(cash.table, 3), (std::vector<std::string>{"Total:", "", "", ".0000", "$.00", "$.00",
                                                                 "$30.00", "$-30.00"}));
    EXPECT_EQ(tableRow(cash.table, 4)[0], "Average cost per share =");
    EXPECT_EQ(tableRow(cash.table, 4)[2], "$.0000");
    EXPECT_EQ(cash.averageCost, Currency());

    // No records: the block end keeps one empty row under the heading.
    const RecordsTable empty = recordsTable(db, 2, "$", {}, isoDate);
    EXPECT_EQ(tableRow(empty.table, 1), std::vector<std::string>(8));
    EXPECT_EQ(tableRow(empty.table, 2)[0], "Total:");
    EXPECT_EQ(tableRow(empty.table, 2)[7], "$.00");
    EXPECT_EQ(tableRow(empty.table, 3)[0], "Average cost per share =");
}

TEST(FundRecordsTable, AllFunds)
{
    // 27 characters, one of them two bytes long.
    const char* longName = "Global \xC3\x89quit\xC3\xA9s Growth FundX";
    ASSERT_EQ(charCount(longName), 27);
    const FundState db = database({longName, "Income", "Empty"},
                                  {{1, T::Bought, "2020-01-01", "10", "100", "50"},
                                   {2, T::Bought, "2020-01-02", "20", "10", "5"},
                                   {1, T::FeeCash, "2020-02-01", "0", "0", "25"},
                                   {2, T::UnitFee, "2020-03-01", "20", "1"}});
    const RecordsTable r = recordsTable(db, 31, "$", {}, isoDate);
    EXPECT_EQ(r.caption, "All Records");
    EXPECT_EQ(r.table.rows, 29); // 5 x 3 + 4 + 10
    EXPECT_EQ(r.table.headings[0], "Name and Type  of Transaction");

    const std::vector<std::string> blank(8);
    auto first = [&](int n) { return tableRow(r.table, n)[0]; };
    EXPECT_EQ(first(1), "Global \xC3\x89quit\xC3\xA9s Growth Fund");
    EXPECT_EQ(first(2), "Bought  ");
    EXPECT_EQ(first(3), "Fee Cash");
    EXPECT_EQ(tableRow(r.table, 4), blank);
    EXPECT_EQ(tableRow(r.table, 5), (std::vector<std::string>{"Total:", "", "", "100.0000", "$75.00", "$.00", "$.00",
                                                              "$1,075.00"}));
    EXPECT_EQ(tableRow(r.table, 6)[2], "$10.7500");
    EXPECT_EQ(tableRow(r.table, 7), blank);
    EXPECT_EQ(first(8), "Income");
    EXPECT_EQ(first(9), "Bought  ");
    EXPECT_EQ(first(10), "Unit Fee");
    EXPECT_EQ(tableRow(r.table, 10)[5], "-20.00");
    EXPECT_EQ(tableRow(r.table, 11), blank);
    EXPECT_EQ(tableRow(r.table, 12), (std::vector<std::string>{"Total:", "", "", "9.0000", "$5.00", "$-20.00",
                                                               "$.00", "$205.00"}));
    EXPECT_EQ(tableRow(r.table, 13)[2], "$22.7778"); // 205 / 9
    EXPECT_EQ(tableRow(r.table, 14), blank);
    EXPECT_EQ(first(15), "Empty");
    EXPECT_EQ(tableRow(r.table, 16), blank);
    EXPECT_EQ(first(17), "Total:");
    EXPECT_EQ(first(18), "Average cost per share =");
    EXPECT_EQ(tableRow(r.table, 19), blank);
    EXPECT_EQ(tableRow(r.table, 20), (std::vector<std::string>{"Total all Funds:", "", "", "109.0000", "$80.00",
                                                               "$-20.00", "$.00", "$1,280.00"}));
    for (int n = 21; n < r.table.rows; ++n)
        EXPECT_EQ(tableRow(r.table, n), blank);
    EXPECT_EQ(r.averageCost, Currency()); // of the empty fund, listed last

    // The caption of the fund alone keeps the whole name.
    EXPECT_EQ(recordsTable(db, 1, "$", {}, isoDate).caption, longName);
}

TEST(FundRecordsTable, AFundOutsideTheListIsRefused)
{
    const FundState db = database({"Growth"}, {});
    EXPECT_THROW((void)recordsTable(db, 0, "$", {}, isoDate), CalcError);
    EXPECT_THROW((void)recordsTable(db, 32, "$", {}, isoDate), CalcError);
}

// ---- Valuation of one fund ----

TEST(FundValuation, ValuingAFundAtATypedPrice)
{
    struct Case {
        const char* what;
        const char *price, *shares, *book, *bookNoSales;
        std::optional<const char*> earlier;
        const char *shownPrice, *value, *gain;
        std::optional<const char*> percent;
    } cases[] = {
        {"bought 100 for 1050.00 at 12.00", "12", "100", "1050", "1050", {}, "12", "1200", "150", "14.2857"},
        {"sold out at a profit: price 0, gain on what was paid", "15", "0", "-200", "1000", {}, "0", "0", "200",
         "20"},
        {"no gain: the earlier percent stays", "10", "100", "1000", "1000", "5.5", "10", "1000", "0", "5.5"},
        {"no gain and no earlier percent", "10", "100", "1000", "1000", {}, "10", "1000", "0", {}},
        {"sold out at a loss: the earlier percent stays", "9", "0", "200", "1000", "-7", "9", "0", "-200", "-7"},
        {"a loss", "8", "100", "1000", "1000", "5.5", "8", "800", "-200", "-20"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        FundSums sums;
        sums.shares = c(k.shares);
        sums.bookValue = c(k.book);
        sums.bookValueNoSales = c(k.bookNoSales);
        const std::optional<Currency> earlier = k.earlier ? std::optional(c(*k.earlier)) : std::nullopt;
        const Result<Valuation> v = valueFund(c(k.price), sums, earlier);
        ASSERT_TRUE(v.ok());
        EXPECT_EQ(v->price, c(k.shownPrice));
        EXPECT_EQ(v->value, c(k.value));
        EXPECT_EQ(v->gain, c(k.gain));
        EXPECT_EQ(v->gainPercent, k.percent ? std::optional(c(*k.percent)) : std::nullopt);
    }
}

TEST(FundValuation, WhatCannotBeWorkedOutIsAFailure)
{
    struct Case {
        const char* what;
        const char *price, *shares, *book, *bookNoSales;
    } cases[] = {
        {"dividend shares only: nothing paid to measure on", "12", "10", "0", "0"},
        {"shares held at price 0 with no book cost", "0", "100", "0", "0"},
        {"a value too large to hold", "900000000000000", "1000", "1000", "1000"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        FundSums sums;
        sums.shares = c(k.shares);
        sums.bookValue = c(k.book);
        sums.bookValueNoSales = c(k.bookNoSales);
        Result<Valuation> v = Failure{""};
        ASSERT_NO_THROW(v = valueFund(c(k.price), sums, c("3")));
        ASSERT_FALSE(v.ok());
        EXPECT_EQ(v.reason(), "Cannot calculate.");
    }
}

TEST(FundValuation, TheBlockAndTheTrailer)
{
    FundSums sums;
    sums.shares = c("100");
    sums.bookValue = c("1050");
    sums.bookValueNoSales = c("1050");
    const Valuation v = *valueFund(c("12"), sums, std::nullopt);
    EXPECT_EQ(valuationBlock(v, "$", {}),
              (std::vector<std::string>{"Current   ", "Total      ", "Gain or   ", "Gain or   ", "Price   ",
                                        "Value    ", "Loss $   ", "Loss %   ", "___________", "___________",
                                        "__________", "__________", "$12.00", "$1,200.00", "$150.00", "14.29%"}));
    const std::string rule = " " + std::string(77, '_');
    EXPECT_EQ(valuationTrailer(v, "$", {}),
              "\r\n\r\n\r\n Current Price                   Value                Gain $            Gain %\r\n" + rule
                  + "\r\n\r\n      $12.0000               $1,200.00               $150.00            14.29%\r\n");

    // Sold out at a profit: the price shows as 0.
    FundSums sold;
    sold.bookValue = c("-200");
    sold.bookValueNoSales = c("1000");
    const Valuation out = *valueFund(c("15"), sold, std::nullopt);
    EXPECT_EQ(valuationBlock(out, "$", {})[12], "$.00");
    EXPECT_EQ(valuationBlock(out, "$", {})[15], "20.00%");
    const std::string trailer = valuationTrailer(out, "$", {});
    EXPECT_EQ(trailer.substr(trailer.rfind("\r\n\r\n") + 4),
              "        $.0000                    $.00               $200.00            20.00%\r\n");

    // No percent yet: its place in the block is empty.
    Valuation unknown = v;
    unknown.gainPercent.reset();
    EXPECT_EQ(valuationBlock(unknown, "$", {})[15], "");
    const std::string blankPercent = valuationTrailer(unknown, "$", {});
    EXPECT_EQ(blankPercent.substr(blankPercent.size() - 27), "$150.00" + std::string(18, ' ') + "\r\n");
}

// ---- Annual return ----

TEST(FundAnnualReturn, MoneyWeightedReturnOfOneFund)
{
    struct Case {
        const char* what;
        std::vector<Entry> entries;
        const char* price;
        const char* today;
        double percent;
    } cases[] = {
        // 1000 grows to 1210 in two years: 1.1 squared.
        {"one purchase over two years", {{1, T::Bought, "2020-01-01", "10", "100"}}, "12.1", "2022-01-01", 10.0},
        // The same from the middle of a year: two calendar years.
        {"from 1 July to 1 July", {{1, T::Bought, "2019-07-01", "10", "100"}}, "12.1", "2021-07-01", 10.0},
        // 1000 (1+r)^2 + 1000 (1+r) = 2310 at r = 10 %.
        {"two purchases a year apart, 2310 at the end",
         {{1, T::Bought, "2020-01-01", "10", "100"}, {1, T::Bought, "2021-01-01", "10", "100"}}, "11.55",
         "2022-01-01", 10.0},
        // x^2 + x = 2.2 with x = 1 + r: x = (-1 + sqrt(9.8)) / 2 = 1.065248, r = 6.52 %.
        {"two purchases a year apart, 2200 at the end",
         {{1, T::Bought, "2020-01-01", "10", "100"}, {1, T::Bought, "2021-01-01", "10", "100"}}, "11",
         "2022-01-01", 6.5248},
        // 1000 paid, 800 back a year later.
        {"sold out at a loss",
         {{1, T::Bought, "2020-01-01", "10", "100"}, {1, T::Sold, "2021-01-01", "8", "100"}}, "0", "2022-01-01",
         -20.0},
        // 1000 paid; a year later a 100 dividend and 1000 still held: 1100 / 1000.
        {"a cash dividend counts as money received",
         {{1, T::Bought, "2020-01-01", "10", "100"}, {1, T::CashDividend, "2021-01-01", "0", "0", "0", "100"}},
         "10", "2021-01-01", 10.0},
        // 1000 left worth 1 after a year: -99.9 %.
        {"nearly everything lost", {{1, T::Bought, "2020-01-01", "10", "100"}}, "0.01", "2021-01-01", -99.9},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        FundState db = valued({"Growth"}, k.entries, {k.price});
        const std::optional<double> r = annualReturn(db, 1, d(k.today));
        ASSERT_TRUE(r.has_value());
        EXPECT_NEAR(*r, k.percent, 0.01);
    }
}

TEST(FundAnnualReturn, NothingWhenItCannotBeWorkedOut)
{
    struct Case {
        const char* what;
        std::vector<Entry> entries;
        const char* price;
        const char* today;
    } cases[] = {
        {"held without a price", {{1, T::Bought, "2020-01-01", "10", "100"}}, "0", "2022-01-01"},
        // Units all taken as fees: money paid in, nothing back.
        {"only money paid in",
         {{1, T::Bought, "2020-01-01", "10", "100"}, {1, T::UnitFee, "2021-01-01", "10", "100"}}, "10",
         "2022-01-01"},
        {"no money paid in", {{1, T::DividendShares, "2020-01-01", "10", "100"}}, "10", "2022-01-01"},
        {"no records", {}, "10", "2022-01-01"},
        {"bought and valued higher the same day", {{1, T::Bought, "2022-01-01", "10", "100"}}, "11", "2022-01-01"},
        {"a return beyond 10000 % a year", {{1, T::Bought, "2021-01-01", "0.01", "100"}}, "10000", "2022-01-01"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        FundState db = valued({"Growth"}, k.entries, {k.price});
        EXPECT_EQ(annualReturn(db, 1, d(k.today)), std::nullopt);
    }
}

TEST(FundAnnualReturn, TheWholePortfolio)
{
    // Fund 1: 1000 in 2020 worth 1210 in 2022; fund 2: 1000 in 2021 worth
    // 1100 in 2022. Together 1000 x^2 + 1000 x = 2310: 10 % as each alone.
    FundState db = valued({"Growth", "Income"},
                          {{1, T::Bought, "2020-01-01", "10", "100"}, {2, T::Bought, "2021-01-01", "10", "100"}},
                          {"12.1", "11"});
    const Date today = d("2022-01-01");
    EXPECT_NEAR(*annualReturn(db, 1, today), 10.0, 0.01);
    EXPECT_NEAR(*annualReturn(db, 2, today), 10.0, 0.01);
    EXPECT_NEAR(*annualReturn(db, 31, today), 10.0, 0.01);

    // Both bought in 2020 for 1000; after two years one is worth 1440 (20 %
    // a year) and the other 1000 (0 %): 2000 x^2 = 2440, x = sqrt(1.22).
    db = valued({"Growth", "Income"},
                {{1, T::Bought, "2020-01-01", "10", "100"}, {2, T::Bought, "2020-01-01", "10", "100"}},
                {"14.4", "10"});
    EXPECT_NEAR(*annualReturn(db, 1, today), 20.0, 0.01);
    EXPECT_NEAR(*annualReturn(db, 2, today), 0.0, 0.01);
    EXPECT_NEAR(*annualReturn(db, 31, today), (std::sqrt(1.22) - 1.0) * 100.0, 0.01);

    // One fund held without a price: the whole cannot be valued.
    row(db, 2)[2] = Currency();
    computeCurrentValues(db);
    EXPECT_EQ(annualReturn(db, 31, today), std::nullopt);
    EXPECT_NEAR(*annualReturn(db, 1, today), 20.0, 0.01);
}
