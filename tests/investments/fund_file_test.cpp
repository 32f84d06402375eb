#include "investments/fund_database.h"
#include "investments/fund_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

using namespace fiscalia;

namespace {

Currency c(const char* text) { return *Currency::read(text); }
Date d(const char* iso) { return *Date::fromIso(iso); }

void addRecord(FundState& db, TransactionType type, EntryValues values, int fund, const char* date)
{
    db.RecordCount += 1;
    db.RecordTable[static_cast<std::size_t>(db.RecordCount)] = storeRecord(type, values, fund, d(date), db.RecordCount);
}

const std::string Example = "2,1,\"All Records\",\"31\"\r\n"
                            "\"Growth Fund\",\" 1\"\r\n"
                            "1,10,100,50,0,1050,\"B\",#1999-01-15#\r\n"
                            "1,0,0,0,25,-25,\"C\",#1999-06-30#\r\n";

FundState exampleDatabase()
{
    FundState db = emptyFundDatabase();
    EXPECT_TRUE(addFund(db, "Growth Fund"));
    addRecord(db, TransactionType::Bought, {c("10"), c("100"), c("50"), {}}, 1, "1999-01-15");
    addRecord(db, TransactionType::CashDividend, {{}, {}, {}, c("25")}, 1, "1999-06-30");
    return db;
}

void expectSameDatabase(const FundState& a, const FundState& b)
{
    ASSERT_EQ(a.FundCount, b.FundCount);
    ASSERT_EQ(a.RecordCount, b.RecordCount);
    for (std::size_t f = 0; f < FundSlots; ++f) {
        EXPECT_EQ(a.FundList[f].name, b.FundList[f].name) << "fund " << f;
        EXPECT_EQ(a.FundList[f].numberText, b.FundList[f].numberText) << "fund " << f;
    }
    for (std::size_t r = 1; r <= static_cast<std::size_t>(a.RecordCount); ++r) {
        SCOPED_TRACE("record " + std::to_string(r));
        const FundRecord& x = a.RecordTable[r];
        const FundRecord& y = b.RecordTable[r];
        EXPECT_EQ(x.fund, y.fund);
        EXPECT_EQ(x.price, y.price);
        EXPECT_EQ(x.shares, y.shares);
        EXPECT_EQ(x.commission, y.commission);
        EXPECT_EQ(x.cashDividend, y.cashDividend);
        EXPECT_EQ(x.bookValue, y.bookValue);
        EXPECT_EQ(x.type, y.type);
        EXPECT_EQ(x.date, y.date);
        EXPECT_EQ(x.number, y.number);
    }
}

} // namespace

TEST(FundFile, TheExampleIsWrittenByteForByte)
{
    EXPECT_EQ(serializeFundFile(exampleDatabase()), Example);
    EXPECT_EQ(serializeFundFile(emptyFundDatabase()), "0,0,\"All Records\",\"31\"\r\n");
}

TEST(FundFile, TheExampleIsReadBack)
{
    const auto db = parseFundFile(Example);
    ASSERT_TRUE(db.ok()) << db.reason();
    expectSameDatabase(*db, exampleDatabase());
    EXPECT_EQ(serializeFundFile(*db), Example);
}

TEST(FundFile, EveryKindOfRecordAndAwkwardNamesComeBackTheSame)
{
    FundState db = emptyFundDatabase();
    ASSERT_TRUE(addFund(db, "Smith, Jones & Co."));
    ASSERT_TRUE(addFund(db, "The \"Big\" Fund"));
    ASSERT_TRUE(addFund(db, "Épargne"));
    using T = TransactionType;
    addRecord(db, T::Bought, {c("10.5"), c("100.25"), c("9.99"), {}}, 1, "1998-01-02");
    addRecord(db, T::Sold, {c("12.3456"), c("50"), c("-1"), {}}, 2, "2000-02-29");
    addRecord(db, T::CashDividend, {{}, {}, {}, c("0.01")}, 3, "2001-12-31");
    addRecord(db, T::DividendShares, {c("0.0001"), c("1000"), {}, {}}, 1, "2002-06-30");
    addRecord(db, T::FeeCash, {{}, {}, c("100"), {}}, 2, "2003-07-01");
    addRecord(db, T::UnitFee, {c("10"), c("5"), {}, {}}, 3, "2090-01-01");
    const std::string text = serializeFundFile(db);
    EXPECT_NE(text.find("\"Smith, Jones & Co.\",\" 1\"\r\n"), std::string::npos);
    EXPECT_NE(text.find("1,0.0001,1000,0,0,0,\"D\",#2002-06-30#\r\n"), std::string::npos);
    EXPECT_NE(text.find("2,12.3456,-50,-1,0,-618.28,\"S\",#2000-02-29#\r\n"), std::string::npos);
    const auto back = parseFundFile(text);
    ASSERT_TRUE(back.ok()) << back.reason();
    expectSameDatabase(*back, db);
    EXPECT_EQ(serializeFundFile(*back), text);
}

TEST(FundFile, ReadingIsTolerantWhereNothingIsLost)
{
    // Line feeds alone, blanks around fields, slot 31 written otherwise, and
    // a line after the last record.
    const std::string text = "1 , 1 ,\"Something\",\"7\"\n"
                             "\"Growth Fund\" , \" 1\"\n"
                             "1, 10, 100, 50, 0, 1050, \"B\", #1999-01-15#\n"
                             "whatever follows is not read\n";
    const auto db = parseFundFile(text);
    ASSERT_TRUE(db.ok()) << db.reason();
    EXPECT_EQ(db->RecordCount, 1);
    EXPECT_EQ(db->FundList[AllRecordsSlot].name, "All Records");
    EXPECT_EQ(db->FundList[AllRecordsSlot].numberText, "31");
    EXPECT_EQ(db->RecordTable[1].bookValue, c("1050"));
    EXPECT_EQ(db->RecordTable[1].number, 1);
    EXPECT_TRUE(db->RecordTable[2].type.empty());
}

