#include "mortgage/mortgage_file.h"

#include "app/csv_codec.h"
#include "app/app_state.h"
#include "mortgage/amortization.h"

#include <algorithm>
#include <cmath>

namespace fiscalia {

DaysOption daysOption(int choice)
{
    switch (choice) {
    case 1: return {365.0f, 365.0 / 14.0, 365.0 / 7.0};
    case 2: return {364.0f, 26.0, 52.0};
    case 3: return {363.0f, 363.0 / 14.0, 363.0 / 7.0};
    default: return {365.25f, 365.25 / 14.0, 365.25 / 7.0};
    }
}

std::string serializeMortgageFile(const MortgageFile& f)
{
    CsvWriter w;
    w.number(f.principal)
        .number(f.rate)
        .number(f.term)
        .text(listText(f.compounding))
        .text(listText(f.frequency))
        .text(f.startDate.toIso())
        .integer(f.datesOn)
        .integer(f.daysChoice)
        .integer(toolModeOf(f.view))
        .integer(f.extraRows)
        .integer(f.extraCount)
        .integer(f.loanMode)
        .number(f.daysInYear)
        .text("O")
        .number(f.piIncrease)
        .endLine();
    for (const auto& [year, amount] : f.years)
        w.number(year).number(amount).endLine();
    return w.str();
}

namespace {

// Reads the fields of line 1 one by one; the first that is wrong is named.
class FieldReader {
public:
    explicit FieldReader(const CsvLine& line) : line_(line) {}

