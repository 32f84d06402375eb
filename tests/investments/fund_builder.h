#pragma once
// Databases for the Investment Manager engine tests, written as the entry
// window stores them.
#include "investments/fund_database.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace fiscalia::test {

inline Currency c(const char* text) { return *Currency::read(text); }
inline Date d(const char* iso) { return *Date::fromIso(iso); }

using T = TransactionType;

struct Entry {
    int fund;
    T type;
    const char* date;
    const char* price = "0";
    const char* shares = "0";
    const char* commission = "0";
    const char* cashDividend = "0";
};

// A database of the named funds and the records stored from the entries,
// in the order given.
inline FundState database(std::initializer_list<const char*> funds, const std::vector<Entry>& entries)
{
    FundState db = emptyFundDatabase();
    for (const char* name : funds)
        EXPECT_TRUE(addFund(db, name));
    for (const Entry& e : entries) {
        db.RecordCount += 1;
        db.RecordTable[static_cast<std::size_t>(db.RecordCount)] =
            storeRecord(e.type, {c(e.price), c(e.shares), c(e.commission), c(e.cashDividend)}, e.fund, d(e.date),
                        db.RecordCount);
    }
    return db;
}

} // namespace fiscalia::test