TEST(FundFile, RefusedFilesSayWhatIsWrong)
{
    const std::string head = "3,3,\"All Records\",\"31\"\r\n\"A\",\" 1\"\r\n\"B\",\" 2\"\r\n\"C\",\" 3\"\r\n";
    const std::string good = "1,10,100,50,0,1050,\"B\",#1999-01-15#\r\n";
    struct Case {
        const char* what;
        std::string text;
        std::string reason;
    } cases[] = {
        {"empty", "", "the file is empty"},
        {"more records promised than held", head + good + good,
         "line 1 promises 3 funds and 3 records, 7 lines in all, but the file has only 6"},
        {"fewer funds than promised", "0,2,\"All Records\",\"31\"\r\n\"A\",\" 1\"\r\n",
         "line 1 promises 2 funds and 0 records, 3 lines in all, but the file has only 2"},
        {"a record of an unknown fund", head + good + "7,10,100,50,0,1050,\"B\",#1999-01-15#\r\n" + good,
         "line 6 is a record whose fund 7 is not one of the 3 funds"},
        {"fund 0", head + good + good + "0,0,0,0,25,-25,\"C\",#1999-06-30#\r\n",
         "line 7 is a record whose fund 0 is not one of the 3 funds"},
        {"a fraction of a fund", head + "1.5,10,100,50,0,1050,\"B\",#1999-01-15#\r\n" + good + good,
         "line 5 is a record whose fund 1.5 is not one of the 3 funds"},
        {"a fund given as text", head + "\"1\",10,100,50,0,1050,\"B\",#1999-01-15#\r\n" + good + good,
         "line 5 is a record whose fund \"1\" is not one of the 3 funds"},
        {"a bad type code", head + good + "1,10,100,50,0,1050,\"X\",#1999-01-15#\r\n" + good,
         "line 6 is a record whose type \"X\" is not one of B, S, C, D, F and U"},
        {"a missing type code", head + good + good + "1,10,100,50,0,1050,,#1999-01-15#\r\n",
         "line 7 is a record with no type"},
        {"a bad date", head + good + "1,10,100,50,0,1050,\"B\",#1999-02-30#\r\n" + good,
         "line 6 is a record whose date #1999-02-30# is not a date"},
        {"a date without its marks", head + good + "1,10,100,50,0,1050,\"B\",\"1999-01-15\"\r\n" + good,
         "line 6 is a record whose date \"1999-01-15\" is not a date"},
        {"a price that is not a number", head + "1,ten,100,50,0,1050,\"B\",#1999-01-15#\r\n" + good + good,
         "line 5 is a record whose price ten is not an amount"},
        {"a short record", head + good + good + "1,10,100,50,0,1050\r\n",
         "line 7 should be record 3 but holds 6 of its 8 fields"},
        {"a blank line where a record should be", head + good + "\r\n" + good,
         "line 6 should be record 2 but holds 0 of its 8 fields"},
        {"a fund name that is a number", "0,1,\"All Records\",\"31\"\r\n42,\" 1\"\r\n",
         "line 2 should name fund 1 and give its number, both as texts in quotes"},
        {"too many records", "1001,1,\"All Records\",\"31\"\r\n", "line 1 gives 1001 records; a database holds 0 to 1000"},
        {"negative records", "-1,1,\"All Records\",\"31\"\r\n", "line 1 gives -1 records; a database holds 0 to 1000"},
        {"too many funds", "0,31,\"All Records\",\"31\"\r\n", "line 1 gives 31 funds; a database holds 0 to 30"},
        {"counts that are not whole", "2.5,1,\"All Records\",\"31\"\r\n",
         "line 1 does not start with the record count and the fund count"},
        {"another kind of file", "\"Cash\",100\r\n",
         "line 1 does not hold the record count, the fund count and the two texts of All Records"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        const auto db = parseFundFile(k.text);
        ASSERT_FALSE(db.ok());
        EXPECT_EQ(db.reason(), k.reason);
    }
}

TEST(FundFile, TheSampleDatabaseLoadsWithEveryTypeAndEveryFundUsed)
{
    std::ifstream in(FISCALIA_SAMPLE_DIR "/DtaSampl.KVS", std::ios::binary);
    ASSERT_TRUE(in) << "DtaSampl.KVS is missing";
    std::ostringstream bytes;
    bytes << in.rdbuf();
    const auto db = parseFundFile(bytes.str());
    ASSERT_TRUE(db.ok()) << db.reason();
    EXPECT_EQ(serializeFundFile(*db), bytes.str());
    std::set<std::string> types;
    for (int r = 1; r <= db->RecordCount; ++r) {
        const FundRecord& record = db->RecordTable[static_cast<std::size_t>(r)];
        types.insert(record.type);
        EXPECT_NE(describeRecordType(record), "") << "record " << r;
        if (r > 1) {
            EXPECT_LE(db->RecordTable[static_cast<std::size_t>(r - 1)].date, record.date) << "record " << r;
        }
    }
    EXPECT_EQ(types.size(), 6u);
    EXPECT_EQ(firstEmptyFund(*db), 0);
}
