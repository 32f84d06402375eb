#pragma once
#include <string>
#include <string_view>

namespace fiscalia {

class Currency;

// The separators of the user's regional settings. The windows fill it from
// the system locale; tests pin it.
struct NumberSymbols {
    std::string decimal = ".";
    std::string group = ",";
};

// Formats a number with one of the program's display patterns:
//   "#"  a digit place that shows nothing for a leading (or, after the point,
//        trailing) zero;  "0"  a digit place that always shows a digit;
//   ","  between digit places: thousands grouping (",," means the same);
//        directly left of the point or at the end of the digits: divide by 1000;
//   "."  the decimal point, always shown when the pattern has one;
//   "%"  multiplies the value by 100 and shows "%" in its place;
//   anything else, "\x" and "quoted text": shown as it stands.
// The value is rounded half away from zero to the decimals of the pattern.
// Doubles are taken at 15 significant digits, so 1.005 shows as 1.01 with
// two decimals; currency values are taken exactly.
// Throws CalcError for NaN and infinity.
std::string formatNumber(double value, std::string_view pattern, const NumberSymbols& symbols = {});
std::string formatNumber(const Currency& value, std::string_view pattern, const NumberSymbols& symbols = {});

// The text of `width` characters with `text` at its right end, padded with
// blanks on the left. A longer text is given whole: a number wider than its
// field is shown as it is, never cut. Characters, not bytes, are counted.
std::string RightJustify(std::string_view text, int width);

// The first `count` characters (not bytes) of a text.
std::string leftChars(std::string_view text, int count);

// Number of characters (UTF-8 code points) of a text.
int charCount(std::string_view text);

// The numeric reading of a text: leading blanks skipped, an optional sign,
// digits and one decimal point taken; the reading stops at the first other
// character. An empty or unreadable text reads as 0.
double Val(std::string_view text);

} // namespace fiscalia
