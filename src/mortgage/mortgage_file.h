#pragma once
#include "app/currency.h"
#include "app/date.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace fiscalia {

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
    std::string compounding;    // exact list texts
    std::string frequency;
    Date startDate{};
    int datesOn = 0;
    int daysChoice = 1;
    int view = 1;               // 2 "All ", 1 "Annual"
    int extraRows = 0;          // year lines that follow
    int extraCount = 0;
    int loanMode = 1;
    float daysInYear = 365.0f;
    float piIncrease = 0.0f;
    // Year lines: the year number and the amount added at its start.
    std::vector<std::pair<Currency, Currency>> years;
};

// The file's text: line 1 with the 15 fields, then one line per year, each
// line ended by CR LF. The start date is written as yyyy-mm-dd.
std::string serializeMortgageFile(const MortgageFile& file);

// Reads a mortgage file. The start date is read as yyyy-mm-dd first, then by
// `readSystemDate` (the system's short date form, for older files). Anything
// short, of the wrong type, outside the lists or beyond the tables gives
// nothing.
std::optional<MortgageFile> parseMortgageFile(
    std::string_view text, const std::function<std::optional<Date>(const std::string&)>& readSystemDate = {});

} // namespace fiscalia
