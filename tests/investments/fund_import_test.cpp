#include "investments/fund_import.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace fiscalia;
using namespace std::string_literals;

namespace {

Currency c(const char* text) { return *Currency::read(text); }
Date d(const char* iso) { return *Date::fromIso(iso); }

using T = TransactionType;

// The system's short date of the tests: m/d/yyyy, or d.m.yyyy for the
// tests of a decimal comma.
std::optional<Date> usDate(const std::string& text)
{
    int m = 0, day = 0, y = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%d/%d/%d%c", &m, &day, &y, &tail) != 3)
        return std::nullopt;
    return Date::fromYmd(y, m, day);
}

std::optional<Date> dottedDate(const std::string& text)
{
    int m = 0, day = 0, y = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%d.%d.%d%c", &day, &m, &y, &tail) != 3)
        return std::nullopt;
    return Date::fromYmd(y, m, day);
}

ImportOptions usOptions()
{
    ImportOptions options;
    options.decimal = ".";
    options.currencySymbol = "$";
    options.readDate = usDate;
    return options;
}

ImportOptions commaOptions()
{
    ImportOptions options;
    options.decimal = ",";
    options.currencySymbol = "kr";
    options.readDate = dottedDate;
    return options;
}

FundState withFunds(std::initializer_list<const char*> names)
{
    FundState db = emptyFundDatabase();
    for (const char* name : names)
        EXPECT_TRUE(addFund(db, name));
    return db;
}

ImportPreview preview(const FundState& db, const std::string& text, const ImportOptions& options = usOptions())
{
    Result<ImportPreview> result = previewImport(db, text, options);
    if (!result) {
        ADD_FAILURE() << "refused: " << result.reason();
        return {};
    }
    return *result;
}

std::string failure(const std::string& text, const ImportOptions& options = usOptions())
{
    const Result<ImportPreview> result = previewImport(emptyFundDatabase(), text, options);
    return result ? std::string("(accepted)") : result.reason();
}

const std::string Heading = "date,fund,type,shares,price,amount,commission\n";

const FundRecord& record(const FundState& db, int slot) { return db.RecordTable[static_cast<std::size_t>(slot)]; }

} // namespace

TEST(FundImport, ACleanFileOfEveryTypeIsStoredAsTheEntryRowStoresIt)
{
    FundState db = withFunds({"Growth Fund"});
    const std::string text = Heading
                             + "2021-01-15,Growth Fund,Bought,100,10,,50\n"
                               "2021-03-15,Growth Fund,Sold,100,10,,50\n"
                               "6/30/2021,Growth Fund,Cash Dividend,,,100,\n"
                               "2021-07-01,Bond Fund,Dividend Shares,10,10,,\n"
                               "2021-08-01,Bond Fund,Fee Cash,,,,25\n"
                               "2021-09-01,Bond Fund,Unit Fee,5,10,,\n";
    const ImportPreview p = preview(db, text);
    ASSERT_EQ(p.lines.size(), 6u);
    EXPECT_EQ(p.accepted, 6);
    EXPECT_EQ(p.refused, 0);
    EXPECT_EQ(p.separator, ',');
    EXPECT_EQ(p.newFunds, std::vector<std::string>{"Bond Fund"});
    EXPECT_EQ(importCounts(p), "6 lines will be added, 0 cannot be added, 1 new fund");
    EXPECT_EQ(p.lines[0].line, 2);
    EXPECT_EQ(p.lines[2].date, d("2021-06-30"));
    EXPECT_EQ(importStatus(p.lines[0]), "will be added");
    EXPECT_EQ(importStatus(p.lines[3]), "will be added, new fund");
    EXPECT_EQ(p.lines[3].fundSlot, 2);

    // Nothing changes before the import is applied.
    EXPECT_EQ(db.RecordCount, 0);
    EXPECT_EQ(db.FundCount, 1);
    ASSERT_TRUE(applyImport(db, p));
    EXPECT_EQ(db.FundCount, 2);
    EXPECT_EQ(db.FundList[2].name, "Bond Fund");
    EXPECT_EQ(db.FundList[2].numberText, " 2");
    ASSERT_EQ(db.RecordCount, 6);
    EXPECT_EQ(db.DatabaseChanged, 1);
    const struct {
        const char* type;
        const char* shares;
        const char* book;
        int fund;
    } stored[] = {{"B", "100", "1050", 1}, {"S", "-100", "-950", 1}, {"C", "0", "-100", 1},
                  {"D", "10", "0", 2},     {"F", "0", "25", 2},      {"U", "-5", "0", 2}};
    for (int r = 1; r <= 6; ++r) {
        SCOPED_TRACE(r);
        const auto& want = stored[r - 1];
        EXPECT_EQ(record(db, r).type, want.type);
        EXPECT_EQ(record(db, r).shares, c(want.shares));
        EXPECT_EQ(record(db, r).bookValue, c(want.book));
        EXPECT_EQ(record(db, r).fund, Currency::fromInt(want.fund));
        EXPECT_EQ(record(db, r).number, r);
    }
    // A preview is for the database it was made from.
    EXPECT_FALSE(applyImport(db, p));
    EXPECT_EQ(db.RecordCount, 6);
}

