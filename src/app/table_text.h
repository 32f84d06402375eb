#pragma once
#include <string>
#include <vector>

namespace fiscalia {

// A table of texts as shown on screen, row by row.
using TextTable = std::vector<std::vector<std::string>>;

// The cells as lines of tab-separated texts, each cell without its padding
// blanks (a copy for a spreadsheet or a text editor). Lines end in LF.
std::string tabSeparated(const TextTable& rows);

// The cells as comma-separated lines: every cell a quoted text, numbers as
// they are shown (with their separators and symbol), without padding blanks;
// lines end in CR LF.
std::string commaSeparated(const TextTable& rows);

} // namespace fiscalia
