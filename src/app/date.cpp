#include "app/date.h"

#include <charconv>
#include <cstdio>

namespace fiscalia {

namespace chr = std::chrono;

std::optional<Date> Date::fromYmd(int y, int m, int d)
{
    if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1 || d > 31)
        return std::nullopt;
    const chr::year_month_day ymd{chr::year{y}, chr::month{static_cast<unsigned>(m)}, chr::day{static_cast<unsigned>(d)}};
    if (!ymd.ok())
        return std::nullopt;
    return Date(chr::sys_days{ymd});
}

std::optional<Date> Date::fromIso(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    auto number = [&](std::size_t at, std::size_t length) -> int {
        int value = -1;
        const char* first = text.data() + at;
        const auto result = std::from_chars(first, first + length, value);
        return (result.ec == std::errc() && result.ptr == first + length) ? value : -1;
    };
    return fromYmd(number(0, 4), number(5, 2), number(8, 2));
}

int Date::year() const { return static_cast<int>(chr::year_month_day{day_}.year()); }
int Date::month() const { return static_cast<int>(static_cast<unsigned>(chr::year_month_day{day_}.month())); }
int Date::day() const { return static_cast<int>(static_cast<unsigned>(chr::year_month_day{day_}.day())); }

Date Date::addMonths(long count) const
{
    const chr::year_month_day ymd{day_};
    const chr::year_month shifted = chr::year_month{ymd.year(), ymd.month()} + chr::months{count};
    const auto last = chr::year_month_day_last{shifted.year(), chr::month_day_last{shifted.month()}}.day();
    const chr::day d = ymd.day() > last ? last : ymd.day();
    return Date(chr::sys_days{chr::year_month_day{shifted.year(), shifted.month(), d}});
}

std::string Date::toIso() const
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", year(), month(), day());
    return buffer;
}

} // namespace fiscalia
