#include "app/calc_error.h"
#include "investments/fund_database.h"
#include "fund_builder.h"
#include "investments/fund_reports.h"

#include <gtest/gtest.h>

#include <array>

using namespace fiscalia;
using namespace fiscalia::test;

namespace {

// A fixed short date (m/d/yyyy), so no printout depends on the locale.
std::string shortDate(const Date& date)
{
    return std::to_string(date.month()) + "/" + std::to_string(date.day()) + "/" + std::to_string(date.year());
}


// Row `row` of the current value table: shares, book cost, price, current
// total, gain, gain %.
void setValues(FundState& db, int row, std::array<const char*, 6> values)
{
    for (std::size_t k = 0; k < values.size(); ++k)
        db.FundValueTable[static_cast<std::size_t>(row)][k] = c(values[k]);
}

FundReportSettings settings(const char* header, int pageLines)
{
    FundReportSettings s;
    s.header = header;
    s.printFontChoice = 1;
    s.pageLines = pageLines;
    return s;
}

} // namespace

// Twelve funds at 53 lines a page: the eleventh fund's block brings the
// counter from 50 to 54, so the page breaks after it; the twelfth fund and
// the totals go on the second page. Shares of the total are cut to two
// decimals (475 of 9000 is 5.27) and printed as plain numbers.
TEST(FundCurrentValueReport, TwelveFundsOnTwoPages)
{
    FundState db = emptyFundDatabase();
    const char* names[] = {"Alpha Growth", "Bond Index", "Cedar Value", "Delta Income", "Fund 05", "Fund 06",
                           "Fund 07",      "Fund 08",    "Fund 09",     "Fund 10",      "Fund 11", "Zeta Small Cap"};
    for (const char* name : names)
        ASSERT_TRUE(addFund(db, name));
    setValues(db, 1, {"250", "2500", "12", "3000", "500", "20"});
    setValues(db, 2, {"100", "1000", "11.25", "1125", "125", "12.5"});
    setValues(db, 3, {"0", "250", "9.5", "0", "-250", "-100"});
    setValues(db, 4, {"90", "2134.56", "10", "900", "-1234.56", "-57.84"});
    for (int f = 5; f <= 11; ++f)
        setValues(db, f, {"50", "400", "10", "500", "100", "25"});
    setValues(db, 12, {"47.5", "500", "10", "475", "-25", "-5"});
    setValues(db, AllRecordsSlot, {"837.5", "9184.56", "0", "9000", "-184.56", "-2.0094"});

    const Report report = currentValueReport(settings("Portfolio at 31 December", 53), db);
    EXPECT_EQ(report.printFontChoice, 1);
    ASSERT_EQ(report.pages.size(), 2u);
    const std::vector<std::string> page1 = {
        " Portfolio at 31 December",
        "",
        "                             Current Value of all Funds.",
        "",
        "   Name of     Number         Book    Current      Current       Gain/    Gain/",
        "      Fund     Shares         Cost      Price        Total      Loss $   Loss %",
        " ______________________________________________________________________________",
        "",
        " Alpha Growth (33.33%)",
        "",
        "             250.0000     2,500.00      12.00     3,000.00      500.00   20.00%",
        "",
        " Bond Index (12.5%)",
        "",
        "             100.0000     1,000.00      11.25     1,125.00      125.00   12.50%",
        "",
        " Cedar Value (0%)",
        "",
        "                .0000       250.00       9.50          .00     -250.00 -100.00%",
        "",
        " Delta Income (10%)",
        "",
        "              90.0000     2,134.56      10.00       900.00   -1,234.56  -57.84%",
        "",
        " Fund 05 (5.55%)",
        "",
        "              50.0000       400.00      10.00       500.00      100.00   25.00%",
        "",
        " Fund 06 (5.55%)",
        "",
        "              50.0000       400.00      10.00       500.00      100.00   25.00%",
        "",
        " Fund 07 (5.55%)",
        "",
        "              50.0000       400.00      10.00       500.00      100.00   25.00%",
        "",
        " Fund 08 (5.55%)",
        "",
        "              50.0000       400.00      10.00       500.00      100.00   25.00%",
        "",
        " Fund 09 (5.55%)",
        "",
        "              50.0000       400.00      10.00       500.00      100.00   25.00%",
        "",
        " Fund 10 (5.55%)",
        "",
        "              50.0000       400.00      10.00       500.00      100.00   25.00%",
        "",
        " Fund 11 (5.55%)",
        "",
        "              50.0000       400.00      10.00       500.00      100.00   25.00%",
        "",
        "",
        "",
        "                                       Page 1",
    };
    const std::vector<std::string> page2 = {
        "",
        "",
        " Zeta Small Cap (5.27%)",
        "",
        "              47.5000       500.00      10.00       475.00      -25.00   -5.00%",
        "",
        " ______________________________________________________________________________",
        "",
        " Total:    837.5000      $9,184.56               $9,000.00    $-184.56   -2.01%",
    };
    EXPECT_EQ(report.pages[0], page1);
    EXPECT_EQ(report.pages[1], page2);
}

