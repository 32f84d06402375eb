#pragma once
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fiscalia {

// A money amount, share count or typed rate: a signed 64-bit count of
// ten-thousandths. Conversions from double go to the nearest 0.0001 with ties
// to the even digit; sums and differences are exact and checked for overflow.
class Currency {
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromRaw(std::int64_t raw) { Currency c; c.raw_ = raw; return c; }
    static Currency fromDouble(double value);   // throws CalcError on NaN, inf, overflow
    static Currency fromInt(std::int64_t whole); // throws CalcError on overflow
    // Whether fromDouble takes the value: a number within the 64-bit range.
    static bool fits(double value);
    // The numeric reading of a text (as Val reads it: leading blanks, a sign,
    // digits and one point, up to the first other character; an empty text
    // is 0), exactly, rounded to 0.0001 with ties to even; nothing when the
    // amount is outside the 64-bit range.
    static std::optional<Currency> read(std::string_view text);

    constexpr std::int64_t raw() const { return raw_; }
    double toDouble() const { return static_cast<double>(raw_) / Scale; }
    bool isZero() const { return raw_ == 0; }

    // Plain decimal text with "." and no trailing zeros ("100000", "10.125",
    // "-0.5"): the form numbers take in the program's files.
    std::string toPlainString() const;

    Currency operator+(Currency other) const;
    Currency operator-(Currency other) const;
    Currency operator-() const;
    Currency& operator+=(Currency other) { return *this = *this + other; }
    Currency& operator-=(Currency other) { return *this = *this - other; }
    // The product rounded to the nearest 0.0001, ties to even.
    Currency operator*(Currency other) const;

    constexpr auto operator<=>(const Currency&) const = default;

private:
    std::int64_t raw_ = 0;
};

// Rounds a double to the nearest 0.0001 (ties to even) and gives it back as a
// double: what storing a working value in a currency slot does to it.
double roundToCurrency(double value);

// Checked conversions to a 16-bit count: the nearest whole number, ties to
// even; outside -32768..32767 or not a number throws CalcError.
std::int16_t toInt16(double value);

} // namespace fiscalia
