#pragma once
#include "app/currency.h"

#include <array>
#include <string>
#include <vector>

namespace fiscalia {

// A fund's slot in the fund list: its name and its number as text.
struct FundSlot {
    std::string name;
    std::string numberText;
};

// The Investment Manager's tables, kept in the program-wide state.
struct FundState {
    std::vector<FundSlot> FundList = std::vector<FundSlot>(32);
    // Per fund (rows 1..30, totals in row 31): 0 shares held, 1 book cost,
    // 2 current price, 3 current total, 4 gain or loss, 5 gain or loss in
    // per cent, 6 book cost without sales.
    std::vector<std::array<Currency, 7>> FundValueTable = std::vector<std::array<Currency, 7>>(32);
    int FundCount = 0;
};

} // namespace fiscalia