// A loss wider than a thousand keeps its minus sign inside the gain field
// (columns 60 to 70); a lone fund holds 100 % of the value.
TEST(FundCurrentValueReport, ANegativeGainStaysInItsField)
{
    FundState db = emptyFundDatabase();
    ASSERT_TRUE(addFund(db, "Harbour Bonds"));
    setValues(db, 1, {"1000", "22345.67", "10", "10000", "-12345.67", "-55.25"});
    setValues(db, AllRecordsSlot, {"1000", "22345.67", "0", "10000", "-12345.67", "-55.25"});

    const Report report = currentValueReport(settings("", 53), db);
    ASSERT_EQ(report.pages.size(), 1u);
    const std::vector<std::string> page = {
        " ",
        "",
        "                             Current Value of all Funds.",
        "",
        "   Name of     Number         Book    Current      Current       Gain/    Gain/",
        "      Fund     Shares         Cost      Price        Total      Loss $   Loss %",
        " ______________________________________________________________________________",
        "",
        " Harbour Bonds (100%)",
        "",
        "           1,000.0000    22,345.67      10.00    10,000.00  -12,345.67  -55.25%",
        "",
        " ______________________________________________________________________________",
        "",
        " Total:  1,000.0000     $22,345.67              $10,000.00 $-12,345.67  -55.25%",
    };
    EXPECT_EQ(report.pages[0], page);
    EXPECT_EQ(report.pages[0][10].substr(59, 11), " -12,345.67");
}

// One fund's records (every type of transaction), its block end, then the
// valuation trailer printed line by line.
TEST(FundRecordsReport, OneFundFollowedByItsValuation)
{
    const FundState db = database({"Alpha Growth"}, {{1, T::Bought, "2024-01-15", "10", "100", "50"},
                                                     {1, T::DividendShares, "2024-03-31", "10.40", "2.5"},
                                                     {1, T::CashDividend, "2024-06-30", "0", "0", "0", "12.34"},
                                                     {1, T::Sold, "2024-09-16", "11", "20", "10"},
                                                     {1, T::FeeCash, "2024-10-01", "0", "0", "5"},
                                                     {1, T::UnitFee, "2024-12-31", "12", "0.5"}});
    const std::string trailer =
        "\r\n\r\n\r\n Current Price                   Value                Gain $            Gain %\r\n "
        + std::string(77, '_') + "\r\n\r\n" + "     " + " $12.0000" + std::string(12, ' ') + "     $984.00"
        + std::string(12, ' ') + "   $151.34" + std::string(11, ' ') + " 18.18" + "%\r\n";

    const Report report = recordsReport(settings("Alpha Growth records", 53), db, 1, trailer, shortDate);
    ASSERT_EQ(report.pages.size(), 1u);
    const std::vector<std::string> page = {
        " Alpha Growth records",
        "",
        "                               Alpha Growth",
        "",
        "",
        " Trans-           Trade    Share   Number     Comm     Div.    Cash        Book",
        " action            Date    Price   Shares     Fees   Shares    Div.       Value",
        " ______________________________________________________________________________",
        "",
        " Bought      1/15/2024     10.00  100.000    50.00     0.00     0.00   1,050.00",
        " Div. Shares 3/31/2024     10.40    2.500     0.00    26.00     0.00       0.00",
        " Cash Div.   6/30/2024      0.00    0.000     0.00     0.00    12.34     -12.34",
        " Sold        9/16/2024     11.00  -20.000    10.00     0.00     0.00    -210.00",
        " Fee Cash    10/1/2024      0.00    0.000     5.00     0.00     0.00       5.00",
        " Unit Fee    12/31/2024    12.00   -0.500     0.00    -6.00     0.00       0.00",
        " ______________________________________________________________________________",
        "",
        " Total:                            82.000   $65.00   $20.00   $12.34    $832.66",
        " Average Cost per Share  =  $10.1544",
        "",
        "",
        "",
        " Current Price                   Value                Gain $            Gain %",
        " _____________________________________________________________________________",
        "",
        "      $12.0000                 $984.00               $151.34            18.18%",
        "",
    };
    EXPECT_EQ(report.pages[0], page);
}

