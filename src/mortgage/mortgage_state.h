#pragma once
#include "app/date.h"
#include "mortgage/amortization.h"

#include <optional>

namespace fiscalia {

// The mortgage and loan window's plan, settings and results, kept in the
// program-wide state.
struct MortgageState {
    // The plan on screen besides the input slots: the two lists, the
    // additional payments and the P+I increase.
    Frequency PaymentFrequency = Frequency::Monthly;
    Compounding CompoundingPeriod = Compounding::Monthly;
    ExtraPaymentTable ExtraPayments = ExtraPaymentTable(ExtraPaymentRows);
    float PIIncrease = 0.0f;       // the P+I increase as a fraction
    int ExtraCount = 0;            // years with an amount above 0
    int ExtraRows = 0;             // years set up in the additional-payments window
    int DatesOn = 0;               // 1: payment dates shown
    int DaysChoice = 1;            // 0 = 365.25, 1 = 365, 2 = 364, 3 = 363
    float DaysInYear = 365.0f;
    double BiweeklyPeriods = 365.0 / 14.0;
    double WeeklyPeriods = 365.0 / 7.0;
    Date StartDate{};              // the first payment's date (program-wide)
    bool StartDateSet = false;

    // The last Calculate, until the results are cleared.
    std::optional<MortgageRun> Results;
};

} // namespace fiscalia
