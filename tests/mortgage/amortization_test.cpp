#include "app/calc_error.h"
#include "mortgage/amortization.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace fiscalia;

namespace {

// The default mortgage: 100,000.00 at 10.125 % over 25 years.
AmortizationInput mortgage(Frequency frequency = Frequency::Monthly, Compounding compounding = Compounding::Monthly,
                           ScheduleView view = ScheduleView::All)
{
    AmortizationInput in;
    in.principal = Currency::fromInt(100000);
    in.rate = Currency::fromDouble(10.125);
    in.term = Currency::fromInt(25);
    in.frequency = frequency;
    in.compounding = compounding;
    in.view = view;
    return in;
}

const ScheduleRow& row(const AmortizationResult& r, int m) { return r.schedule.at(static_cast<std::size_t>(m)); }

Currency principalSum(const AmortizationResult& r)
{
    Currency sum;
    for (int m = 1; m <= r.rowCount; ++m)
        sum += row(r, m).c[3];
    return sum;
}

} // namespace

TEST(Amortization, MonthlyMortgageClosesAtZeroAfterPayment300)
{
    const auto r = calculateAmortization(mortgage());
    EXPECT_EQ(r.message, 0);
    EXPECT_EQ(r.paymentsPerYear, 12);
    EXPECT_EQ(r.payments, 300);
    EXPECT_EQ(r.rowCount, 300);
    EXPECT_NEAR(r.periodicRate, 0.0084375, 1e-15);
    EXPECT_EQ(r.periodicR, "0.0084375");
    EXPECT_EQ(r.inMonthPI, "     $917.53");
    EXPECT_EQ(r.numPmtsYear, "          12");
    EXPECT_EQ(r.endMortYear, "       25.00");
    EXPECT_EQ(r.inDays, "Normal");
    EXPECT_EQ(row(r, 300).c[4], Currency());
    EXPECT_GT(row(r, 299).c[4], Currency());
    EXPECT_EQ(row(r, 300).c[6], Currency::fromInt(100000));
    EXPECT_EQ(row(r, 1).c[2], Currency::fromDouble(843.75)); // the first month's interest
    EXPECT_EQ(row(r, 1).c[1], Currency::fromInt(1));
    EXPECT_EQ(formatNumber(row(r, 13).c[0], "###"), "2");   // payment 13 is in year 2
    EXPECT_EQ(r.totSavd, "        $.00");                   // nothing saved against itself
    EXPECT_EQ(r.allPayments, " $275,258.20");
    EXPECT_EQ(r.graphTitle, "Mortgage balance at start of each Year");
    EXPECT_GT(r.resultsReady, 0);
}

TEST(Amortization, SemiannualCompoundingGivesTheLowerMonthlyRate)
{
    const auto r = calculateAmortization(mortgage(Frequencies[0], Compoundings[3]));
    const double expected = std::pow(1 + 0.10125 / 2, 1.0 / 6) - 1;
    EXPECT_NEAR(r.periodicRate, expected, 1e-15);
    EXPECT_LT(r.periodicRate, 0.0084375);
    EXPECT_EQ(r.inMonthPI, "     $902.91");
    EXPECT_EQ(row(r, r.payments).c[4], Currency());
}

TEST(Amortization, AcceleratedBiweeklyFinishesEarlyAndSavesInterest)
{
    const auto r = calculateAmortization(mortgage(Frequencies[4]));
    EXPECT_EQ(r.paymentsPerYear, 26);
    EXPECT_NEAR(r.payment, 917.5273207627645 / 2, 1e-9);
    EXPECT_NEAR(r.yearsToPayoff, 18.54f, 0.01f);
    EXPECT_GT(r.interestSaved, 30000);
    EXPECT_EQ(row(r, r.payments).c[4], Currency());
    EXPECT_EQ(r.inDays, "365");
    // i = i_p with F = 365 / 14.
    EXPECT_NEAR(r.periodicRate, std::pow(1 + 0.10125 / 12, 12 / (365.0 / 14)) - 1, 1e-15);
}

