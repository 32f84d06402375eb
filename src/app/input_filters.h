#pragma once
#include <string_view>

namespace fiscalia {

// The rules of a number box, decided on the box's whole text as it would
// stand after a key or a paste (wherever the caret is).
struct NumberRule {
    int decimals = 2;        // characters after the first point (0: a whole number, no point)
    bool allowMinus = false; // a leading "-"
    double scale = 1.0;      // the slot holds the value divided by this
};

// Whether `text` (digits, "." as the point, a leading "-" where the rule
// allows it) is one a box takes: at most `decimals` characters after the
// first point (a second point may be typed and the reading stops at it; a
// pasted text with two is not a number), and a value its slot can hold.
bool acceptsNumberText(std::string_view text, const NumberRule& rule, bool pasted);

// The longest name (a fund, a line of the net worth statement, a printout's
// heading) a box takes, in characters: far more than any page shows, and
// small enough that a full database or statement stays well inside the size
// of file the program reads back.
inline constexpr int NameLengthLimit = 255;

} // namespace fiscalia
