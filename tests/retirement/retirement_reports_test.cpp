#include "retirement/retirement_reports.h"

#include <gtest/gtest.h>

using namespace fiscalia;

namespace {

// 500,000.00 at 10% with 8% withdrawn for 50 years: the counter starts at
// 18, so the first page ends after year 35.
const std::vector<std::string> PercentageFirstPage = {
    " Fifty years",
    "",
    "                          Retirement Income Calculation",
    "",
    "",
    " Current Value of your Investments on Retirement     $500,000.00",
    "",
    " Annual Interest/Growth Rate (%)                           10.00%",
    "",
    " Annual Income Withdrawn as a (%) of Current Value          8.00%",
    "",
    " Time in Years                                                50",
    "",
    "",
    " Year         Interest/Growth          Annual Income        Current Value",
    " ________________________________________________________________________",
    "",
    "   1                50,000.00              40,000.00           510,000.00",
    "   2                51,000.00              40,800.00           520,200.00",
    "   3                52,020.00              41,616.00           530,604.00",
    "   4                53,060.40              42,448.32           541,216.08",
    "   5                54,121.61              43,297.28           552,040.40",
    "   6                55,204.04              44,163.23           563,081.20",
    "   7                56,308.12              45,046.49           574,342.82",
    "   8                57,434.28              45,947.42           585,829.67",
    "   9                58,582.97              46,866.37           597,546.26",
    "  10                59,754.63              47,803.70           609,497.18",
    "  11                60,949.72              48,759.77           621,687.12",
    "  12                62,168.71              49,734.96           634,120.86",
    "  13                63,412.09              50,729.66           646,803.27",
    "  14                64,680.33              51,744.26           659,739.33",
    "  15                65,973.93              52,779.14           672,934.11",
    "  16                67,293.41              53,834.72           686,392.79",
    "  17                68,639.28              54,911.42           700,120.64",
    "  18                70,012.07              56,009.65           714,123.05",
    "  19                71,412.31              57,129.84           728,405.51",
    "  20                72,840.55              58,272.44           742,973.62",
    "  21                74,297.36              59,437.88           757,833.09",
    "  22                75,783.31              60,626.64           772,989.75",
    "  23                77,298.98              61,839.18           788,449.54",
    "  24                78,844.96              63,075.96           804,218.53",
    "  25                80,421.85              64,337.48           820,302.90",
    "  26                82,030.29              65,624.23           836,708.95",
    "  27                83,670.90              66,936.71           853,443.13",
    "  28                85,344.31              68,275.45           870,511.99",
    "  29                87,051.20              69,640.95           887,922.23",
    "  30                88,792.22              71,033.77           905,680.67",
    "  31                90,568.07              72,454.45           923,794.28",
    "  32                92,379.43              73,903.54           942,270.16",
    "  33                94,227.02              75,381.61           961,115.56",
    "  34                96,111.56              76,889.24           980,337.87",
    "  35                98,033.79              78,427.02           999,944.62",
    "",
    "",
    "                                       Page 1",
};

const std::vector<std::string> PercentageSecondPage = {
    "",
    "",
    "",
    " Year         Interest/Growth          Annual Income        Current Value",
    " ________________________________________________________________________",
    "",
    "  36                99,994.46              79,995.56         1,019,943.51",
    "  37               101,994.35              81,595.48         1,040,342.38",
    "  38               104,034.24              83,227.39         1,061,149.22",
    "  39               106,114.92              84,891.93         1,082,372.20",
    "  40               108,237.22              86,589.77         1,104,019.64",
    "  41               110,401.97              88,321.57         1,126,100.03",
    "  42               112,610.00              90,088.00         1,148,622.03",
    "  43               114,862.20              91,889.76         1,171,594.47",
    "  44               117,159.45              93,727.55         1,195,026.36",
    "  45               119,502.64              95,602.10         1,218,926.88",
    "  46               121,892.69              97,514.15         1,243,305.41",
    "  47               124,330.54              99,464.43         1,268,171.52",
    "  48               126,817.15             101,453.72         1,293,534.95",
    "  49               129,353.50             103,482.79         1,319,405.65",
    "  50               131,940.57             105,552.45         1,345,793.76",
    " ________________________________________________________________________",
    "",
    " Total:         $4,228,969.61          $3,383,175.46        $1,345,793.76",
};

// 100,000.00 at 10% with 1,000.00 a month raised 2.5% a year: 13 years.
const std::vector<std::string> FixedAmountPage = {
    " Fixed amount",
    "",
    "                          Retirement Income Calculation",
    "",
    "",
    " Current Value of your Investments on Retirement     $100,000.00",
    "",
    " Annual Interest/Growth Rate (%)                           10.00%",
    "",
    " Monthly Amount of Cash Withdrawn                      $1,000.00",
    "",
    " Increase Annual Amount Withdrawn by %                      2.50%",
    "",
    "",
    " Year         Interest/Growth          Annual Income        Current Value",
    " ________________________________________________________________________",
    "",
    "   1                 9,459.46              12,000.00            97,459.46",
    "   2                 9,191.90              12,300.00            94,351.36",
    "   3                 8,867.23              12,607.50            90,611.09",
    "   4                 8,479.01              12,922.69            86,167.42",
    "   5                 8,020.09              13,245.75            80,941.75",
    "   6                 7,482.61              13,576.90            74,847.46",
    "   7                 6,857.89              13,916.32            67,789.03",
    "   8                 6,136.37              14,264.23            59,661.18",
    "   9                 5,307.53              14,620.83            50,347.87",
    "  10                 4,359.73              14,986.36            39,721.24",
    "  11                 3,280.19              15,361.01            27,640.42",
    "  12                 2,054.81              15,745.04            13,950.19",
    "  13                   660.18              14,643.18                  .00",
    " ________________________________________________________________________",
    "",
    " Total:            $80,157.01            $180,189.81                 $.00",
};

// The income option: the income typed is printed, not the capital worked out.
const std::vector<std::string> IncomePage = {
    " Income",
    "",
    "                     Amount of Annual Income Required",
    "",
    "",
    " Amount of Income required on Retirement.              $40,000.00",
    "",
    " Annual Interest/Growth Rate(%).                            15.00%",
    "",
    " At the end of how many Years.                                 25",
    "",
    "",
    " Year        Annual Investment      Interest/Growth         Current Value",
    " ________________________________________________________________________",
    "",
    "   1                  1,089.72               163.46              1,253.17",
    "   2                  1,089.72               351.43              2,694.32",
    "   3                  1,089.72               567.61              4,351.65",
    "   4                  1,089.72               816.20              6,257.57",
    "   5                  1,089.72             1,102.09              8,449.38",
    "   6                  1,089.72             1,430.86             10,969.96",
    "   7                  1,089.72             1,808.95             13,868.62",
    "   8                  1,089.72             2,243.75             17,202.09",
    "   9                  1,089.72             2,743.77             21,035.58",
    "  10                  1,089.72             3,318.79             25,444.09",
    "  11                  1,089.72             3,980.07             30,513.88",
    "  12                  1,089.72             4,740.54             36,344.13",
    "  13                  1,089.72             5,615.08             43,048.93",
    "  14                  1,089.72             6,620.80             50,759.44",
    "  15                  1,089.72             7,777.37             59,626.53",
    "  16                  1,089.72             9,107.44             69,823.69",
    "  17                  1,089.72            10,637.01             81,550.41",
    "  18                  1,089.72            12,396.02             95,036.15",
    "  19                  1,089.72            14,418.88            110,544.74",
    "  20                  1,089.72            16,745.17            128,379.63",
    "  21                  1,089.72            19,420.40            148,889.75",
    "  22                  1,089.72            22,496.92            172,476.38",
    "  23                  1,089.72            26,034.92            199,601.02",
    "  24                  1,089.72            30,103.61            230,794.34",
    "  25                  1,089.72            34,782.61            266,666.67",
    " ________________________________________________________________________",
    "",
    " Total:             $27,242.91          $239,423.75           $266,666.67",
};

const RetirementReportSettings Settings{"Fifty years", 0, 53, "$", {}};

} // namespace