TEST(Amortization, TheLastPaymentPaysExactlyWhatIsLeft)
{
    // Weekly accelerated payments overshoot: the last payment is smaller.
    const auto r = calculateAmortization(mortgage(Frequencies[5]));
    const ScheduleRow& last = row(r, r.payments);
    const ScheduleRow& before = row(r, r.payments - 1);
    EXPECT_EQ(last.c[3], before.c[4]);
    EXPECT_EQ(last.c[4], Currency());
    EXPECT_EQ(last.c[5], before.c[5] + last.c[2]);
    EXPECT_EQ(last.c[6], before.c[6] + last.c[3]);
    EXPECT_LT(last.c[3].toDouble() + last.c[2].toDouble(), r.payment);
}

TEST(Amortization, EveryFrequencyAndCompoundingRepaysThePrincipalToZero)
{
    for (const Frequency frequency : Frequencies) {
        for (const Compounding compounding : Compoundings) {
            const auto r = calculateAmortization(mortgage(frequency, compounding));
            SCOPED_TRACE(std::string(listText(frequency)) + " /" + listText(compounding));
            ASSERT_GT(r.payments, 0);
            EXPECT_EQ(row(r, r.payments).c[4], Currency());
            EXPECT_EQ(row(r, r.payments).c[6], Currency::fromInt(100000));
            // The principal column adds up to the principal within the
            // rounding of its rows to 0.0001.
            EXPECT_LE(std::fabs((principalSum(r) - Currency::fromInt(100000)).toDouble()), 0.0001 * r.payments);
            EXPECT_EQ(formatNumber(principalSum(r), "####,,###.00"), "100,000.00");
        }
    }
}

TEST(Amortization, AnIgnoredAdditionalPaymentIsNotListed)
{
    // Year 2 holds more than the balance (not applied); year 3 is applied.
    auto in = mortgage();
    in.extraPayments[2][2] = Currency::fromInt(200000);
    in.extraPayments[3][2] = Currency::fromInt(1000);
    in.extraCount = 2;
    const auto r = calculateAmortization(in);
    EXPECT_EQ(r.appliedCount, 1);
    ASSERT_EQ(r.appliedExtras.size(), 1u);
    EXPECT_EQ(r.appliedExtras[0].year, 3);
    EXPECT_EQ(r.extraLines, 1);
    EXPECT_EQ(r.reportLine1, "Additional  Payments     Applied\r\n\r\n Year     3              1,000.00\r\n");
    // The amount goes into the principal of payment 25, the first of year 3.
    const auto plain = calculateAmortization(mortgage());
    EXPECT_NEAR(row(r, 25).c[3].toDouble() - row(plain, 25).c[3].toDouble(), 1000.0, 0.01);
    EXPECT_LT(r.payments, plain.payments);
    EXPECT_GT(r.interestSaved, 0);
    const auto grid = scheduleGrid(r, in, [](const Date&) { return std::string(); });
    const int listing = r.rowCount + 4;
    EXPECT_EQ(grid.cells[static_cast<std::size_t>((listing - 1) * 6)], "Additional ");
    EXPECT_EQ(grid.cells[static_cast<std::size_t>(listing * 6)], "Year    3");
    EXPECT_EQ(grid.cells[static_cast<std::size_t>(listing * 6 + 2)], "1,000.00");
    EXPECT_EQ(grid.cells[static_cast<std::size_t>((listing + 1) * 6)], "");
}

TEST(Amortization, AnAdditionalPaymentAppliedAtAYearStartRoundsThePrincipalPart)
{
    // E = 0 counts as applied: the first payment of every year gets its
    // principal part as a currency value.
    auto in = mortgage();
    in.extraPayments[1][2] = Currency::fromDouble(500.25);
    in.extraCount = 1;
    const auto r = calculateAmortization(in);
    EXPECT_EQ(r.appliedExtras.size(), 1u);
    EXPECT_EQ(row(r, 1).c[3], Currency::fromDouble(917.5273207627645 - 843.75) + Currency::fromDouble(500.25));
}

TEST(Amortization, TheIncreaseRaisesEveryPayment)
{
    auto in = mortgage();
    in.piIncrease = 0.05f;
    const auto r = calculateAmortization(in);
    EXPECT_NEAR(r.increaseAmount, 917.5273207627645 * 0.05, 1e-4);
    EXPECT_EQ(r.ppPercent, "      $45.88");
    EXPECT_EQ(r.label16, " P+I includes      5.000%");
    EXPECT_LT(r.payments, 300);
}