TEST(FundImport, ABadLineIsRefusedWithItsReason)
{
    struct Case {
        const char* line;
        const char* reason;
    } cases[] = {
        {",Growth,Bought,100,10,,", "the date is missing"},
        {"31/02/2021,Growth,Bought,100,10,,", "the date \"31/02/2021\" cannot be read"},
        {"2021-02-31,Growth,Bought,100,10,,", "the date \"2021-02-31\" cannot be read"},
        {"2021-01-15,,Bought,100,10,,", "the fund name is missing"},
        {"2021-01-15,Growth,,100,10,,", "the type is missing"},
        {"2021-01-15,Growth,Transfer,100,10,,", "the type \"Transfer\" is not one the program knows"},
        {"2021-01-15,Growth,Sold,0,10,,", "a Sold line needs shares above 0"},
        {"2021-01-15,Growth,Sold,,10,,", "a Sold line needs shares above 0"},
        {"2021-01-15,Growth,Bought,-100,10,,", "a Bought line needs shares above 0"},
        {"2021-01-15,Growth,Dividend Shares,-10,10,,", "a Dividend Shares line needs shares above 0"},
        {"2021-01-15,Growth,Bought,100,0,,", "a Bought line needs a price above 0"},
        {"2021-01-15,Growth,Unit Fee,5,-10,,", "a Unit Fee line needs a price above 0"},
        {"2021-01-15,Growth,Bought,100,-$10,,", "a Bought line needs a price above 0"},
        {"2021-01-15,Growth,Bought,100,,,", "a Bought line needs a price, or an amount to work it out from"},
        {"2021-01-15,Growth,Bought,100,,40,50", "the price worked out from the amount is not above 0"},
        {"2021-01-15,Growth,Cash Dividend,,,,", "a Cash Dividend line needs an amount above 0"},
        {"2021-01-15,Growth,Fee Cash,,,0,0", "a Fee Cash line needs a fee above 0 in its commission or amount column"},
        {"2021-01-15,Growth,Bought,ten,10,,", "\"ten\" in the shares column is not a number"},
        {"2021-01-15,Growth,Bought,100,1e3,,", "\"1e3\" in the price column is not a number"},
        {"2021-01-15,Growth,Bought,\"1,234.50\",10,,",
         "\"1,234.50\" in the shares column cannot be read: write figures without thousands separators, with "
         "\".\" as the decimal mark"},
        {"2021-01-15,Growth,Bought,\"1,5\",10,,",
         "\"1,5\" in the shares column cannot be read: write figures without thousands separators, with \".\" "
         "as the decimal mark"},
        {"2021-01-15,Growth,Cash Dividend,,,1.000.000,", "\"1.000.000\" in the amount column cannot be read: write "
                                                         "figures without thousands separators, with \".\" as the "
                                                         "decimal mark"},
        {"2021-01-15,Growth,Bought,100,10,,999999999999", "\"999999999999\" in the commission column is too large"},
        {"2021-01-15,Growth,Bought,100000000,100000,,", "the book value would be too large"},
        {"2021-01-15,\"Growth,Bought,100,10,,", "a quoted field has no closing quote"},
        {"2021-01-15,\"Growth\" Fund,Bought,100,10,,", "a quoted field has more text after its closing quote"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.line);
        const ImportPreview p = preview(emptyFundDatabase(), Heading + k.line + "\n2021-01-16,Growth,B,1,1,,\n");
        ASSERT_EQ(p.lines.size(), 2u);
        EXPECT_EQ(refusalText(p.lines[0]), std::string("line 2: ") + k.reason);
        EXPECT_EQ(importStatus(p.lines[0]), std::string("not added: ") + k.reason);
        // The line after it is read as usual.
        EXPECT_TRUE(p.lines[1].accepted()) << p.lines[1].refusal;
        EXPECT_EQ(importCounts(p), "1 line will be added, 1 cannot be added, 1 new fund");
    }
}

