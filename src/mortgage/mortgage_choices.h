#pragma once
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace fiscalia {

// The payment frequencies, in the order of their list.
enum class Frequency { Monthly, Semimonthly, TwoWeeks, OneWeek, BiweeklyAcc, WeeklyAcc };
// The compounding periods, in the order of their list.
enum class Compounding { Monthly, Bimonthly, Quarterly, Semiannual, Annual };
// The two views of the schedule; the values are those ToolMode takes.
enum class ScheduleView { Annual = 1, All = 2 };

// The exact list texts: shown in the window's lists, printed, and kept in the
// mortgage files, where they are compared exactly, leading blanks included.
inline constexpr std::array<const char*, 6> FrequencyTexts{"      Monthly", "  Semimonthly", "      2 Weeks",
                                                           "      1 Week",  " Biweekly(Acc)", "   Weekly(Acc)"};
inline constexpr std::array<const char*, 5> CompoundingTexts{"      Monthly", "    Bimonthly", "    Quarterly",
                                                             "   Semiannual", "       Annual"};
inline constexpr std::array Frequencies{Frequency::Monthly,  Frequency::Semimonthly, Frequency::TwoWeeks,
                                        Frequency::OneWeek,  Frequency::BiweeklyAcc, Frequency::WeeklyAcc};
inline constexpr std::array Compoundings{Compounding::Monthly, Compounding::Bimonthly, Compounding::Quarterly,
                                         Compounding::Semiannual, Compounding::Annual};

constexpr const char* listText(Frequency f) { return FrequencyTexts[static_cast<std::size_t>(f)]; }
constexpr const char* listText(Compounding c) { return CompoundingTexts[static_cast<std::size_t>(c)]; }

// The choice a list text names; nothing for any other text.
std::optional<Frequency> frequencyFromText(std::string_view text);
std::optional<Compounding> compoundingFromText(std::string_view text);

constexpr ScheduleView scheduleView(int toolMode) { return toolMode == 2 ? ScheduleView::All : ScheduleView::Annual; }
constexpr int toolModeOf(ScheduleView view) { return static_cast<int>(view); }

} // namespace fiscalia
