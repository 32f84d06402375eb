#pragma once
#include "app/currency.h"
#include "app/date.h"
#include "app/number_format.h"
#include "mortgage/mortgage_state.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace fiscalia {

// The payment-frequency and compounding list texts, compared exactly.
inline constexpr const char* FrequencyTexts[] = {"      Monthly", "  Semimonthly", "      2 Weeks",
                                                 "      1 Week",  " Biweekly(Acc)", "   Weekly(Acc)"};
inline constexpr const char* CompoundingTexts[] = {"      Monthly", "    Bimonthly", "    Quarterly",
                                                   "   Semiannual", "       Annual"};

inline constexpr int AllView = 2;    // ToolMode: every payment
inline constexpr int AnnualView = 1; // ToolMode: yearly totals

// Everything a Calculate reads.
struct AmortizationInput {
    Currency principal;             // slot 1
    Currency rate;                  // slot 2, annual rate in per cent
    Currency term;                  // slot 3, years (loans: months / 12)
    std::string frequency = FrequencyTexts[0];
    std::string compounding = CompoundingTexts[0];
    int loanMode = 1;               // 1 mortgage, 2 loan
    int view = AnnualView;          // ToolMode
    bool datesOn = false;
    Date startDate{};
    float daysInYear = 365.0f;
    double biweeklyPeriods = 365.0 / 14.0;
    double weeklyPeriods = 365.0 / 7.0;
    float piIncrease = 0.0f;
    // The amount added at the start of year y (ExtraPayments column 2).
    std::vector<std::array<Currency, 3>> extraPayments = std::vector<std::array<Currency, 3>>(ExtraPaymentRows);
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

// The whole Calculate: payment, periodic rate, schedule, totals, labels and
// the additional-payments listing. Throws CalcError for a zero rate or term,
// an unknown list text, an overflow or a schedule longer than the table.
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
