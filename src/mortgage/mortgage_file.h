#pragma once
#include "app/currency.h"
#include "app/date.h"
#include "app/result.h"
#include "mortgage/mortgage_choices.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fiscalia {

struct AppState;
struct AmortizationInput;
struct MortgageState;

// The days-in-year options: the factor D and the periods per year D / 14
// and D / 7 of the two-weekly and weekly payments.
struct DaysOption {
    float daysInYear;
    double biweeklyPeriods;
    double weeklyPeriods;
};
// Index 0 = 365.25, 1 = 365, 2 = 364, 3 = 363; any other index counts as 0.
DaysOption daysOption(int choice);

// One mortgage or loan set-up as a .umd / .uld file keeps it.
struct MortgageFile {
    Currency principal;
    Currency rate;
    Currency term;              // years (loans: months / 12)
    Compounding compounding = Compounding::Monthly;
    Frequency frequency = Frequency::Monthly;
    Date startDate{};
    int datesOn = 0;
    int daysChoice = 1;
    ScheduleView view = ScheduleView::Annual;
    int extraRows = 0;          // year lines that follow
    int extraCount = 0;         // years whose amount is above 0
    int loanMode = 1;
    float daysInYear = 365.0f;
    float piIncrease = 0.0f;
    // Year lines: the year number and the amount added at its start.
    std::vector<std::pair<Currency, Currency>> years;
};

// The file's text: line 1 with the 15 fields, then one line per year, each
// line ended by CR LF. The lists are written as their exact list texts, the
// start date as yyyy-mm-dd.
std::string serializeMortgageFile(const MortgageFile& file);

// Reads a mortgage file. The start date is read as yyyy-mm-dd first, then by
// `readSystemDate` (the system's short date form, for older files). Anything
// short, of the wrong type, outside the lists or beyond the tables is refused,
// with what was wrong. The count of additional payments is worked out from
// the amounts of the year lines, whatever the file's own count says.
Result<MortgageFile> parseMortgageFile(
    std::string_view text, const std::function<std::optional<Date>(const std::string&)>& readSystemDate = {});

// The mapping between the window's state, its file and its engine input.

// The plan on screen as the engine takes it.
AmortizationInput amortizationInput(const AppState& state);
// The plan on screen as a file keeps it: exactly the additional payments in
// force, nothing left from an earlier plan.
MortgageFile mortgageFileOf(const AppState& state);
// Puts a file's plan into the state: input slots, lists, view, dates, days,
// additional payments and the increase. Results are not touched.
void applyMortgageFile(const MortgageFile& file, AppState& state);

// The defaults of the mortgage (1) or loan (2) window as it opens: inputs,
// lists, view, days, no additional payments, no dates. The start date is
// left as it is (it outlives the window).
void loadMortgageDefaults(AppState& state, int loanMode);

// The additional payments emptied (a changed term): amounts, the count and
// the years set up.
void emptyExtraPayments(MortgageState& plan);
// The years whose amount is above 0.
int countExtraPayments(const MortgageState& plan);
// A days-in-year option put in force.
void setDaysChoice(MortgageState& plan, int choice);
// Whether additional payments or an increase are in force (the red indicator).
bool additionalPaymentsInForce(const MortgageState& plan);

} // namespace fiscalia