TEST(FundImport, AFundNameTooLongToKeepIsRefused)
{
    // Within the 16 MiB of an import file, 30 names of 40,000 characters
    // would make a database file past the 1 MiB the program opens.
    const struct {
        std::string name;
        bool accepted;
    } cases[] = {
        {std::string(255, 'x'), true},
        {std::string(254, 'x') + "\xC3\xA9", true}, // characters, not bytes, are counted
        {std::string(256, 'x'), false},
        {std::string(40000, 'x'), false},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name.size());
        const ImportPreview p = preview(emptyFundDatabase(), Heading + "2021-01-15," + k.name + ",Bought,1,1,,\n");
        ASSERT_EQ(p.lines.size(), 1u);
        EXPECT_EQ(p.lines[0].accepted(), k.accepted);
        if (!k.accepted) {
            EXPECT_EQ(p.lines[0].refusal, "the fund name is longer than 255 characters");
        }
    }
}

TEST(FundImport, FiguresAsBrokersWriteThem)
{
    struct Case {
        const char* line;
        T type;
        const char *price, *shares, *commission, *cashDividend, *book;
    } cases[] = {
        // Broker words and codes, in any case.
        {"2021-01-15,F,buy,100,10,,50", T::Bought, "10", "100", "50", "0", "1050"},
        {"2021-01-15,F,SELL,100,10,,50", T::Sold, "10", "100", "50", "0", "-950"},
        {"2021-01-15,F,s,100,10,,50", T::Sold, "10", "100", "50", "0", "-950"},
        {"2021-01-15,F,Dividend,,,100,", T::CashDividend, "0", "0", "0", "100", "-100"},
        {"2021-01-15,F,cash  dividend,,,100,", T::CashDividend, "0", "0", "0", "100", "-100"},
        {"2021-01-15,F,Reinvested Dividend,10,10,,", T::DividendShares, "10", "10", "0", "0", "0"},
        {"2021-01-15,F,DRIP,10,10,,", T::DividendShares, "10", "10", "0", "0", "0"},
        {"2021-01-15,F,Fee,,,,25", T::FeeCash, "0", "0", "25", "0", "25"},
        {"2021-01-15,F,u,5,10,,", T::UnitFee, "10", "5", "0", "0", "0"},
        // Shares going out written negative; money paid out written negative.
        {"2021-01-15,F,Sold,-100,10,,-50", T::Sold, "10", "100", "50", "0", "-950"},
        {"2021-01-15,F,Unit Fee,-5,10,,", T::UnitFee, "10", "5", "0", "0", "0"},
        {"2021-01-15,F,Fee Cash,,,-25,", T::FeeCash, "0", "0", "25", "0", "25"},
        // The price worked out from the cash that moved, commission included.
        {"2021-01-15,F,Bought,100,,-1050,50", T::Bought, "10", "100", "50", "0", "1050"},
        {"2021-01-15,F,Sold,100,,950,50", T::Sold, "10", "100", "50", "0", "-950"},
        {"2021-01-15,F,Bought,3,,10,", T::Bought, "3.3333", "3", "0", "0", "9.9999"},
        {"2021-01-15,F,DRIP,4,,50,", T::DividendShares, "12.5", "4", "0", "0", "0"},
        // A price given wins over the amount.
        {"2021-01-15,F,Bought,100,10,999,", T::Bought, "10", "100", "0", "0", "1000"},
        // Currency signs before or after, blanks around, five decimals rounded.
        {"2021-01-15,F,Bought, 100 ,$10.00,,$-50", T::Bought, "10", "100", "50", "0", "1050"},
        {"2021-01-15,F,Bought,100,10 \xE2\x82\xAC,,", T::Bought, "10", "100", "0", "0", "1000"},
        {"2021-01-15,F,Bought,0.5,12.34567,,", T::Bought, "12.3457", "0.5", "0", "0", "6.1728"},
        // Values a type does not use are ignored.
        {"2021-01-15,F,Dividend,100,0.25,25,1", T::CashDividend, "0", "0", "0", "25", "-25"},
        {"2021-01-15,F,Fee,abc,,10,", T::FeeCash, "0", "0", "10", "0", "10"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.line);
        const ImportPreview p = preview(emptyFundDatabase(), Heading + k.line + "\n");
        ASSERT_EQ(p.lines.size(), 1u);
        const ImportLine& line = p.lines[0];
        ASSERT_TRUE(line.accepted()) << line.refusal;
        EXPECT_EQ(*line.type, k.type);
        EXPECT_EQ(line.values.price, c(k.price));
        EXPECT_EQ(line.values.shares, c(k.shares));
        EXPECT_EQ(line.values.commission, c(k.commission));
        EXPECT_EQ(line.values.cashDividend, c(k.cashDividend));
        EXPECT_TRUE(entryFitsType(k.type, line.values));
        EXPECT_EQ(line.record().bookValue, c(k.book));
    }
}

