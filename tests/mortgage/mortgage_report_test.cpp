// Whole pages of the mortgage printout, as they must print.
#include "mortgage/mortgage_report.h"

#include <gtest/gtest.h>

using namespace fiscalia;

namespace {

// The expected pages: the default mortgage in the "All " view (first page,
// the page after the first break, the last page), the "Annual" view with a
// P+I increase and an applied additional payment, and a loan.
const std::vector<std::string> AllFirstPage{
    " Smith house",
    "",
    "                                Mortgage Table",
    " ___________________________________________________________________________",
    "",
    " Principal   Annual     Amortization   Interest       Frequency     Included",
    " amount of   interest   period in      compounding    and type      in P + I",
    " mortgage.   rate(%).   years.         periods/year.  of payment.     0.000%",
    "",
    " $100,000.00 10.125%    25                Monthly        Monthly        $.00",
    " ___________________________________________________________________________",
    "",
    " Days   Interest    No. of     No. years  Principal   Total paid    Total of",
    " in     rate        payments   to final   + Interest  over life     interest",
    " year   factor      each year  payment    payment     of mortgage   savings",
    "",
    " Normal  0.0084375  12.00      25.00      $917.53    $275,258.20        $.00",
    " ___________________________________________________________________________",
    "",
    " ___________________________________________________________________________",
    "  Payment    Interest   Principal     Remaining    Cumulative     Cumulative",
    " No. Year     Payment     Payment       Balance      Interest      Principal",
    "",
    "    1  1       843.75       73.78     99,926.22        843.75          73.78",
    "    2  1       843.13       74.40     99,851.82      1,686.88         148.18",
    "    3  1       842.50       75.03     99,776.80      2,529.38         223.20",
    "    4  1       841.87       75.66     99,701.13      3,371.24         298.87",
    "    5  1       841.23       76.30     99,624.84      4,212.47         375.16",
    "    6  1       840.58       76.94     99,547.89      5,053.06         452.11",
    "    7  1       839.94       77.59     99,470.30      5,892.99         529.70",
    "    8  1       839.28       78.25     99,392.05      6,732.27         607.95",
    "    9  1       838.62       78.91     99,313.15      7,570.89         686.85",
    "   10  1       837.95       79.57     99,233.57      8,408.85         766.43",
    "   11  1       837.28       80.24     99,153.33      9,246.13         846.67",
    "   12  1       836.61       80.92     99,072.41     10,082.74         927.59",
    "   13  2       835.92       81.60     98,990.81     10,918.66       1,009.19",
    "   14  2       835.23       82.29     98,908.51     11,753.90       1,091.49",
    "   15  2       834.54       82.99     98,825.53     12,588.44       1,174.47",
    "   16  2       833.84       83.69     98,741.84     13,422.28       1,258.16",
    "   17  2       833.13       84.39     98,657.45     14,255.41       1,342.55",
    "   18  2       832.42       85.11     98,572.34     15,087.83       1,427.66",
    "   19  2       831.70       85.82     98,486.52     15,919.54       1,513.48",
    "   20  2       830.98       86.55     98,399.97     16,750.52       1,600.03",
    "   21  2       830.25       87.28     98,312.69     17,580.77       1,687.31",
    "   22  2       829.51       88.01     98,224.68     18,410.28       1,775.32",
    "   23  2       828.77       88.76     98,135.92     19,239.05       1,864.08",
    "   24  2       828.02       89.51     98,046.42     20,067.07       1,953.58",
    "   25  3       827.27       90.26     97,956.16     20,894.34       2,043.84",
    "   26  3       826.51       91.02     97,865.13     21,720.84       2,134.87",
    "   27  3       825.74       91.79     97,773.34     22,546.58       2,226.66",
    "   28  3       824.96       92.56     97,680.78     23,371.54       2,319.22",
    "   29  3       824.18       93.35     97,587.43     24,195.73       2,412.57",
    "",
    "",
    "                                       Page 1",
};
const std::vector<std::string> AllSecondPage{
    "",
    " ___________________________________________________________________________",
    "  Payment    Interest   Principal     Remaining    Cumulative     Cumulative",
    " No. Year     Payment     Payment       Balance      Interest      Principal",
    "",
    "   30  3       823.39       94.13     97,493.30     25,019.12       2,506.70",
    "   31  3       822.60       94.93     97,398.37     25,841.72       2,601.63",
    "   32  3       821.80       95.73     97,302.64     26,663.52       2,697.36",
    "   33  3       820.99       96.54     97,206.11     27,484.51       2,793.89",
    "   34  3       820.18       97.35     97,108.76     28,304.69       2,891.24",
    "   35  3       819.36       98.17     97,010.59     29,124.04       2,989.42",
    "   36  3       818.53       99.00     96,911.58     29,942.57       3,088.42",
    "   37  4       817.69       99.84     96,811.75     30,760.26       3,188.25",
    "   38  4       816.85      100.68     96,711.07     31,577.11       3,288.93",
    "   39  4       816.00      101.53     96,609.54     32,393.11       3,390.46",
    "   40  4       815.14      102.38     96,507.16     33,208.25       3,492.84",
    "   41  4       814.28      103.25     96,403.91     34,022.53       3,596.09",
    "   42  4       813.41      104.12     96,299.79     34,835.94       3,700.21",
    "   43  4       812.53      105.00     96,194.79     35,648.47       3,805.21",
    "   44  4       811.64      105.88     96,088.91     36,460.11       3,911.09",
    "   45  4       810.75      106.78     95,982.13     37,270.86       4,017.87",
    "   46  4       809.85      107.68     95,874.45     38,080.71       4,125.55",
    "   47  4       808.94      108.59     95,765.87     38,889.65       4,234.13",
    "   48  4       808.02      109.50     95,656.36     39,697.68       4,343.64",
    "   49  5       807.10      110.43     95,545.94     40,504.78       4,454.06",
    "   50  5       806.17      111.36     95,434.58     41,310.95       4,565.42",
    "   51  5       805.23      112.30     95,322.28     42,116.18       4,677.72",
    "   52  5       804.28      113.25     95,209.04     42,920.46       4,790.96",
    "   53  5       803.33      114.20     95,094.84     43,723.78       4,905.17",
    "   54  5       802.36      115.16     94,979.67     44,526.15       5,020.33",
    "   55  5       801.39      116.14     94,863.53     45,327.54       5,136.47",
    "   56  5       800.41      117.12     94,746.42     46,127.95       5,253.58",
    "   57  5       799.42      118.10     94,628.31     46,927.37       5,371.69",
    "   58  5       798.43      119.10     94,509.21     47,725.80       5,490.79",
    "   59  5       797.42      120.11     94,389.11     48,523.22       5,610.89",
    "   60  5       796.41      121.12     94,267.99     49,319.63       5,732.01",
    "   61  6       795.39      122.14     94,145.85     50,115.01       5,854.15",
    "   62  6       794.36      123.17     94,022.67     50,909.37       5,977.33",
    "   63  6       793.32      124.21     93,898.46     51,702.68       6,101.54",
    "   64  6       792.27      125.26     93,773.20     52,494.95       6,226.80",
    "   65  6       791.21      126.32     93,646.89     53,286.16       6,353.11",
    "   66  6       790.15      127.38     93,519.51     54,076.31       6,480.49",
    "   67  6       789.07      128.46     93,391.05     54,865.38       6,608.95",
    "   68  6       787.99      129.54     93,261.51     55,653.37       6,738.49",
    "   69  6       786.89      130.63     93,130.88     56,440.26       6,869.12",
    "   70  6       785.79      131.74     92,999.14     57,226.05       7,000.86",
    "   71  6       784.68      132.85     92,866.29     58,010.73       7,133.71",
    "   72  6       783.56      133.97     92,732.33     58,794.29       7,267.67",
    "   73  7       782.43      135.10     92,597.23     59,576.72       7,402.77",
    "   74  7       781.29      136.24     92,460.99     60,358.01       7,539.01",
    "   75  7       780.14      137.39     92,323.60     61,138.15       7,676.40",
    "",
    "",
    "                                       Page 2",
};
const std::vector<std::string> AllLastPage{
    "",
    " ___________________________________________________________________________",
    "  Payment    Interest   Principal     Remaining    Cumulative     Cumulative",
    " No. Year     Payment     Payment       Balance      Interest      Principal",
    "",
    "  260 22       267.38      650.15     31,039.56    169,596.66      68,960.44",
    "  261 22       261.90      655.63     30,383.93    169,858.56      69,616.07",
    "  262 22       256.36      661.16     29,722.76    170,114.92      70,277.24",
    "  263 22       250.79      666.74     29,056.02    170,365.71      70,943.98",
    "  264 22       245.16      672.37     28,383.65    170,610.87      71,616.35",
    "  265 23       239.49      678.04     27,705.61    170,850.35      72,294.39",
    "  266 23       233.77      683.76     27,021.85    171,084.12      72,978.15",
    "  267 23       228.00      689.53     26,332.32    171,312.12      73,667.68",
    "  268 23       222.18      695.35     25,636.97    171,534.30      74,363.03",
    "  269 23       216.31      701.22     24,935.76    171,750.61      75,064.24",
    "  270 23       210.40      707.13     24,228.63    171,961.00      75,771.37",
    "  271 23       204.43      713.10     23,515.53    172,165.43      76,484.47",
    "  272 23       198.41      719.12     22,796.41    172,363.84      77,203.59",
    "  273 23       192.34      725.18     22,071.23    172,556.19      77,928.77",
    "  274 23       186.23      731.30     21,339.93    172,742.42      78,660.07",
    "  275 23       180.06      737.47     20,602.46    172,922.47      79,397.54",
    "  276 23       173.83      743.69     19,858.76    173,096.30      80,141.24",
    "  277 24       167.56      749.97     19,108.79    173,263.86      80,891.21",
    "  278 24       161.23      756.30     18,352.50    173,425.09      81,647.50",
    "  279 24       154.85      762.68     17,589.82    173,579.94      82,410.18",
    "  280 24       148.41      769.11     16,820.71    173,728.36      83,179.29",
    "  281 24       141.92      775.60     16,045.10    173,870.28      83,954.90",
    "  282 24       135.38      782.15     15,262.96    174,005.66      84,737.04",
    "  283 24       128.78      788.75     14,474.21    174,134.44      85,525.79",
    "  284 24       122.13      795.40     13,678.81    174,256.57      86,321.19",
    "  285 24       115.42      802.11     12,876.70    174,371.98      87,123.30",
    "  286 24       108.65      808.88     12,067.82    174,480.63      87,932.18",
    "  287 24       101.82      815.71     11,252.11    174,582.45      88,747.89",
    "  288 24        94.94      822.59     10,429.52    174,677.39      89,570.48",
    "  289 25        88.00      829.53      9,600.00    174,765.39      90,400.00",
    "  290 25        81.00      836.53      8,763.47    174,846.39      91,236.53",
    "  291 25        73.94      843.59      7,919.88    174,920.33      92,080.12",
    "  292 25        66.82      850.70      7,069.18    174,987.16      92,930.82",
    "  293 25        59.65      857.88      6,211.30    175,046.80      93,788.70",
    "  294 25        52.41      865.12      5,346.18    175,099.21      94,653.82",
    "  295 25        45.11      872.42      4,473.76    175,144.32      95,526.24",
    "  296 25        37.75      879.78      3,593.98    175,182.07      96,406.02",
    "  297 25        30.32      887.20      2,706.78    175,212.39      97,293.22",
    "  298 25        22.84      894.69      1,812.09    175,235.23      98,187.91",
    "  299 25        15.29      902.24        909.85    175,250.52      99,090.15",
    "  300 25         7.68      909.85           .00    175,258.20     100,000.00",
    " ___________________________________________________________________________",
    "",
    " Total:                                    $.00   $175,258.20    $100,000.00",
};
const std::vector<std::string> AnnualWithExtras{
    " ",
    "",
    "                                Mortgage Table",
    " ___________________________________________________________________________",
    "",
    " Principal   Annual     Amortization   Interest       Frequency     Included",
    " amount of   interest   period in      compounding    and type      in P + I",
    " mortgage.   rate(%).   years.         periods/year.  of payment.     5.000%",
    "",
    " $100,000.00 10.125%    25                Monthly        Monthly      $45.88",
    " ___________________________________________________________________________",
    "",
    " Days   Interest    No. of     No. years  Principal   Total paid    Total of",
    " in     rate        payments   to final   + Interest  over life     interest",
    " year   factor      each year  payment    payment     of mortgage   savings",
    "",
    " Normal  0.0084375  12.00      20.17      $963.40    $233,798.28  $41,459.91",
    " ___________________________________________________________________________",
    "",
    " ___________________________________________________________________________",
    "  Payment    Interest   Principal     Remaining    Cumulative     Cumulative",
    "   Year       Payment     Payment       Balance      Interest      Principal",
    "",
    "     1      10,056.46    1,504.39     98,495.61     10,056.46       1,504.39",
    "     2       9,896.87    1,663.98     96,831.64     19,953.33       3,168.36",
    "     3       9,623.52    2,937.33     93,894.31     29,576.84       6,105.69",
    "     4       9,408.75    2,152.10     91,742.21     38,985.59       8,257.79",
    "     5       9,180.44    2,380.40     89,361.81     48,166.03      10,638.19",
    "     6       8,927.92    2,632.92     86,728.89     57,093.96      13,271.11",
    "     7       8,648.61    2,912.23     83,816.66     65,742.57      16,183.34",
    "     8       8,339.68    3,221.17     80,595.49     74,082.25      19,404.51",
    "     9       7,997.96    3,562.88     77,032.61     82,080.21      22,967.39",
    "    10       7,620.00    3,940.84     73,091.77     89,700.21      26,908.23",
    "    11       7,201.94    4,358.90     68,732.87     96,902.15      31,267.13",
    "    12       6,739.54    4,821.31     63,911.56    103,641.69      36,088.44",
    "    13       6,228.08    5,332.77     58,578.79    109,869.77      41,421.21",
    "    14       5,662.36    5,898.49     52,680.31    115,532.13      47,319.69",
    "    15       5,036.63    6,524.22     46,156.09    120,568.75      53,843.91",
    "    16       4,344.52    7,216.33     38,939.76    124,913.27      61,060.24",
    "    17       3,578.98    7,981.86     30,957.90    128,492.25      69,042.10",
    "    18       2,732.24    8,828.60     22,129.30    131,224.50      77,870.70",
    "    19       1,795.68    9,765.17     12,364.13    133,020.17      87,635.87",
    "    20         759.75   10,801.09      1,563.04    133,779.92      98,436.96",
    "    21          18.36    1,563.04           .00    133,798.28     100,000.00",
    " ___________________________________________________________________________",
    "",
    " Total:                                    $.00   $133,798.28    $100,000.00",
    "",
    " Additional  Payments     Applied",
    "",
    " Year     3              1,000.00",
    "",
};
const std::vector<std::string> LoanPage{
    " Car loan",
    "",
    "                                Personal Loan Table",
    " ___________________________________________________________________________",
    "",
    " Principal   Annual     Length of      Interest       Frequency     Included",
    " amount of   interest   the loan       compounding    and type      in P + I",
    " the loan.   rate(%).   in months.     periods/year.  of payment.     0.000%",
    "",
    "  $20,000.00 10.125%    48             Semiannual  Biweekly(Acc)        $.00",
    " ___________________________________________________________________________",
    "",
    " Days   Interest    No. of     No. months Principal   Total paid    Total of",
    " in     rate        payments   to final   + Interest  over life     interest",
    " year   factor      each year  payment    payment     of the loan   savings",
    "",
    " 365    0.00379564  26.00      43.85      $253.23     $23,819.88     $490.32",
    " ___________________________________________________________________________",
    "",
    " ___________________________________________________________________________",
    "  Payment    Interest   Principal     Remaining    Cumulative     Cumulative",
    "   Year       Payment     Payment       Balance      Interest      Principal",
    "",
    "     1       1,748.21    4,835.81     15,164.19      1,748.21       4,835.81",
    "     2       1,247.63    5,336.38      9,827.81      2,995.84      10,172.19",
    "     3         695.24    5,888.77      3,939.04      3,691.08      16,060.96",
    "     4         128.80    3,939.04           .00      3,819.88      20,000.00",
    " ___________________________________________________________________________",
    "",
    " Total:                                    $.00     $3,819.88     $20,000.00",
};

AmortizationInput defaultMortgage()
{
    AmortizationInput in;
    in.principal = Currency::fromInt(100000);
    in.rate = Currency::fromDouble(10.125);
    in.term = Currency::fromInt(25);
    in.view = ScheduleView::All;
    return in;
}

Report print(const AmortizationInput& in, const AmortizationResult& result, const std::string& header,
             int fontChoice = 0, int pageLines = 53)
{
    MortgageReportInput report;
    report.header = header;
    report.printFontChoice = fontChoice;
    report.pageLines = pageLines;
    report.input = &in;
    report.result = &result;
    report.formatDate = [](const Date& d) { return d.toIso(); };
    return mortgageReport(report);
}

} // namespace

