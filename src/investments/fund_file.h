#pragma once
#include "app/result.h"
#include "investments/fund_state.h"

#include <string>
#include <string_view>

namespace fiscalia {

// A .kvs database file: line 1 the record and fund counts and slot 31's two
// texts; one line per fund (name, number text); one line per record (fund,
// price, shares, commission, cash dividend, book value, type code, date).
// Numbers are plain (1050, -950, 10.5, 0.0001), texts quoted, dates
// #yyyy-mm-dd#, every line ended by CR LF.
std::string serializeFundFile(const FundState& db);

// Reads a .kvs file into a new database (the working values left empty,
// record numbers set to their slots, records kept in the order stored).
// Refused, with what was wrong: counts outside 0..1000 and 0..30, fewer lines
// than the counts promise, a field of the wrong type, a record whose fund is
// not one of the funds, an unknown type code. Lines after the last record
// are ignored.
Result<FundState> parseFundFile(std::string_view text);

} // namespace fiscalia
