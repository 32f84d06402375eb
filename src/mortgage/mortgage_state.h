#pragma once
#include "app/currency.h"
#include "app/date.h"

#include <array>
#include <string>
#include <vector>

namespace fiscalia {

// One row of the payment schedule: column 0 the year value (the "All "
// view without dates), 1 the payment (or year) number, 2 interest, 3
// principal, 4 remaining balance, 5 cumulative interest, 6 cumulative
// principal; column 7 the payment date when dates are on.
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

// The mortgage and loan window's tables and settings, kept in the
// program-wide state.
struct MortgageState {
    std::vector<ScheduleRow> ScheduleTable;
    std::vector<ScheduleRow> AnnualTable;
    // Additional payments: column 1 the year, column 2 the amount added at
    // the start of that year (rows 0..45).
    std::vector<std::array<Currency, 3>> ExtraPayments = std::vector<std::array<Currency, 3>>(ExtraPaymentRows);
    float PIIncrease = 0.0f;       // the P+I increase as a fraction
    int ExtraCount = 0;            // years with an amount above 0
    int ExtraRows = 0;             // years set up in the additional-payments window
    int ExtraLines = 0;            // applied additional payments listed
    int RowCount = 0;              // schedule rows shown
    int DatesOn = 0;               // 1: payment dates shown
    int DaysChoice = 1;            // 0 = 365.25, 1 = 365, 2 = 364, 3 = 363
    float DaysInYear = 365.0f;
    double BiweeklyPeriods = 365.0 / 14.0;
    double WeeklyPeriods = 365.0 / 7.0;
    int PaymentsPerYear = 0;
    float YearsToPayoff = 0.0f;
    Date StartDate{};              // the first payment's date (program-wide)
    bool StartDateSet = false;
};

} // namespace fiscalia