TEST(MortgageReport, TheAllViewPrintsThreeHundredRowsOverSevenPages)
{
    const auto in = defaultMortgage();
    const auto result = calculateAmortization(in);
    const Report report = print(in, result, "Smith house");
    ASSERT_EQ(report.pages.size(), 7u);
    EXPECT_EQ(report.pages[0], AllFirstPage);
    EXPECT_EQ(report.pages[1], AllSecondPage);
    EXPECT_EQ(report.pages[6], AllLastPage);
    for (std::size_t p = 0; p + 1 < report.pages.size(); ++p)
        EXPECT_EQ(report.pages[p].back(), std::string(39, ' ') + "Page " + std::to_string(p + 1));
}

TEST(MortgageReport, TheAnnualViewWithAnIncreaseAndAnAdditionalPayment)
{
    auto in = defaultMortgage();
    in.view = ScheduleView::Annual;
    in.extraPayments[3][2] = Currency::fromInt(1000);
    in.extraCount = 1;
    in.piIncrease = 0.05f;
    const auto result = calculateAmortization(in);
    const Report report = print(in, result, "");
    ASSERT_EQ(report.pages.size(), 1u);
    EXPECT_EQ(report.pages[0], AnnualWithExtras);
}

TEST(MortgageReport, ALoanPrintsMonths)
{
    AmortizationInput in;
    in.loanMode = 2;
    in.principal = Currency::fromInt(20000);
    in.rate = Currency::fromDouble(10.125);
    in.term = Currency::fromInt(4);
    in.view = ScheduleView::Annual;
    in.compounding = Compoundings[3];
    in.frequency = Frequencies[4];
    const auto result = calculateAmortization(in);
    const Report report = print(in, result, "Car loan");
    ASSERT_EQ(report.pages.size(), 1u);
    EXPECT_EQ(report.pages[0], LoanPage);
}

