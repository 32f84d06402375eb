#include "app/input_filters.h"

#include "app/currency.h"
#include "app/number_format.h"

namespace fiscalia {

bool acceptsNumberText(std::string_view text, const NumberRule& rule, bool pasted)
{
    std::size_t i = 0;
    if (!text.empty() && text.front() == '-') {
        if (!rule.allowMinus)
            return false;
        i = 1;
    }
    int points = 0;
    int afterPoint = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.') {
            if (rule.decimals == 0 || (points > 0 && pasted))
                return false;
            if (points > 0)
                ++afterPoint;
            ++points;
        } else if (c >= '0' && c <= '9') {
            if (points > 0)
                ++afterPoint;
        } else {
            return false;
        }
    }
    if (afterPoint > rule.decimals)
        return false;
    // Never more than the slot can hold.
    const auto amount = Currency::read(text);
    if (!amount || rule.scale <= 0)
        return false;
    return rule.scale == 1.0 || Currency::fits(amount->toDouble() / rule.scale);
}

} // namespace fiscalia
