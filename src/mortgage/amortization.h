#pragma once
#include "app/currency.h"
#include "app/date.h"
#include "app/number_format.h"
#include "mortgage/mortgage_choices.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace fiscalia {

// One row of the payment schedule: column 0 the year value (the "All "
// view without dates), 1 the payment (or year) number, 2 interest, 3
// principal, 4 remaining balance, 5 cumulative interest, 6 cumulative
// principal; the payment date when dates are on.
struct ScheduleRow {
    std::array<Currency, 7> c{};
    Date date{};
    bool hasDate = false;
};

// The schedule table holds the longest loop there is: 52 payments a year
// for 40 years and the margin of 50.
inline constexpr int ScheduleRows = 52 * 40 + 50 + 1; // rows 0..2130
inline constexpr int AnnualRows = 46;                  // rows 0..45
inline constexpr int ExtraPaymentRows = 46;            // years 0..45

// Additional payments: row y is year y; column 1 the year number, column 2
// the amount added at the start of that year.
using ExtraPaymentTable = std::vector<std::array<Currency, 3>>;

// Everything a Calculate reads.
struct AmortizationInput {
    Currency principal;             // slot 1
    Currency rate;                  // slot 2, annual rate in per cent
    Currency term;                  // slot 3, years (loans: months / 12)
    Frequency frequency = Frequency::Monthly;
    Compounding compounding = Compounding::Monthly;
    int loanMode = 1;               // 1 mortgage, 2 loan
    ScheduleView view = ScheduleView::Annual;
    bool datesOn = false;
    Date startDate{};
    float daysInYear = 365.0f;
    double biweeklyPeriods = 365.0 / 14.0;
    double weeklyPeriods = 365.0 / 7.0;
    float piIncrease = 0.0f;
    // The amount added at the start of year y (ExtraPayments column 2).
    ExtraPaymentTable extraPayments = ExtraPaymentTable(ExtraPaymentRows);
    int extraCount = 0;
    std::string currencySymbol = "$";
    NumberSymbols symbols;
};

// One listed additional payment.
struct AppliedExtra {
    int year;
    Currency amount;
};

// Everything a Calculate leaves behind.
struct AmortizationResult {
    int message = 0;                     // 5: the term is over the 40-year limit, nothing computed
    std::vector<ScheduleRow> schedule;   // rows 0..2130; the "Annual" view's years over rows 1..
    std::vector<ScheduleRow> annual;     // rows 0..45
    int paymentsPerYear = 0;
    float yearsToPayoff = 0.0f;
    int payments = 0;                    // n
    int rowCount = 0;
    int resultsReady = 0;
    int appliedCount = 0;                // A: additional payments above 0 that were applied
    std::vector<AppliedExtra> appliedExtras;
    int extraLines = 0;
    std::string reportLine1;             // ReportLines line 1
    std::string graphTitle;
    double periodicRate = 0;             // i_p
    double payment = 0;                  // per period, increase included
    double increaseAmount = 0;           // X
    Currency totalPaid;
    double interestSaved = 0;            // shown as 0 below 10
    // Result labels as the window shows them.
    std::string numPmtsYear, inMonthPI, periodicR, endMortYear, allPayments, totSavd, ppPercent, label16, inDays;
};

// What one Calculate read and what it gave: the grid, the printout and the
// graph all read this one record.
struct MortgageRun {
    AmortizationInput input;
    AmortizationResult result;
};

// The whole Calculate: payment, periodic rate, schedule, totals, labels and
// the additional-payments listing. Throws CalcError for a zero rate or term,
// an overflow or a schedule longer than the table.
AmortizationResult calculateAmortization(const AmortizationInput& input);

// The text of the "P+I includes" label for an increase fraction.
std::string piIncludesText(float piIncrease, const NumberSymbols& symbols);

// The grid of the mortgage window after a Calculate: the heading of column
// 0 and the cells of rows 1.. (6 columns each), the totals row and the
// additional-payments listing included. `formatDate` gives a date in the
// system's short date form.
struct ScheduleGrid {
    std::string column0Heading;
    int rows = 0; // grid rows, heading row included
    std::vector<std::string> cells; // (rows - 1) * 6
};
ScheduleGrid scheduleGrid(const AmortizationResult& result, const AmortizationInput& input,
                          const std::function<std::string(const Date&)>& formatDate);

} // namespace fiscalia