TEST(MortgageReport, TheIncreaseAmountKeepsItsCents)
{
    auto in = defaultMortgage();
    in.piIncrease = 0.05f;
    const auto result = calculateAmortization(in);
    const Report report = print(in, result, "x");
    EXPECT_EQ(report.pages[0][9].substr(67), "   $45.88");
}

TEST(MortgageReport, AnAdditionalPaymentsBlockThatWouldNotFitStartsANewPage)
{
    // 12-point pages hold 51 lines; 26 annual rows bring the counter to 50,
    // and the block of 1 + 4 lines would reach 51.
    auto in = defaultMortgage();
    in.view = ScheduleView::Annual;
    in.term = Currency::fromInt(26);
    in.extraPayments[2][2] = Currency::fromDouble(0.01);
    in.extraCount = 1;
    const auto result = calculateAmortization(in);
    ASSERT_EQ(result.rowCount, 26);
    const Report report = print(in, result, "h", 3, 51);
    ASSERT_EQ(report.pages.size(), 2u);
    EXPECT_EQ(report.pages[0].back(), std::string(39, ' ') + "Page 1");
    const auto& second = report.pages[1];
    EXPECT_EQ(second[5], "");
    EXPECT_EQ(second[6], " Additional  Payments     Applied");
    EXPECT_EQ(second[8], " Year     2" + std::string(19, ' ') + ".01");
}

TEST(MortgageReport, DatesPrintInTheFirstColumn)
{
    auto in = defaultMortgage();
    in.datesOn = true;
    in.startDate = *Date::fromYmd(2027, 1, 31);
    const auto result = calculateAmortization(in);
    const Report report = print(in, result, "d");
    EXPECT_EQ(report.pages[0][21], "    Date      Payment     Payment       Balance      Interest      Principal");
    EXPECT_EQ(report.pages[0][23].substr(0, 12), " 2027-01-31 ");
    EXPECT_EQ(report.pages[0][24].substr(0, 12), " 2027-02-28 ");
}

TEST(MortgageReport, AFigureWiderThanItsColumnIsPrintedWhole)
{
    auto in = defaultMortgage();
    in.principal = Currency::fromInt(100000000000000);
    in.view = ScheduleView::Annual;
    const auto result = calculateAmortization(in);
    const Report report = print(in, result, "Large");
    std::string all;
    for (const auto& page : report.pages)
        for (const auto& line : page)
            all += line + "\n";
    EXPECT_NE(all.find("$100,000,000,000,000.00"), std::string::npos);
    EXPECT_NE(all.find("$917,527,320,762.76"), std::string::npos); // the payment, not a thousandth of it
}
