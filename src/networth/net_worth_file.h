#pragma once
#include "app/result.h"
#include "networth/net_worth.h"

#include <string>
#include <string_view>

namespace fiscalia {

// A .kvw file: line 1 the two counts, then one line per row 1 to 31 with
// the asset name and value and the liability name and value. Names are
// quoted texts, values numbers, quoted empty texts (erased) or nothing
// (never filled). Every line ends in CR LF.
std::string serializeNetWorthFile(const NetStatement& statement);

// Reads a .kvw file into a statement. A file of fewer than 32 lines, a line
// of fewer than four fields, counts that are not whole numbers, or a date
// where a name or value belongs is refused, with what was wrong. The counts
// are read but not trusted: Calculate recounts the lines.
Result<NetStatement> parseNetWorthFile(std::string_view text);

} // namespace fiscalia