TEST(Amortization, TheAnnualViewFoldsYears)
{
    const auto r = calculateAmortization(mortgage(Frequencies[0], Compoundings[0], ScheduleView::Annual));
    EXPECT_EQ(r.rowCount, 25);
    EXPECT_EQ(r.resultsReady, 25);
    const auto all = calculateAmortization(mortgage());
    Currency interest;
    for (int m = 1; m <= 12; ++m)
        interest += row(all, m).c[2];
    EXPECT_EQ(row(r, 1).c[1], Currency::fromInt(1));
    EXPECT_EQ(row(r, 1).c[2], interest);
    EXPECT_EQ(row(r, 1).c[4], row(all, 12).c[4]);
    EXPECT_EQ(row(r, 25).c[4], Currency());
    EXPECT_EQ(row(r, 25).c[6], Currency::fromInt(100000));
    EXPECT_EQ(row(r, 26).c[1], Currency());
}

TEST(Amortization, AnAnnualScheduleShorterThanHalfAYearHasNoResults)
{
    auto in = mortgage(Frequencies[0], Compoundings[0], ScheduleView::Annual);
    in.loanMode = 2;
    in.term = Currency::fromDouble(5.0 / 12.0); // 5 months
    const auto r = calculateAmortization(in);
    EXPECT_EQ(r.payments, 5);
    EXPECT_EQ(r.resultsReady, 0);
}

TEST(Amortization, ZeroRateTermOrPrincipalAreWrongEntries)
{
    auto in = mortgage();
    in.rate = Currency();
    EXPECT_THROW(calculateAmortization(in), CalcError);
    in = mortgage();
    in.term = Currency();
    EXPECT_THROW(calculateAmortization(in), CalcError);
    in = mortgage();
    in.principal = Currency();
    EXPECT_THROW(calculateAmortization(in), CalcError);
}

TEST(Amortization, TermLimitsAndTheLongestSchedule)
{
    auto in = mortgage(Frequencies[5]);
    in.term = Currency::fromInt(41);
    EXPECT_EQ(calculateAmortization(in).message, 5);
    in.term = Currency::fromInt(40);
    in.rate = Currency::fromDouble(0.5);
    in.frequency = Frequencies[3]; // plain weekly at a tiny rate runs to the bound
    const auto r = calculateAmortization(in);
    EXPECT_EQ(r.message, 0);
    EXPECT_LE(r.payments, 52 * 40 + 50);
    EXPECT_EQ(row(r, r.payments).c[4], Currency());
    // A loan longer than the table (a damaged file) is refused, not overrun.
    in.loanMode = 2;
    in.term = Currency::fromDouble(40.5);
    EXPECT_THROW(calculateAmortization(in), CalcError);
    // Huge amounts overflow into a refusal.
    in = mortgage();
    in.principal = Currency::fromDouble(9e14);
    in.rate = Currency::fromDouble(900000);
    EXPECT_THROW(calculateAmortization(in), CalcError);
}

TEST(Amortization, LoanModeCountsInMonths)
{
    AmortizationInput in;
    in.loanMode = 2;
    in.principal = Currency::fromInt(20000);
    in.rate = Currency::fromDouble(10.125);
    in.term = Currency::fromDouble(48.0 / 12.0);
    in.view = ScheduleView::All;
    auto r = calculateAmortization(in);
    EXPECT_EQ(r.payments, 48);
    EXPECT_EQ(r.endMortYear, "       48.00");
    EXPECT_EQ(r.graphTitle, "Personal Loan balance at start of each Year");
    in.term = Currency::fromDouble(50.0 / 12.0); // 4.1667 years: still 50 payments
    r = calculateAmortization(in);
    EXPECT_EQ(r.payments, 50);
    EXPECT_EQ(r.endMortYear, "       50.00");
    in.term = Currency::fromDouble(1.0 / 12.0); // 0.0833 years: one payment
    r = calculateAmortization(in);
    EXPECT_EQ(r.payments, 1);
    EXPECT_EQ(row(r, 1).c[4], Currency());
    EXPECT_EQ(row(r, 1).c[3], Currency::fromInt(20000));
}