TEST(FundImport, SemicolonsWithDecimalCommas)
{
    const std::string text = "Date;Fund;Type;Shares;Price;Amount;Commission\r\n"
                             "15.01.2021;Wachstum, Europa;Kauf;100;12,5;;9,90\r\n"
                             "15.01.2021;Wachstum, Europa;Bought;1,5;12.5;;\r\n"
                             "16.01.2021;Wachstum, Europa;Dividend;;;1.234,56;\r\n"
                             "17.01.2021;Wachstum, Europa;Sold;10;\"12,75 kr\";;\r\n"
                             "18.01.2021;Wachstum, Europa;Fee;;;;2,5\r\n";
    const ImportPreview p = preview(emptyFundDatabase(), text, commaOptions());
    EXPECT_EQ(p.separator, ';');
    ASSERT_EQ(p.lines.size(), 5u);
    EXPECT_EQ(p.lines[0].refusal, "the type \"Kauf\" is not one the program knows");
    ASSERT_TRUE(p.lines[1].accepted()) << p.lines[1].refusal;
    EXPECT_EQ(p.lines[1].fund, "Wachstum, Europa");
    EXPECT_EQ(p.lines[1].date, d("2021-01-15"));
    EXPECT_EQ(p.lines[1].values.shares, c("1.5")); // both marks are decimal marks
    EXPECT_EQ(p.lines[1].values.price, c("12.5"));
    EXPECT_EQ(p.lines[2].refusal, "\"1.234,56\" in the amount column cannot be read: write figures without "
                                  "thousands separators, with \".\" or \",\" as the decimal mark");
    EXPECT_EQ(p.lines[3].values.price, c("12.75"));
    EXPECT_EQ(p.lines[4].values.commission, c("2.5"));
    EXPECT_EQ(importCounts(p), "3 lines will be added, 2 cannot be added, 1 new fund");
}

TEST(FundImport, QuotedFieldsHoldSeparatorsAndQuotes)
{
    FundState db = withFunds({"Growth, Income & Co"});
    const std::string text = "\"date\",\"fund\",\"type\",\"shares\",\"price\"\n"
                             "2021-01-15,\"Growth, Income & Co\",Bought,100,10\n"
                             "2021-01-16, \"The \"\"Best\"\" Fund\" ,Bought,\"100\",\"10.5\"\n"
                             "2021-01-17,\"Semi; colon\",Bought,1,1\n";
    const ImportPreview p = preview(db, text);
    ASSERT_EQ(p.lines.size(), 3u);
    for (const ImportLine& line : p.lines)
        EXPECT_TRUE(line.accepted()) << line.refusal;
    EXPECT_EQ(p.lines[0].fundSlot, 1);
    EXPECT_FALSE(p.lines[0].newFund);
    EXPECT_EQ(p.lines[1].fund, "The \"Best\" Fund");
    EXPECT_EQ(p.lines[1].values.price, c("10.5"));
    EXPECT_EQ(p.lines[2].fund, "Semi; colon");
    EXPECT_EQ(p.newFunds, (std::vector<std::string>{"The \"Best\" Fund", "Semi; colon"}));
}

TEST(FundImport, AnyColumnOrderCaseAndSynonym)
{
    const char* headings[] = {
        "Date,Fund,Type,Shares,Price,Amount,Commission",
        "COMMISSION , amount,PRICE, Shares ,TYPE,fund,DATE",
        "Trade Date,Security,Action,Quantity,Price,Amount,Fees",
        "Account,Name,Transaction,Units,Price,Fee,Date,Notes",
    };
    // The same line in each file's order.
    const char* lines[] = {
        "2021-01-15,Growth,Bought,100,10,,50",
        "50,,10,100,Bought,Growth,2021-01-15",
        "2021-01-15,Growth,Bought,100,10,,50",
        "X-1,Growth,Bought,100,10,50,2021-01-15,first buy",
    };
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(headings[i]);
        // A byte-order mark, blank lines and a last line without its end.
        const ImportPreview p = preview(emptyFundDatabase(), std::string("\xEF\xBB\xBF\r\n") + headings[i] + "\r\n\r\n"
                                                                 + lines[i]);
        ASSERT_EQ(p.lines.size(), 1u);
        ASSERT_TRUE(p.lines[0].accepted()) << p.lines[0].refusal;
        EXPECT_EQ(p.lines[0].line, 4);
        EXPECT_EQ(p.lines[0].record().bookValue, c("1050"));
    }
}

