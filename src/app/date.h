#pragma once
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace fiscalia {

// A calendar day. Month arithmetic clamps to the last day of the month, so
// 31 January plus one month is 28 (or 29) February.
class Date {
public:
    Date() = default;
    explicit Date(std::chrono::sys_days day) : day_(day) {}

    // A valid date, or nothing (31 February, month 13, year 0 ...).
    static std::optional<Date> fromYmd(int year, int month, int day);
    // "yyyy-mm-dd", or nothing when it is not a valid date in that form.
    static std::optional<Date> fromIso(std::string_view text);

    int year() const;
    int month() const;
    int day() const;
    std::chrono::sys_days days() const { return day_; }

    Date addDays(long days) const { return Date(day_ + std::chrono::days(days)); }
    Date addMonths(long months) const;

    std::string toIso() const;

    auto operator<=>(const Date&) const = default;

private:
    std::chrono::sys_days day_{};
};

} // namespace fiscalia
