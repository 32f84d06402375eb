#include "app/app_state.h"
#include "growth/growth_reports.h"

#include <gtest/gtest.h>

using namespace fiscalia;

namespace {

// The 401(k) defaults over 50 years: the opening balance line and 26 years
// fill the first page, the other 24 years and the totals the second.
const std::vector<std::string> FiftyYearFirstPage = {
    " Fifty years",
    "",
    "                        Investment Growth - 401K Plan",
    "",
    "",
    " Current balance in your 401K account                  $10,000.00",
    "",
    " Your current annual salary                            $50,000.00",
    "",
    " Your annual 401K rate of contribution                       5.00%",
    "",
    " The company contribution rate                               4.00%",
    "",
    " Estimated rate of annual salary raises                      4.00%",
    "",
    " Annual rate of return on your 401K                         10.00%",
    "",
    " Estimated rate of annual inflation                           .00%",
    "",
    " The number of years to retirement                             50",
    "",
    "",
    "  Year   Annual Salary   Contributions   Interest/Growth    Current Value",
    "  _______________________________________________________________________",
    "",
    "                                                                10,000.00",
    "   1         50,000.00       4,500.00           1,450.00        15,950.00",
    "   2         52,000.00       4,680.00           2,063.00        22,693.00",
    "   3         54,080.00       4,867.20           2,756.02        30,316.22",
    "   4         56,243.20       5,061.89           3,537.81        38,915.92",
    "   5         58,492.93       5,264.36           4,418.03        48,598.31",
    "   6         60,832.65       5,474.94           5,407.33        59,480.57",
    "   7         63,265.95       5,693.94           6,517.45        71,691.96",
    "   8         65,796.59       5,921.69           7,761.37        85,375.02",
    "   9         68,428.45       6,158.56           9,153.36       100,686.94",
    "  10         71,165.59       6,404.90          10,709.18       117,801.02",
    "  11         74,012.21       6,661.10          12,446.21       136,908.34",
    "  12         76,972.70       6,927.54          14,383.59       158,219.47",
    "  13         80,051.61       7,204.64          16,542.41       181,966.52",
    "  14         83,253.68       7,492.83          18,945.94       208,405.29",
    "  15         86,583.82       7,792.54          21,619.78       237,817.62",
    "  16         90,047.18       8,104.25          24,592.19       270,514.05",
    "  17         93,649.06       8,428.42          27,894.25       306,836.71",
    "  18         97,395.02       8,765.55          31,560.23       347,162.49",
    "  19        101,290.83       9,116.17          35,627.87       391,906.53",
    "  20        105,342.46       9,480.82          40,138.74       441,526.09",
    "  21        109,556.16       9,860.05          45,138.61       496,524.76",
    "  22        113,938.40      10,254.46          50,677.92       557,457.14",
    "  23        118,495.94      10,664.63          56,812.18       624,933.95",
    "  24        123,235.78      11,091.22          63,602.52       699,627.69",
    "  25        128,165.21      11,534.87          71,116.26       782,278.81",
    "  26        133,291.82      11,996.26          79,427.51       873,702.58",
    "",
    "",
    "                                       Page 1",
};

const std::vector<std::string> FiftyYearSecondPage = {
    "",
    "",
    "",
    "  Year   Annual Salary   Contributions   Interest/Growth    Current Value",
    "  _______________________________________________________________________",
    "",
    "  27        138,623.49      12,476.11          88,617.87       974,796.57",
    "  28        144,168.43      12,975.16          98,777.17     1,086,548.90",
    "  29        149,935.17      13,494.16         110,004.31     1,210,047.37",
    "  30        155,932.57      14,033.93         122,408.13     1,346,489.43",
    "  31        162,169.88      14,595.29         136,108.47     1,497,193.20",
    "  32        168,656.67      15,179.10         151,237.23     1,663,609.53",
    "  33        175,402.94      15,786.26         167,939.58     1,847,335.37",
    "  34        182,419.05      16,417.71         186,375.31     2,050,128.40",
    "  35        189,715.82      17,074.42         206,720.29     2,273,923.11",
    "  36        197,304.45      17,757.40         229,168.05     2,520,848.56",
    "  37        205,196.63      18,467.70         253,931.63     2,793,247.89",
    "  38        213,404.49      19,206.40         281,245.43     3,093,699.72",
    "  39        221,940.67      19,974.66         311,367.44     3,425,041.83",
    "  40        230,818.30      20,773.65         344,581.55     3,790,397.03",
    "  41        240,051.03      21,604.59         381,200.17     4,193,201.79",
    "  42        249,653.07      22,468.78         421,567.06     4,637,237.62",
    "  43        259,639.20      23,367.53         466,060.52     5,126,665.67",
    "  44        270,024.76      24,302.23         515,096.80     5,666,064.70",
    "  45        280,825.75      25,274.32         569,133.91     6,260,472.92",
    "  46        292,058.78      26,285.29         628,675.83     6,915,434.05",
    "  47        303,741.14      27,336.70         694,277.09     7,637,047.83",
    "  48        315,890.78      28,430.17         766,547.81     8,432,025.81",
    "  49        328,526.41      29,567.38         846,159.33     9,307,752.52",
    "  50        341,667.47      30,750.07         933,850.27    10,272,352.86",
    "  _______________________________________________________________________",
    "",
    " Total:                   $697,001.86      $9,575,351.01    $10,272,352.86",
};

// Thirteen comparisons, some named: the 13th on a page of its own.
const std::vector<std::string> ComparisonsFirstPage = {
    " Thirteen",
    "",
    "                          Annual Compounding Comparisons",
    "",
    "",
    " Term in          Cost of         Current or      Compounded at   Total Rate(%)",
    "  Years        Investment       Future Value     Annual Rate(%)     over Period",
    " ______________________________________________________________________________",
    "",
    "    2           $1,000.00          $2,500.00           58.1139%       150.0000%",
    " ______________________________________________________________________________ ",
    "",
    " House",
    "    3           $2,000.00          $4,500.00           31.0371%       125.0000%",
    " ______________________________________________________________________________ ",
    "",
    " Fund A",
    "    4           $3,000.00          $6,500.00           21.3244%       116.6667%",
    " ______________________________________________________________________________ ",
    "",
    "    5           $4,000.00          $8,500.00           16.2711%       112.5000%",
    " ______________________________________________________________________________ ",
    "",
    " House",
    "    6           $5,000.00         $10,500.00           13.1627%       110.0000%",
    " ______________________________________________________________________________ ",
    "",
    " Fund A",
    "    7           $6,000.00         $12,500.00           11.0547%       108.3333%",
    " ______________________________________________________________________________ ",
    "",
    "    1           $7,000.00         $14,500.00          107.1429%       107.1429%",
    " ______________________________________________________________________________ ",
    "",
    " House",
    "    2           $8,000.00         $16,500.00           43.6141%       106.2500%",
    " ______________________________________________________________________________ ",
    "",
    " Fund A",
    "    3           $9,000.00         $18,500.00           27.1481%       105.5556%",
    " ______________________________________________________________________________ ",
    "",
    "    4          $10,000.00         $20,500.00           19.6571%       105.0000%",
    " ______________________________________________________________________________ ",
    "",
    " House",
    "    5          $11,000.00         $22,500.00           15.3873%       104.5455%",
    " ______________________________________________________________________________ ",
    "",
    " Fund A",
    "    6          $12,000.00         $24,500.00           12.6326%       104.1667%",
    " ______________________________________________________________________________ ",
    "",
};

const std::vector<std::string> ComparisonsSecondPage = {
    "",
    "",
    "",
    "",
    "    7          $13,000.00         $26,500.00           10.7098%       103.8462%",
    " ______________________________________________________________________________ ",
    "",
};

Plan401KInput fiftyYears()
{
    return {Currency::fromInt(10000), Currency::fromInt(50000), Currency::fromInt(5), Currency::fromInt(4),
            Currency::fromInt(4),     Currency::fromInt(10),    Currency(),           Currency::fromInt(50)};
}

Report print401K(const Plan401KRun& run)
{
    Plan401KReportInput report;
    report.header = "Fifty years";
    report.run = &run;
    return plan401KReport(report);
}

} // namespace

