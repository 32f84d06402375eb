#include "app/number_format.h"

#include "app/calc_error.h"
#include "app/currency.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <vector>

namespace fiscalia {

namespace {

// A non-negative decimal number: digits × 10^exponent.
struct Decimal {
    bool negative = false;
    std::string digits; // no sign, may have leading zeros
    int exponent = 0;
};

Decimal decimalFromDouble(double value)
{
    if (!std::isfinite(value))
        throw CalcError("number is not finite");
    Decimal d;
    d.negative = std::signbit(value) && value != 0.0;
    char buffer[64];
    // 15 significant digits: d.dddddddddddddde±x, independent of the C locale.
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, 14);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const auto e = text.find('e');
    for (char c : text.substr(0, e))
        if (c >= '0' && c <= '9')
            d.digits += c;
    int exp10 = 0;
    const std::string_view expText = text.substr(e + 1);
    std::from_chars(expText.data() + (expText.front() == '+' ? 1 : 0),
                    expText.data() + expText.size(), exp10);
    d.exponent = exp10 - 14;
    return d;
}

Decimal decimalFromCurrency(const Currency& value)
{
    Decimal d;
    const std::int64_t raw = value.raw();
    d.negative = raw < 0;
    const std::uint64_t magnitude = raw < 0 ? (~static_cast<std::uint64_t>(raw) + 1u)
                                            : static_cast<std::uint64_t>(raw);
    d.digits = std::to_string(magnitude);
    d.exponent = -4;
    return d;
}

// The parsed shape of a pattern.
struct Pattern {
    std::string prefix;       // literal text before the digits
    std::string suffix;       // literal text (and "%") after the digits
    int integerZeros = 0;     // digit places from the first "0" to the point
    bool grouping = false;
    int thousandsScale = 0;   // commas that divide by 1000
    bool hasPoint = false;
    int minDecimals = 0;      // up to the last "0" after the point
    int maxDecimals = 0;      // all digit places after the point
    int percent = 0;          // number of "%" signs
};

Pattern parsePattern(std::string_view p)
{
    Pattern pat;
    bool digitsStarted = false;
    bool digitsEnded = false;
    bool inFraction = false;
    int pendingCommas = 0; // commas seen since the last integer digit place
    int integerPlaces = 0;
    bool zeroSeen = false;
    int fractionPlaces = 0;

    auto literal = [&](std::string_view text) {
        if (!digitsStarted)
            pat.prefix += text;
        else {
            digitsEnded = true;
            pat.suffix += text;
        }
    };

    for (std::size_t i = 0; i < p.size(); ++i) {
        const char c = p[i];
        const bool placeholder = (c == '#' || c == '0') && !digitsEnded;
        if (placeholder) {
            digitsStarted = true;
            if (inFraction) {
                ++fractionPlaces;
                if (c == '0')
                    pat.minDecimals = fractionPlaces;
            } else {
                if (pendingCommas > 0 && integerPlaces > 0)
                    pat.grouping = true;
                pendingCommas = 0;
                ++integerPlaces;
                if (c == '0')
                    zeroSeen = true;
                if (zeroSeen)
                    ++pat.integerZeros;
            }
        } else if (c == ',' && !inFraction && !digitsEnded) {
            if (digitsStarted)
                ++pendingCommas;
        } else if (c == '.' && !inFraction && !digitsEnded) {
            digitsStarted = true;
            inFraction = true;
            pat.hasPoint = true;
            pat.thousandsScale += pendingCommas;
            pendingCommas = 0;
        } else if (c == '%') {
            ++pat.percent;
            literal("%");
        } else if (c == '\\' && i + 1 < p.size()) {
            literal(p.substr(++i, 1));
        } else if (c == '"') {
            const auto close = p.find('"', i + 1);
            const auto end = close == std::string_view::npos ? p.size() : close;
            literal(p.substr(i + 1, end - i - 1));
            i = end;
        } else {
            literal(p.substr(i, 1));
        }
    }
    if (!inFraction)
        pat.thousandsScale += pendingCommas;
    pat.maxDecimals = fractionPlaces;
    return pat;
}

// Rounds digits × 10^exponent half away from zero to `decimals` places and
// returns the whole number of units of 10^-decimals as a digit string.
std::string roundToPlaces(const Decimal& d, int decimals)
{
    const int shift = d.exponent + decimals;
    if (shift >= 0)
        return d.digits + std::string(static_cast<std::size_t>(shift), '0');
    const int drop = -shift;
    if (drop > static_cast<int>(d.digits.size()))
        return "0"; // less than a tenth of the last place: rounds to zero
    std::string kept = d.digits.substr(0, d.digits.size() - static_cast<std::size_t>(drop));
    const char firstDropped = d.digits[d.digits.size() - static_cast<std::size_t>(drop)];
    if (kept.empty())
        kept = "0";
    if (firstDropped >= '5') {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9')
            kept[static_cast<std::size_t>(i--)] = '0';
        if (i < 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[static_cast<std::size_t>(i)];
    }
    return kept;
}

std::string format(Decimal d, std::string_view patternText, const NumberSymbols& symbols)
{
    const Pattern pat = parsePattern(patternText);
    d.exponent += 2 * pat.percent - 3 * pat.thousandsScale;

    std::string units = roundToPlaces(d, pat.maxDecimals);
    // Split into the integer digits and exactly maxDecimals fraction digits.
    if (static_cast<int>(units.size()) <= pat.maxDecimals)
        units.insert(0, static_cast<std::size_t>(pat.maxDecimals) + 1 - units.size(), '0');
    std::string integer = units.substr(0, units.size() - static_cast<std::size_t>(pat.maxDecimals));
    std::string fraction = units.substr(integer.size());

    const bool allZero = units.find_first_not_of('0') == std::string::npos;

    const auto firstNonZero = integer.find_first_not_of('0');
    integer = firstNonZero == std::string::npos ? std::string() : integer.substr(firstNonZero);
    if (static_cast<int>(integer.size()) < pat.integerZeros)
        integer.insert(0, static_cast<std::size_t>(pat.integerZeros) - integer.size(), '0');

    std::string grouped;
    if (pat.grouping && integer.size() > 3) {
        const std::size_t lead = integer.size() % 3 == 0 ? 3 : integer.size() % 3;
        grouped = integer.substr(0, lead);
        for (std::size_t i = lead; i < integer.size(); i += 3)
            grouped += symbols.group + integer.substr(i, 3);
    } else {
        grouped = integer;
    }

    while (static_cast<int>(fraction.size()) > pat.minDecimals && fraction.back() == '0')
        fraction.pop_back();

    std::string out;
    if (d.negative && !allZero)
        out += '-';
    out += pat.prefix;
    out += grouped;
    if (pat.hasPoint)
        out += symbols.decimal + fraction;
    out += pat.suffix;
    return out;
}

} // namespace

std::string formatNumber(double value, std::string_view pattern, const NumberSymbols& symbols)
{
    return format(decimalFromDouble(value), pattern, symbols);
}

std::string formatNumber(const Currency& value, std::string_view pattern, const NumberSymbols& symbols)
{
    return format(decimalFromCurrency(value), pattern, symbols);
}

int charCount(std::string_view text)
{
    int count = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80)
            ++count;
    return count;
}

std::string RightJustify(std::string_view text, int width)
{
    const int length = charCount(text);
    if (length >= width)
        return std::string(text); // a number is never cut to fit its field
    return std::string(static_cast<std::size_t>(width - length), ' ') + std::string(text);
}

std::string leftChars(std::string_view text, int count)
{
    int seen = 0;
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (seen == count)
                break;
            ++seen;
        }
    }
    return std::string(text.substr(0, i));
}

double Val(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    std::string number;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-')
            number += '-';
        ++i;
    }
    bool point = false;
    bool digits = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            number += c;
            digits = true;
        } else if (c == '.' && !point) {
            number += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0.0;
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large for a double, or so small that it reads as zero.
        const auto firstDigit = number.find_first_of("123456789");
        const auto pointAt = number.find('.');
        const bool large = firstDigit != std::string::npos && (pointAt == std::string::npos || firstDigit < pointAt);
        if (!large)
            return 0.0;
        return number.front() == '-' ? -HUGE_VAL : HUGE_VAL;
    }
    return value;
}

} // namespace fiscalia
