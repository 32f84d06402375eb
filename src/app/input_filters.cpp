#include "app/input_filters.h"

namespace fiscalia {

bool decimalFilterPasses(char32_t key, std::string_view textBefore, int& decimalsOverride)
{
    if (key == 8 || key == 127 || key == U'.')
        return true;
    if (key < U'0' || key > U'9')
        return false;
    const auto point = textBefore.find('.');
    if (point == std::string_view::npos)
        return true;
    // P is the 1-based position of the point; the limit L = P + 2 (or P + 3).
    std::size_t limit = point + 1 + 2;
    if (decimalsOverride > 2) {
        limit = point + 1 + 3;
        decimalsOverride = 0;
    }
    return textBefore.size() < limit;
}

bool wholeNumberFilterPasses(char32_t key)
{
    return key == 8 || key == 127 || (key >= U'0' && key <= U'9');
}

} // namespace fiscalia