TEST(GrowthReports, FiftyYearsOfA401KTakeTwoPages)
{
    const Plan401KRun run{fiftyYears(), calculate401K(fiftyYears())};
    const Report report = print401K(run);
    ASSERT_EQ(report.pages.size(), 2u);
    EXPECT_EQ(report.pages[0], FiftyYearFirstPage);
    EXPECT_EQ(report.pages[1], FiftyYearSecondPage);
}

TEST(GrowthReports, WithoutAnOpeningBalanceTheTableStartsWithYearOne)
{
    Plan401KInput in = fiftyYears();
    in.balance = Currency::fromInt(1);
    const Plan401KRun run{in, calculate401K(in)};
    const Report report = print401K(run);
    EXPECT_EQ(report.pages[0][24], "");
    EXPECT_EQ(report.pages[0][25].substr(0, 4), "   1");
    // One year more fits on the first page without the opening line.
    EXPECT_EQ(report.pages[0][51].substr(0, 4), "  27");
}

TEST(GrowthReports, ThirteenComparisonsAndTheSameReportAgain)
{
    AppState st;
    loadCompoundDefaults(st);
    const char* const names[] = {"Fund A", "", "House"};
    for (int i = 1; i <= 13; ++i) {
        const CompoundInput in{Currency::fromInt(1000 * i), Currency::fromInt(2000 * i + 500),
                               Currency::fromInt(i % 7 + 1), names[i % 3]};
        keepCompoundResult(st, in, findCompoundGrowth(in));
    }
    const Report report = compoundReport("Thirteen", 0, 53, st.ReportLines);
    ASSERT_EQ(report.pages.size(), 2u);
    EXPECT_EQ(report.pages[0], ComparisonsFirstPage);
    EXPECT_EQ(report.pages[1], ComparisonsSecondPage);
    // Printing does not empty the lines: the same report again.
    EXPECT_EQ(compoundReport("Thirteen", 0, 53, st.ReportLines).pages, report.pages);
}