TEST(RetirementReports, FiftyYearsBreakAfterTheThirtyFifth)
{
    const RetirementInput in{Withdrawal::Percentage, Currency::fromInt(500000), Currency::fromInt(10),
                             Currency::fromInt(8), Currency::fromInt(50)};
    const RetirementRun run{in, calculateRetirement(in)};
    const Report report = retirementReport(Settings, run, " 50");
    ASSERT_EQ(report.pages.size(), 2u);
    EXPECT_EQ(report.pages[0], PercentageFirstPage);
    EXPECT_EQ(report.pages[1], PercentageSecondPage);
}

TEST(RetirementReports, TheFixedAmountOptionPrintsItsYears)
{
    const RetirementInput in{Withdrawal::FixedAmount, Currency::fromInt(100000), Currency::fromInt(10),
                             Currency::fromInt(1000), Currency::fromDouble(2.5)};
    const RetirementRun run{in, calculateRetirement(in)};
    RetirementReportSettings settings = Settings;
    settings.header = "Fixed amount";
    const Report report = retirementReport(settings, run, " 13");
    ASSERT_EQ(report.pages.size(), 1u);
    EXPECT_EQ(report.pages[0], FixedAmountPage);
}

TEST(RetirementReports, TheIncomeOptionNamesTheIncome)
{
    const CapitalInput in{CapitalGoal::Income, Currency::fromInt(40000), Currency::fromInt(15), Currency::fromInt(25)};
    const CapitalRun run{in, calculateCapitalRequired(in)};
    RetirementReportSettings settings = Settings;
    settings.header = "Income";
    const Report report = capitalReport(settings, run);
    ASSERT_EQ(report.pages.size(), 1u);
    EXPECT_EQ(report.pages[0], IncomePage);
}
