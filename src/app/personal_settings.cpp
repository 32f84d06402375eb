#include "app/personal_settings.h"

#include "app/csv_codec.h"
#include "app/number_format.h"
#include "app/text_encoding.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace fiscalia {

namespace {

// The next character of text already known to be valid UTF-8; moves `i` past it.
char32_t nextCharacter(std::string_view utf8, std::size_t& i)
{
    const auto lead = static_cast<std::uint8_t>(utf8[i++]);
    if (lead < 0x80)
        return lead;
    const int continuation = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
    char32_t c = lead & (0x3F >> continuation);
    for (int k = 0; k < continuation; ++k)
        c = (c << 6) | (static_cast<std::uint8_t>(utf8[i++]) & 0x3F);
    return c;
}

bool isControlCharacter(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// Unicode's format characters (category Cf), as ranges of code points.
struct Range {
    char32_t first, last;
};
constexpr Range FormatCharacters[] = {
    {0x00AD, 0x00AD},   {0x0600, 0x0605},   {0x061C, 0x061C},   {0x06DD, 0x06DD},
    {0x070F, 0x070F},   {0x0890, 0x0891},   {0x08E2, 0x08E2},   {0x180E, 0x180E},
    {0x200B, 0x200F},   {0x202A, 0x202E},   {0x2060, 0x2064},   {0x2066, 0x206F},
    {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD}, {0x110CD, 0x110CD},
    {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001},
    {0xE0020, 0xE007F},
};

bool isFormatCharacter(char32_t c)
{
    // The ranges are in order; find the first that does not end before c.
    const auto* range = std::lower_bound(std::begin(FormatCharacters), std::end(FormatCharacters), c,
                                         [](const Range& r, char32_t v) { return r.last < v; });
    return range != std::end(FormatCharacters) && range->first <= c;
}

bool isNoncharacter(char32_t c)
{
    return (c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFE) == 0xFFFE;
}

// The name as read, less its control characters (C0, DEL, C1). The text is
// valid UTF-8, so a C1 character is always the two bytes C2 80..C2 9F.
std::string withoutControlCharacters(std::string_view name)
{
    std::string out;
    out.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto b = static_cast<std::uint8_t>(name[i]);
        if (b < 0x20 || b == 0x7F)
            continue;
        if (b == 0xC2 && i + 1 < name.size() && static_cast<std::uint8_t>(name[i + 1]) <= 0x9F) {
            ++i;
            continue;
        }
        out += name[i];
    }
    return out;
}

} // namespace

bool isAcceptableSymbolCharacter(char32_t c)
{
    return c <= 0x10FFFF && !isControlCharacter(c) && !isFormatCharacter(c) && c != 0x2028 && c != 0x2029
        && !(c >= 0xD800 && c <= 0xDFFF) && !isNoncharacter(c);
}

bool isAcceptableCurrencySymbol(std::string_view utf8)
{
    // A valid character takes at most 4 bytes; the length check comes first
    // so that a long field is not walked through.
    if (utf8.empty() || utf8.size() > 4 * CurrencySymbolMaxChars || !isValidUtf8(utf8))
        return false;
    int count = 0;
    for (std::size_t i = 0; i < utf8.size(); ++count) {
        if (count == CurrencySymbolMaxChars || !isAcceptableSymbolCharacter(nextCharacter(utf8, i)))
            return false;
    }
    return true;
}

bool readPersonalSettings(std::string_view text, PersonalSettings& settings)
{
    const auto lines = parseCsv(legacyTextToUtf8(text));
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
            settings.userName = withoutControlCharacters(*name);
        else
            complete = false;
    }
    // Also covers a symbol the caller passed in: every amount is shown with it.
    if (!isAcceptableCurrencySymbol(settings.currencySymbol))
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
    return RightJustify(leftChars(typed, 2), 2);
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
