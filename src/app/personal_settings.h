#pragma once
#include <string>
#include <string_view>

namespace fiscalia {

// The three personal choices kept in Personal.fsc.
struct PersonalSettings {
    std::string currencySymbol = "$";
    int printFontChoice = 0; // 0..3, see pageLinesFor()
    std::string userName;
};

// Reads Personal.fsc text into `settings`, field by field in the order
// currency symbol, printer-font choice, name. A field that is missing or of
// the wrong kind leaves its value as it was and the reading goes on with the
// next; a font choice outside 0..3 counts as missing. An empty currency symbol
// becomes "$". Returns true when all three fields were read.
bool readPersonalSettings(std::string_view text, PersonalSettings& settings);

// One line: "symbol",choice,"name" and CR LF.
std::string writePersonalSettings(const PersonalSettings& settings);

// The currency symbol as the settings window keeps it while typing: the text
// right-justified to 2 characters (a longer one keeps its first 2).
std::string fitCurrencySymbol(std::string_view typed);

// The lines a printed page holds with each printer-font choice; 53 for the
// printer's own font and for anything unknown.
int pageLinesFor(int printFontChoice);

inline constexpr char SettingsFileName[] = "Personal.fsc";

} // namespace fiscalia