    std::optional<Currency> amount(std::size_t i, const char* what)
    {
        const auto value = line_[i].asCurrency();
        if (!value || *value < Currency())
            return fail(std::string(what) + " is not an amount");
        return value;
    }
    std::optional<int> integer(std::size_t i, int low, int high, const char* what)
    {
        const auto value = line_[i].asInt16();
        if (!value || *value < low || *value > high)
            return fail(std::string(what) + " is not a whole number from " + std::to_string(low) + " to "
                        + std::to_string(high));
        return value;
    }
    std::optional<double> number(std::size_t i, double low, double high, const char* what)
    {
        const auto value = line_[i].asNumber();
        if (!value || *value < low || *value > high)
            return fail(std::string(what) + " is out of range");
        return value;
    }
    std::optional<std::string> text(std::size_t i, const char* what)
    {
        const auto value = line_[i].asText();
        if (!value)
            return fail(std::string(what) + " is not a text");
        return value;
    }
    std::nullopt_t fail(std::string reason)
    {
        if (reason_.empty())
            reason_ = std::move(reason);
        return std::nullopt;
    }
    const std::string& reason() const { return reason_; }

private:
    const CsvLine& line_;
    std::string reason_;
};

} // namespace

Result<MortgageFile> parseMortgageFile(std::string_view text,
                                       const std::function<std::optional<Date>(const std::string&)>& readSystemDate)
{
    const auto lines = parseCsv(text);
    if (lines.empty() || lines[0].size() < 15)
        return Failure{"the first line does not hold the 15 fields of a mortgage or loan file"};
    FieldReader f(lines[0]);
    MortgageFile file;
    const auto principal = f.amount(0, "the principal");
    const auto rate = f.amount(1, "the rate");
    const auto term = f.amount(2, "the term");
    const auto compoundingText = f.text(3, "the compounding period");
    const auto frequencyText = f.text(4, "the payment frequency");
    const auto dateText = f.text(5, "the start date");
    const auto datesOn = f.integer(6, 0, 1, "the dates switch");
    const auto daysChoice = f.integer(7, 0, 4, "the days-in-year choice");
    const auto view = f.integer(8, 1, 2, "the view");
    const auto extraRows = f.integer(9, 0, ExtraPaymentRows - 1, "the count of year lines");
    const auto extraCount = f.integer(10, 0, ExtraPaymentRows - 1, "the count of additional payments");
    const auto loanMode = f.integer(11, 1, 2, "the mode");
    const auto days = f.number(12, 1, 1000, "the days in the year");
    const auto marker = f.text(13, "the marker");
    const auto increase = f.number(14, 0, 1, "the P+I increase");
    if (!f.reason().empty())
        return Failure{f.reason()};
    const auto compounding = compoundingFromText(*compoundingText);
    const auto frequency = frequencyFromText(*frequencyText);
    if (!compounding)
        return Failure{"\"" + *compoundingText + "\" is not a compounding period"};
    if (!frequency)
        return Failure{"\"" + *frequencyText + "\" is not a payment frequency"};
    if (*term > Currency::fromInt(1000) || *rate > Currency::fromInt(1000))
        return Failure{"the rate or the term is out of range"};
    (void)extraCount; // the count is worked out from the amounts below
    std::optional<Date> start = Date::fromIso(*dateText);
    if (!start && readSystemDate)
        start = readSystemDate(*dateText);
    if (!start)
        return Failure{"\"" + *dateText + "\" is not a date"};

    file.principal = *principal;
    file.rate = *rate;
    file.term = *term;
    file.compounding = *compounding;
    file.frequency = *frequency;
    file.startDate = *start;
    file.datesOn = *datesOn;
    file.daysChoice = *daysChoice == 4 ? 0 : *daysChoice;
    file.view = scheduleView(*view);
    file.extraRows = *extraRows;
    file.loanMode = *loanMode;
    file.daysInYear = static_cast<float>(*days);
    file.piIncrease = static_cast<float>(*increase);

    if (static_cast<int>(lines.size()) - 1 < file.extraRows)
        return Failure{"the file ends before its " + std::to_string(file.extraRows) + " year lines"};
    for (int y = 1; y <= file.extraRows; ++y) {
        const CsvLine& line = lines[static_cast<std::size_t>(y)];
        const auto year = line.size() >= 2 ? line[0].asCurrency() : std::nullopt;
        const auto value = line.size() >= 2 ? line[1].asCurrency() : std::nullopt;
        if (!year || !value || *year < Currency() || *value < Currency() || *year > Currency::fromInt(ExtraPaymentRows))
            return Failure{"year line " + std::to_string(y) + " does not hold a year and an amount"};
        file.years.emplace_back(*year, *value);
        if (*value > Currency())
            ++file.extraCount;
    }
    return file;
}

namespace {

// An input slot's value; 0 for a slot the window has not sized.
Currency slotValue(const AppState& st, std::size_t slot)
{
    return slot < st.InputValues.size() ? st.InputValues[slot] : Currency();
}

} // namespace

AmortizationInput amortizationInput(const AppState& st)
{
    const MortgageState& ms = st.Mortgage;
    auto slot = [&](std::size_t i) { return slotValue(st, i); };
    AmortizationInput in;
    in.principal = slot(1);
    in.rate = slot(2);
    in.term = slot(3);
    in.frequency = ms.PaymentFrequency;
    in.compounding = ms.CompoundingPeriod;
    in.loanMode = st.LoanMode == 2 ? 2 : 1;
    in.view = scheduleView(st.ToolMode);
    in.datesOn = ms.DatesOn == 1;
    in.startDate = ms.StartDate;
    in.daysInYear = ms.DaysInYear;
    in.biweeklyPeriods = ms.BiweeklyPeriods;
    in.weeklyPeriods = ms.WeeklyPeriods;
    in.piIncrease = ms.PIIncrease;
    in.extraPayments = ms.ExtraPayments;
    in.extraCount = ms.ExtraCount;
    in.currencySymbol = st.CurrencySymbol;
    in.symbols = st.Symbols;
    return in;
}

MortgageFile mortgageFileOf(const AppState& st)
{
    const MortgageState& ms = st.Mortgage;
    auto slot = [&](std::size_t i) { return slotValue(st, i); };
    MortgageFile file;
    file.principal = slot(1);
    file.rate = slot(2);
    file.term = slot(3);
    file.compounding = ms.CompoundingPeriod;
    file.frequency = ms.PaymentFrequency;
    file.startDate = ms.StartDate;
    file.datesOn = ms.DatesOn;
    file.daysChoice = ms.DaysChoice;
    file.view = scheduleView(st.ToolMode);
    file.loanMode = st.LoanMode == 2 ? 2 : 1;
    file.daysInYear = ms.DaysInYear;
    file.piIncrease = ms.PIIncrease;
    const int rows = std::clamp(ms.ExtraRows, 0, static_cast<int>(ms.ExtraPayments.size()) - 1);
    file.extraRows = rows;
    for (int y = 1; y <= rows; ++y) {
        const auto& row = ms.ExtraPayments[static_cast<std::size_t>(y)];
        file.years.emplace_back(Currency::fromInt(y), row[2]);
        if (row[2] > Currency())
            ++file.extraCount;
    }
    return file;
}

void applyMortgageFile(const MortgageFile& file, AppState& st)
{
    MortgageState& ms = st.Mortgage;
    st.LoanMode = file.loanMode;
    if (st.InputValues.size() < 6)
        st.InputValues.resize(6);
    st.InputValues[1] = file.principal;
    st.InputValues[2] = file.rate;
    st.InputValues[3] = file.term;
    ms.CompoundingPeriod = file.compounding;
    ms.PaymentFrequency = file.frequency;
    ms.StartDate = file.startDate;
    ms.StartDateSet = true;
    ms.DatesOn = file.datesOn;
    setDaysChoice(ms, file.daysChoice);
    st.ToolMode = toolModeOf(file.view);
    emptyExtraPayments(ms);
    ms.ExtraRows = std::min(file.extraRows, ExtraPaymentRows - 1);
    for (std::size_t y = 0; y < file.years.size() && y + 1 < ms.ExtraPayments.size(); ++y) {
        ms.ExtraPayments[y + 1][1] = Currency::fromInt(static_cast<std::int64_t>(y) + 1);
        ms.ExtraPayments[y + 1][2] = file.years[y].second;
    }
    ms.ExtraCount = countExtraPayments(ms);
    ms.PIIncrease = file.piIncrease;
}

void loadMortgageDefaults(AppState& st, int loanMode)
{
    const bool loan = loanMode == 2;
    MortgageState& ms = st.Mortgage;
    st.LoanMode = loan ? 2 : 1;
    st.InputValues.assign(6, Currency());
    st.InputValues[1] = Currency::fromInt(loan ? 20000 : 100000);
    st.InputValues[2] = Currency::fromDouble(10.125);
    st.InputValues[3] = Currency::fromInt(loan ? 4 : 25);
    ms.CompoundingPeriod = Compounding::Monthly;
    ms.PaymentFrequency = Frequency::Monthly;
    st.ToolMode = toolModeOf(ScheduleView::Annual);
    ms.DatesOn = 0;
    setDaysChoice(ms, 1);
    ms.PIIncrease = 0.0f;
    emptyExtraPayments(ms);
    ms.Results.reset();
    st.ResultsReady = 0;
    st.EditFlag = 0;
}

void emptyExtraPayments(MortgageState& plan)
{
    plan.ExtraPayments.assign(ExtraPaymentRows, std::array<Currency, 3>{});
    plan.ExtraCount = 0;
    plan.ExtraRows = 0;
}

int countExtraPayments(const MortgageState& plan)
{
    return static_cast<int>(std::count_if(plan.ExtraPayments.begin() + 1, plan.ExtraPayments.end(),
                                          [](const auto& row) { return row[2] > Currency(); }));
}

void setDaysChoice(MortgageState& plan, int choice)
{
    const DaysOption option = daysOption(choice);
    plan.DaysChoice = choice >= 0 && choice <= 3 ? choice : 0;
    plan.DaysInYear = option.daysInYear;
    plan.BiweeklyPeriods = option.biweeklyPeriods;
    plan.WeeklyPeriods = option.weeklyPeriods;
}

bool additionalPaymentsInForce(const MortgageState& plan)
{
    return plan.PIIncrease > 0 || plan.ExtraCount > 0;
}

} // namespace fiscalia
