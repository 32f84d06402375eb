// The readings of the input boxes' texts: dates, amounts, rates and counts.
// The first byte picks the reading (its value modulo 8); readings with
// settings (a box's decimals, sign and scale; a display pattern; a width)
// take them from the second byte. The rest is the text typed or pasted.
#include "app/calc_error.h"
#include "app/currency.h"
#include "app/date.h"
#include "app/input_filters.h"
#include "app/number_format.h"
#include "app/text_encoding.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

using namespace fiscalia;

namespace {

// The display patterns the boxes and tables show their values with.
constexpr const char* Patterns[] = {"#,##0.00", "#,##0", "0.00%", "##0.000", "#,##0.0000", "0", "#,##0.00,", "0.0##"};

// A date box's text, yyyy-mm-dd: a date read shows the same text again.
void readIsoDate(std::string_view text)
{
    const auto date = Date::fromIso(text);
    if (!date)
        return;
    if (date->toIso() != text || Date::fromIso(date->toIso()) != date)
        __builtin_trap();
    if (date->year() < 1 || date->year() > 9999)
        __builtin_trap();
}

// Day arithmetic on a valid date (a term's months, a start date moved).
void moveDate(std::string_view text)
{
    if (text.size() < 6)
        return;
    const auto u = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const auto date = Date::fromYmd(1 + (u(0) << 8 | u(1)) % 9999, 1 + u(2) % 12, 1 + u(3) % 31);
    if (!date)
        return;
    const long months = static_cast<signed char>(u(4)) * 12;
    const Date moved = date->addMonths(months);
    if (moved.day() > date->day() || moved.month() < 1 || moved.month() > 12)
        __builtin_trap();
    if (moved.addMonths(-months).day() > date->day())
        __builtin_trap();
    (void)date->addDays(static_cast<signed char>(u(5)) * 1000L).toIso();
}

// An amount typed into a box: read exactly, written plain, read the same.
void readAmount(std::string_view text)
{
    const auto amount = Currency::read(text);
    const double val = Val(text);
    if (!amount)
        return;
    const auto again = Currency::read(amount->toPlainString());
    if (!again || *again != *amount)
        __builtin_trap();
    // The exact reading and Val's agree to within the rounding.
    if (std::isfinite(val) && std::fabs(val - amount->toDouble()) > 0.00006 + std::fabs(val) * 1e-12)
        __builtin_trap();
}

// A text a number box is offered, key by key or pasted: what it takes, the
// box can store.
void offerToBox(std::string_view text, std::uint8_t settings)
{
    NumberRule rule;
    rule.decimals = settings % 5;
    rule.allowMinus = (settings & 8) != 0;
    constexpr double Scales[] = {1.0, 100.0, 1000.0, 0.01};
    rule.scale = Scales[(settings >> 4) % 4];
    const bool pasted = (settings & 64) != 0;
    if (!acceptsNumberText(text, rule, pasted))
        return;
    const auto amount = Currency::read(text);
    if (!amount)
        __builtin_trap();
    if (!rule.allowMinus && amount->raw() < 0)
        __builtin_trap();
    // A box of scale 1 stores the amount as read; any other divides it.
    if (rule.scale != 1.0) {
        try {
            (void)Currency::fromDouble(amount->toDouble() / rule.scale);
        } catch (const CalcError&) {
            __builtin_trap();
        }
    }
}

// A value shown in a box or a table in one of the program's patterns.
void showValue(std::string_view text, std::uint8_t settings)
{
    const char* pattern = Patterns[settings % std::size(Patterns)];
    NumberSymbols symbols;
    if (settings & 8)
        symbols = {",", "."};
    const double value = Val(text);
    if (std::isfinite(value))
        (void)formatNumber(value, pattern, symbols);
    if (const auto amount = Currency::read(text))
        (void)formatNumber(*amount, pattern, symbols);
}

// A count (years, payments a year): the nearest whole number, or CalcError.
void readCount(std::string_view text)
{
    const double value = Val(text);
    try {
        const int count = toInt16(value);
        if (std::fabs(count - value) > 0.5)
            __builtin_trap();
    } catch (const CalcError&) {
        if (std::isfinite(value) && value > -32768.5 && value < 32767.5)
            __builtin_trap();
    }
}

// A name or label: older files' text made UTF-8, cut and padded by characters.
void readText(std::string_view text, std::uint8_t settings)
{
    const std::string utf8 = legacyTextToUtf8(text);
    if (!isValidUtf8(utf8) || (isValidUtf8(text) && utf8 != text))
        __builtin_trap();
    const int width = settings % 40;
    const std::string left = leftChars(utf8, width);
    if (charCount(left) > width || utf8.compare(0, left.size(), left) != 0)
        __builtin_trap();
    const std::string padded = RightJustify(utf8, width);
    if (charCount(padded) < width || charCount(padded) < charCount(utf8))
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::uint8_t choice = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    // The readings with settings take them from the second byte.
    const std::uint8_t settings = size >= 2 ? data[1] : 0;
    const std::string_view rest = text.empty() ? text : text.substr(1);
    switch (choice % 8) {
    case 0: readIsoDate(text); break;
    case 1: moveDate(text); break;
    case 2: readAmount(text); break;
    case 3: offerToBox(rest, settings); break;
    case 4: showValue(rest, settings); break;
    case 5: readCount(text); break;
    case 6: readText(rest, settings); break;
    default: readAmount(text); readCount(text); break;
    }
    return 0;
}
