#include "app/personal_settings.h"

#include "app/csv_codec.h"
#include "app/number_format.h"

namespace fiscalia {

bool readPersonalSettings(std::string_view text, PersonalSettings& settings)
{
    const auto lines = parseCsv(text);
    // The three fields may stand on one line or be spread over several.
    std::vector<CsvField> fields;
    for (const auto& line : lines)
        fields.insert(fields.end(), line.begin(), line.end());

    bool complete = fields.size() >= 3;
    if (!fields.empty()) {
        if (const auto symbol = fields[0].asText())
            settings.currencySymbol = *symbol;
        else
            complete = false;
    }
    if (fields.size() > 1) {
        const auto choice = fields[1].asInt16();
        if (choice && *choice >= 0 && *choice <= 3)
            settings.printFontChoice = *choice;
        else
            complete = false;
    }
    if (fields.size() > 2) {
        if (const auto name = fields[2].asText())
            settings.userName = *name;
        else
            complete = false;
    }
    if (settings.currencySymbol.empty())
        settings.currencySymbol = std::string(1, '$');
    return complete;
}

std::string writePersonalSettings(const PersonalSettings& settings)
{
    CsvWriter writer;
    writer.text(settings.currencySymbol).integer(settings.printFontChoice).text(settings.userName).endLine();
    return writer.str();
}

std::string fitCurrencySymbol(std::string_view typed)
{
    return RightJustify(typed, 2);
}

int pageLinesFor(int printFontChoice)
{
    switch (printFontChoice) {
    case 1: return 63;
    case 2: return 56;
    case 3: return 51;
    default: return 53;
    }
}

} // namespace fiscalia