TEST(FundImport, FundsAreMatchedWithoutRegardToCase)
{
    const FundState db = withFunds({"Growth Fund", "growth fund", "Bond Fund"});
    const ImportPreview p = preview(db, Heading
                                            + "2021-01-15,growth fund,B,1,1,,\n"
                                              "2021-01-15,  BOND   fund,B,1,1,,\n"
                                              "2021-01-15,BOND FUND,B,1,1,,\n"
                                              "2021-01-15,New Fund,B,1,1,,\n"
                                              "2021-01-15,NEW FUND,B,1,1,,\n");
    ASSERT_EQ(p.lines.size(), 5u);
    EXPECT_EQ(p.lines[0].fundSlot, 2); // the same spelling first
    EXPECT_EQ(p.lines[1].fundSlot, 3);
    EXPECT_EQ(p.lines[1].fund, "Bond Fund");
    EXPECT_EQ(p.lines[2].fundSlot, 3);
    EXPECT_EQ(p.lines[3].fundSlot, 4);
    EXPECT_EQ(p.lines[4].fundSlot, 4);
    EXPECT_EQ(p.lines[4].fund, "New Fund");
    EXPECT_EQ(p.newFunds, std::vector<std::string>{"New Fund"});
}

TEST(FundImport, TheFundLimitHolds)
{
    FundState db = emptyFundDatabase();
    for (int f = 1; f <= FundLimit - 1; ++f)
        addFund(db, "Fund " + std::to_string(f));
    const ImportPreview p = preview(db, Heading
                                            + "2021-01-15,Late Fund,B,,1,,\n"  // refused: creates nothing
                                              "2021-01-15,Last Fund,B,1,1,,\n" // the 30th fund
                                              "2021-01-15,Extra Fund,B,1,1,,\n"
                                              "2021-01-15,Fund 7,B,1,1,,\n"
                                              "2021-01-15,Extra Fund,B,1,1,,\n"
                                              "2021-01-15,Last Fund,B,1,1,,\n");
    ASSERT_EQ(p.lines.size(), 6u);
    EXPECT_EQ(p.lines[0].refusal, "a Bought line needs shares above 0");
    EXPECT_TRUE(p.lines[1].accepted());
    EXPECT_EQ(p.lines[1].fundSlot, 30);
    EXPECT_EQ(p.lines[2].refusal, "the fund \"Extra Fund\" would pass the limit of 30 funds");
    EXPECT_EQ(p.lines[3].fundSlot, 7);
    EXPECT_EQ(p.lines[4].refusal, "the fund \"Extra Fund\" would pass the limit of 30 funds");
    EXPECT_EQ(p.lines[5].fundSlot, 30);
    EXPECT_EQ(importCounts(p), "3 lines will be added, 3 cannot be added, 1 new fund");
    ASSERT_TRUE(applyImport(db, p));
    EXPECT_EQ(db.FundCount, FundLimit);
    EXPECT_EQ(db.RecordCount, 3);
}

TEST(FundImport, TheRecordLimitCountsTheRecordsHeld)
{
    FundState db = withFunds({"Growth"});
    for (int r = 1; r <= RecordLimit - 2; ++r)
        db.RecordTable[static_cast<std::size_t>(r)] =
            storeRecord(T::Bought, {c("10"), c("1"), {}, {}}, 1, d("2020-01-01"), r);
    db.RecordCount = RecordLimit - 2;
    const ImportPreview p = preview(db, Heading
                                            + "2021-01-15,Growth,B,1,1,,\n"
                                              "2021-01-16,Growth,B,0,1,,\n" // refused for itself: counts nothing
                                              "2021-01-17,Other,B,1,1,,\n"
                                              "2021-01-18,Growth,B,1,1,,\n"
                                              "2021-01-19,Third,B,1,1,,\n");
    ASSERT_EQ(p.lines.size(), 5u);
    EXPECT_TRUE(p.lines[0].accepted());
    EXPECT_EQ(p.lines[1].refusal, "a Bought line needs shares above 0");
    EXPECT_TRUE(p.lines[2].accepted());
    EXPECT_EQ(refusalText(p.lines[3]), "line 5: the database would pass 1000 records");
    EXPECT_EQ(p.lines[4].refusal, "the database would pass 1000 records");
    EXPECT_EQ(p.newFunds, std::vector<std::string>{"Other"}); // a refused line adds no fund
    ASSERT_TRUE(applyImport(db, p));
    EXPECT_EQ(db.RecordCount, RecordLimit);
    EXPECT_EQ(db.FundCount, 2);
}

