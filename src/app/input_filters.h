#pragma once
#include <string_view>

namespace fiscalia {

// The key filters of the green input boxes. Each takes the character of the
// key pressed and answers whether it passes; a dropped key beeps.

// Backspace (8), 127, the decimal point and digits pass, a digit only while
// the text before it holds at most two decimals (three when the decimals
// override is above 2; the override is then cleared to 0).
bool decimalFilterPasses(char32_t key, std::string_view textBefore, int& decimalsOverride);

// Backspace (8), 127 and digits pass.
bool wholeNumberFilterPasses(char32_t key);

} // namespace fiscalia