TEST(Amortization, PaymentDatesFollowTheCalendar)
{
    auto in = mortgage();
    in.datesOn = true;
    in.startDate = *Date::fromYmd(2024, 1, 31);
    auto r = calculateAmortization(in);
    EXPECT_EQ(row(r, 1).date, *Date::fromYmd(2024, 1, 31));
    EXPECT_EQ(row(r, 2).date, *Date::fromYmd(2024, 2, 29)); // leap year month end
    EXPECT_EQ(row(r, 3).date, *Date::fromYmd(2024, 3, 31));
    EXPECT_EQ(row(r, 14).date, *Date::fromYmd(2025, 2, 28));
    EXPECT_EQ(row(r, 1).c[0], Currency()); // no year column with dates

    in.frequency = Frequencies[1]; // semimonthly: a second payment 14 days later
    in.startDate = *Date::fromYmd(2023, 12, 25);
    r = calculateAmortization(in);
    EXPECT_EQ(row(r, 1).date, *Date::fromYmd(2023, 12, 25));
    EXPECT_EQ(row(r, 2).date, *Date::fromYmd(2024, 1, 8));
    EXPECT_EQ(row(r, 3).date, *Date::fromYmd(2024, 1, 25));
    EXPECT_EQ(row(r, 4).date, *Date::fromYmd(2024, 2, 8));

    in.frequency = Frequencies[4]; // every 14 days
    in.startDate = *Date::fromYmd(2024, 2, 20);
    r = calculateAmortization(in);
    EXPECT_EQ(row(r, 2).date, *Date::fromYmd(2024, 3, 5));

    in.view = ScheduleView::Annual; // a date a year in the Annual view
    in.startDate = *Date::fromYmd(2024, 2, 29);
    r = calculateAmortization(in);
    EXPECT_EQ(row(r, 1).date, *Date::fromYmd(2024, 2, 29));
    EXPECT_EQ(row(r, 2).date, *Date::fromYmd(2025, 2, 28));
    const auto grid = scheduleGrid(r, in, [](const Date& d) { return d.toIso(); });
    EXPECT_EQ(grid.column0Heading, " Payment  Date");
    EXPECT_EQ(grid.cells[6], "2025-02-28");
}

TEST(Amortization, TheDaysInYearSetThePeriodsOfWeeklyPayments)
{
    auto in = mortgage(Frequencies[4]);
    in.daysInYear = 364.0f;
    in.biweeklyPeriods = 26;
    in.weeklyPeriods = 52;
    auto r = calculateAmortization(in);
    EXPECT_NEAR(r.periodicRate, std::pow(1 + 0.10125 / 12, 12.0 / 26) - 1, 1e-15);
    EXPECT_EQ(r.inDays, "364");
    in.daysInYear = 365.25f;
    EXPECT_EQ(calculateAmortization(in).inDays, "365.25");
    in.frequency = Frequencies[0];
    EXPECT_EQ(calculateAmortization(in).inDays, "Normal");
}

TEST(ScheduleGrid, ShowsRowsTotalsAndHeadingsByView)
{
    const auto in = mortgage();
    const auto r = calculateAmortization(in);
    const auto grid = scheduleGrid(r, in, [](const Date&) { return std::string(); });
    EXPECT_EQ(grid.column0Heading, "  Payment   No.  Year");
    EXPECT_EQ(grid.rows, 304);
    EXPECT_EQ(grid.cells[0], "   1       1");
    EXPECT_EQ(grid.cells[1], "843.75");
    EXPECT_EQ(grid.cells[12 * 6], "  13       2");
    const std::size_t total = static_cast<std::size_t>((302 - 1) * 6);
    EXPECT_EQ(grid.cells[total], "Total:");
    EXPECT_EQ(grid.cells[total + 3], "$.00");
    EXPECT_EQ(grid.cells[total + 4], "$175,258.20");
    EXPECT_EQ(grid.cells[total + 5], "$100,000.00");

    const auto annualIn = mortgage(Frequencies[0], Compoundings[0], ScheduleView::Annual);
    const auto annual = scheduleGrid(calculateAmortization(annualIn), annualIn, {});
    EXPECT_EQ(annual.column0Heading, " Payment  Year");
    EXPECT_EQ(annual.rows, 29);
    EXPECT_EQ(annual.cells[6], "   2");
}