TEST(FundImport, AFileThatIsNotTransactionsIsRefusedWhole)
{
    std::string manyLines = Heading;
    for (int i = 0; i <= ImportLineLimit; ++i)
        manyLines += "2021-01-15,F,B,1,1,,\n";
    struct Case {
        std::string text;
        const char* reason;
    } cases[] = {
        {"\x89PNG\r\n\x1a\n\0\0\0\rIHDR"s, "the file holds binary data, not text"},
        {"date,fund,type\n2021-01-15,A\0B,B\n"s, "the file holds binary data, not text"},
        {"", "the file is empty"},
        {"\xEF\xBB\xBF \r\n\r\n", "the file is empty"},
        {"Dear broker,\nplease send me my statement.\n",
         "the first line names none of the columns date, fund and type: this is not a file of transactions"},
        {"date,fund,type,shares\n", "the file holds no transaction lines below its heading line"},
        {"date,fund,type\n,,\n , \n", "the file holds no transaction lines below its heading line"},
        {"date,fund,shares\n2021-01-15,F,1\n", "the heading line has no \"type\" column"},
        {"date,price\n2021-01-15,1\n", "the heading line has no \"fund\" and \"type\" columns"},
        {"shares,price,amount\n", "the heading line has no \"date\", \"fund\" and \"type\" columns"},
        {"date,fund,type,shares,units\n", "the columns \"shares\" and \"units\" both stand for \"shares\""},
        {"date,\"fund,type\n", "the heading line cannot be read: a quoted field has no closing quote"},
        {manyLines, "the file holds more than 10000 transaction lines; a database holds at most 1000 records"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.text.substr(0, 40));
        EXPECT_EQ(failure(k.text), k.reason);
    }
}

TEST(FundImport, AFileInTheWesternCodePageIsRead)
{
    const ImportPreview p = preview(emptyFundDatabase(), Heading + "2021-01-15,Soci\xE9t\xE9 G\xE9n\xE9rale,B,1,1,,\n");
    ASSERT_EQ(p.lines.size(), 1u);
    EXPECT_EQ(p.lines[0].fund, "Soci\xC3\xA9t\xC3\xA9 G\xC3\xA9n\xC3\xA9rale");
}

TEST(FundImport, ThePreviewGridShowsEveryLine)
{
    const ImportPreview p = preview(withFunds({"Growth"}), Heading
                                                               + "2021-01-15,Growth,Bought,1000,10,,50\n"
                                                                 "31/02/2021,Growth,Bought,100,10,,\n"
                                                                 "2021-06-30,New,Dividend,,,100,\n"
                                                                 "2021-07-30,New,Sold,10,10,,\n");
    NumberSymbols symbols;
    const std::vector<std::string> cells =
        importGridCells(p, symbols, [](const Date& date) { return "short " + date.toIso(); });
    ASSERT_EQ(cells.size(), 4u * ImportGridColumns);
    auto row = [&](int r) {
        return std::vector<std::string>(cells.begin() + r * ImportGridColumns,
                                        cells.begin() + (r + 1) * ImportGridColumns);
    };
    EXPECT_EQ(row(0), (std::vector<std::string>{"2", "will be added", "short 2021-01-15", "Growth", "Bought",
                                                 "10.0000", "1,000.0000", "50.00", "", "10,050.00"}));
    EXPECT_EQ(row(1), (std::vector<std::string>{"3", "not added: the date \"31/02/2021\" cannot be read",
                                                 "31/02/2021", "Growth", "Bought", "", "", "", "", ""}));
    EXPECT_EQ(row(2), (std::vector<std::string>{"4", "will be added, new fund", "short 2021-06-30", "New",
                                                 "Cash Dividend", "", "", "", "100.00", "-100.00"}));
    EXPECT_EQ(row(3)[6], "-10.0000");
    EXPECT_EQ(row(3)[9], "-100.00");
    EXPECT_EQ(std::string(ImportGridHeadings[1]), "Status");
}
