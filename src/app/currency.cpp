#include "app/currency.h"

#include "app/calc_error.h"

#include <cmath>
#include <limits>

namespace fiscalia {

namespace {
__extension__ typedef __int128 Int128;
// 2^63 as a double: the first value that no longer fits a signed 64-bit count.
constexpr double TwoTo63 = 9223372036854775808.0;
} // namespace

Currency Currency::fromDouble(double value)
{
    if (!std::isfinite(value))
        throw CalcError("amount is not a number");
    // std::nearbyint follows the default rounding mode, round-half-to-even.
    const double scaled = std::nearbyint(value * static_cast<double>(Scale));
    if (!(scaled >= -TwoTo63 && scaled < TwoTo63))
        throw CalcError("amount out of range");
    return fromRaw(static_cast<std::int64_t>(scaled));
}

bool Currency::fits(double value)
{
    if (!std::isfinite(value))
        return false;
    const double scaled = std::nearbyint(value * static_cast<double>(Scale));
    return scaled >= -TwoTo63 && scaled < TwoTo63;
}

std::optional<Currency> Currency::read(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    // The amount in ten-thousandths, and what lies beyond the fourth decimal.
    Int128 raw = 0;
    int decimals = -1;       // -1: no point yet
    int firstBeyond = -1;    // the fifth decimal
    bool moreBeyond = false; // any other digit after it
    const Int128 limit = Int128(1) << 64;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && decimals < 0) {
            decimals = 0;
            continue;
        }
        if (c < '0' || c > '9')
            break;
        const int digit = c - '0';
        if (decimals < 0 || decimals < 4) {
            raw = raw * 10 + digit;
            if (raw > limit)
                return std::nullopt;
            if (decimals >= 0)
                ++decimals;
        } else if (firstBeyond < 0) {
            firstBeyond = digit;
        } else if (digit > 0) {
            moreBeyond = true;
        }
    }
    for (int d = std::max(decimals, 0); d < 4; ++d)
        raw *= 10;
    if (raw > limit)
        return std::nullopt;
    if (firstBeyond > 5 || (firstBeyond == 5 && (moreBeyond || raw % 2 != 0)))
        ++raw;
    const Int128 signedRaw = negative ? -raw : raw;
    if (signedRaw > std::numeric_limits<std::int64_t>::max() || signedRaw < std::numeric_limits<std::int64_t>::min())
        return std::nullopt;
    return fromRaw(static_cast<std::int64_t>(signedRaw));
}

Currency Currency::fromInt(std::int64_t whole)
{
    std::int64_t raw = 0;
    if (__builtin_mul_overflow(whole, Scale, &raw))
        throw CalcError("amount out of range");
    return fromRaw(raw);
}

std::string Currency::toPlainString() const
{
    const bool negative = raw_ < 0;
    // Work on the magnitude as unsigned so that the most negative value is safe.
    const std::uint64_t magnitude = negative ? (~static_cast<std::uint64_t>(raw_) + 1u)
                                             : static_cast<std::uint64_t>(raw_);
    std::string text = std::to_string(magnitude / Scale);
    std::uint64_t fraction = magnitude % Scale;
    if (fraction != 0) {
        std::string digits = std::to_string(fraction);
        digits.insert(0, 4 - digits.size(), '0');
        while (digits.back() == '0')
            digits.pop_back();
        text += '.' + digits;
    }
    return negative ? '-' + text : text;
}

Currency Currency::operator+(Currency other) const
{
    std::int64_t sum = 0;
    if (__builtin_add_overflow(raw_, other.raw_, &sum))
        throw CalcError("amount overflow");
    return fromRaw(sum);
}

Currency Currency::operator-(Currency other) const
{
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(raw_, other.raw_, &difference))
        throw CalcError("amount overflow");
    return fromRaw(difference);
}

Currency Currency::operator-() const
{
    return Currency() - *this;
}

Currency Currency::operator*(Currency other) const
{
    // raw = a * b / 10000, rounded half to even, computed exactly in 128 bits.
    const Int128 product = static_cast<Int128>(raw_) * other.raw_;
    Int128 quotient = product / Scale;
    const Int128 remainder = product % Scale;
    const Int128 twice = (remainder < 0 ? -remainder : remainder) * 2;
    if (twice > Scale || (twice == Scale && (quotient % 2) != 0))
        quotient += product < 0 ? -1 : 1;
    if (quotient > std::numeric_limits<std::int64_t>::max()
        || quotient < std::numeric_limits<std::int64_t>::min())
        throw CalcError("amount overflow");
    return fromRaw(static_cast<std::int64_t>(quotient));
}

double roundToCurrency(double value)
{
    return Currency::fromDouble(value).toDouble();
}

std::int16_t toInt16(double value)
{
    if (!std::isfinite(value))
        throw CalcError("count is not a number");
    const double rounded = std::nearbyint(value);
    if (rounded < -32768.0 || rounded > 32767.0)
        throw CalcError("count out of range");
    return static_cast<std::int16_t>(rounded);
}

} // namespace fiscalia