// The average cost follows "=" directly in a field of 10 characters: a
// narrow cost is padded, a wider one printed whole, and a fund sold out
// shows a cost of 0.
TEST(FundRecordsReport, TheAverageCostLine)
{
    auto averageLine = [](std::initializer_list<Entry> entries) {
        const FundState db = database({"Solo"}, entries);
        const Report report = recordsReport(settings("", 53), db, 1, "", shortDate);
        return report.pages.at(0).back();
    };
    EXPECT_EQ(averageLine({{1, T::Bought, "2024-01-15", "10", "100", "50"}}),
              " Average Cost per Share  =  $10.5000");
    EXPECT_EQ(averageLine({{1, T::Bought, "2024-01-15", "1234.5678", "10"}}),
              " Average Cost per Share  =$1,234.5678");
    EXPECT_EQ(averageLine({{1, T::Bought, "2024-01-15", "10", "100"}, {1, T::Sold, "2024-02-15", "12", "100"}}),
              " Average Cost per Share  =    $.0000");
}

// All funds at 19 lines a page: each fund's name line, its records and its
// block end. The counter starts at 9 and reaches 16 after Alpha Growth's
// block; Bond Index's name and two records bring it to 19, so the page
// breaks there and Bond Index's block end opens the second page. The grand
// totals add the funds' sums.
TEST(FundRecordsReport, AllFundsWithAPageBreakAndGrandTotals)
{
    const FundState db = database({"Alpha Growth", "Bond Index", "Cedar Value"},
                                  {{1, T::Bought, "2024-01-15", "10", "100", "50"},
                                   {2, T::Bought, "2024-02-01", "20", "25", "9.99"},
                                   {3, T::Bought, "2024-03-01", "5", "1000"},
                                   {3, T::FeeCash, "2024-04-01", "0", "0", "2.50"},
                                   {2, T::DividendShares, "2024-05-01", "20.50", "1.25"},
                                   {1, T::CashDividend, "2024-06-30", "0", "0", "0", "12.34"}});

    const Report report = recordsReport(settings("Every fund", 19), db, AllRecordsSlot, "", shortDate);
    ASSERT_EQ(report.pages.size(), 2u);
    const std::vector<std::string> page1 = {
        " Every fund",
        "",
        "                               All Records",
        "",
        "",
        " Trans-           Trade    Share   Number     Comm     Div.    Cash        Book",
        " action            Date    Price   Shares     Fees   Shares    Div.       Value",
        " ______________________________________________________________________________",
        "",
        " Alpha Growth",
        " Bought      1/15/2024     10.00  100.000    50.00     0.00     0.00   1,050.00",
        " Cash Div.   6/30/2024      0.00    0.000     0.00     0.00    12.34     -12.34",
        " ______________________________________________________________________________",
        "",
        " Total:                           100.000   $50.00     $.00   $12.34  $1,037.66",
        " Average Cost per Share  =  $10.3766",
        " Bond Index",
        " Bought      2/1/2024      20.00   25.000     9.99     0.00     0.00     509.99",
        " Div. Shares 5/1/2024      20.50    1.250     0.00    25.63     0.00       0.00",
        "",
        "",
        "                                       Page 1",
    };
    const std::vector<std::string> page2 = {
        "",
        "",
        " ______________________________________________________________________________",
        "",
        " Total:                            26.250    $9.99   $25.63     $.00    $509.99",
        " Average Cost per Share  =  $19.4282",
        " Cedar Value",
        " Bought      3/1/2024       5.001,000.000     0.00     0.00     0.00   5,000.00",
        " Fee Cash    4/1/2024       0.00    0.000     2.50     0.00     0.00       2.50",
        " ______________________________________________________________________________",
        "",
        " Total:                         1,000.000    $2.50     $.00     $.00  $5,002.50",
        " Average Cost per Share  =   $5.0025",
        " ______________________________________________________________________________",
        "",
        " Total all Funds:               1,126.25    $62.49   $25.63   $12.34  $6,550.15",
    };
    EXPECT_EQ(report.pages[0], page1);
    EXPECT_EQ(report.pages[1], page2);
}

// A fund number outside 1..31 is refused.
TEST(FundRecordsReport, AFundOutsideTheListIsRefused)
{
    const FundState db = database({"Alpha Growth"}, {});
    EXPECT_THROW(recordsReport(settings("", 53), db, 0, "", shortDate), CalcError);
    EXPECT_THROW(recordsReport(settings("", 53), db, 32, "", shortDate), CalcError);
}
