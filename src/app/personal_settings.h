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
// currency symbol, printer-font choice, name. Text that is not UTF-8 is read
// as Windows-1252, as older copies of the file were written. A field that is
// missing or of the wrong kind leaves its value as it was and the reading goes
// on with the next; a font choice outside 0..3 counts as missing. A currency
// symbol that is empty or not acceptable becomes "$"; the name loses its
// control characters. Returns true when all three fields were read.
bool readPersonalSettings(std::string_view text, PersonalSettings& settings);

// One line: "symbol",choice,"name" and CR LF, in UTF-8.
std::string writePersonalSettings(const PersonalSettings& settings);

// The currency symbol as the settings window keeps it while typing: the text
// right-justified to 2 characters (a longer one keeps its first 2).
std::string fitCurrencySymbol(std::string_view typed);

// The lines a printed page holds with each printer-font choice; 53 for the
// printer's own font and for anything unknown.
int pageLinesFor(int printFontChoice);

inline constexpr int CurrencySymbolMaxChars = 4;

// A currency symbol the program can show in front of every amount: valid
// UTF-8 of 1 to CurrencySymbolMaxChars characters, each of them acceptable to
// isAcceptableSymbolCharacter().
bool isAcceptableCurrencySymbol(std::string_view utf8);

// A character that may stand in a currency symbol: not a control character
// (C0, DEL, C1), not a format character (soft hyphen, bidirectional marks and
// overrides, zero-width characters, byte-order mark and the like), not a line
// or paragraph separator, not a surrogate or noncharacter, and at most U+10FFFF.
bool isAcceptableSymbolCharacter(char32_t c);

inline constexpr char SettingsFileName[] = "Personal.fsc";

} // namespace fiscalia
