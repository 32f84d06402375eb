#include "mortgage/mortgage_file.h"

#include "app/csv_codec.h"
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
        .text(f.compounding)
        .text(f.frequency)
        .text(f.startDate.toIso())
        .integer(f.datesOn)
        .integer(f.daysChoice)
        .integer(f.view)
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

bool inList(const std::string& text, const char* const* list, std::size_t count)
{
    return std::any_of(list, list + count, [&](const char* item) { return text == item; });
}

std::optional<int> intIn(const CsvField& field, int low, int high)
{
    const auto value = field.asInt16();
    if (!value || *value < low || *value > high)
        return std::nullopt;
    return value;
}

std::optional<Currency> amount(const CsvField& field)
{
    const auto value = field.asCurrency();
    if (!value || *value < Currency())
        return std::nullopt;
    return value;
}

} // namespace

std::optional<MortgageFile> parseMortgageFile(
    std::string_view text, const std::function<std::optional<Date>(const std::string&)>& readSystemDate)
{
    const auto lines = parseCsv(text);
    if (lines.empty() || lines[0].size() < 15)
        return std::nullopt;
    const CsvLine& f = lines[0];
    MortgageFile file;
    const auto principal = amount(f[0]);
    const auto rate = amount(f[1]);
    const auto term = amount(f[2]);
    const auto compounding = f[3].asText();
    const auto frequency = f[4].asText();
    const auto dateText = f[5].asText();
    const auto datesOn = intIn(f[6], 0, 1);
    const auto daysChoice = intIn(f[7], 0, 4);
    const auto view = intIn(f[8], 1, 2);
    const auto extraRows = intIn(f[9], 0, ExtraPaymentRows - 1);
    const auto extraCount = intIn(f[10], 0, ExtraPaymentRows - 1);
    const auto loanMode = intIn(f[11], 1, 2);
    const auto days = f[12].asNumber();
    const auto marker = f[13].asText();
    const auto increase = f[14].asNumber();
    if (!principal || !rate || !term || !compounding || !frequency || !dateText || !datesOn || !daysChoice
        || !view || !extraRows || !extraCount || !loanMode || !days || !marker || !increase)
        return std::nullopt;
    if (!inList(*compounding, CompoundingTexts, std::size(CompoundingTexts))
        || !inList(*frequency, FrequencyTexts, std::size(FrequencyTexts)))
        return std::nullopt;
    if (*days <= 0 || *days > 1000 || *increase < 0 || *increase > 1 || *term > Currency::fromInt(1000)
        || *rate > Currency::fromInt(1000))
        return std::nullopt;
    std::optional<Date> start = Date::fromIso(*dateText);
    if (!start && readSystemDate)
        start = readSystemDate(*dateText);
    if (!start)
        return std::nullopt;

    file.principal = *principal;
    file.rate = *rate;
    file.term = *term;
    file.compounding = *compounding;
    file.frequency = *frequency;
    file.startDate = *start;
    file.datesOn = *datesOn;
    file.daysChoice = *daysChoice == 4 ? 0 : *daysChoice;
    file.view = *view;
    file.extraRows = *extraRows;
    file.extraCount = *extraCount;
    file.loanMode = *loanMode;
    file.daysInYear = static_cast<float>(*days);
    file.piIncrease = static_cast<float>(*increase);

    if (static_cast<int>(lines.size()) - 1 < file.extraRows)
        return std::nullopt;
    for (int y = 1; y <= file.extraRows; ++y) {
        const CsvLine& line = lines[static_cast<std::size_t>(y)];
        if (line.size() < 2)
            return std::nullopt;
        const auto year = amount(line[0]);
        const auto value = amount(line[1]);
        if (!year || !value || *year > Currency::fromInt(ExtraPaymentRows))
            return std::nullopt;
        file.years.emplace_back(*year, *value);
    }
    return file;
}

} // namespace fiscalia
