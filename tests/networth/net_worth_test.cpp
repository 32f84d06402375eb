#include "app/calc_error.h"
#include "networth/net_worth.h"
#include "networth/net_worth_file.h"

#include <gtest/gtest.h>

using namespace fiscalia;

namespace {

using Line = std::pair<NetCell, NetCell>;

NetList listOf(std::initializer_list<Line> lines)
{
    NetList list{};
    std::size_t r = 1;
    for (const auto& [name, value] : lines)
        list[r++] = NetLine{name, value};
    return list;
}

std::string s(const char* text) { return text; }

std::vector<std::string> names(const NetList& list, int count)
{
    std::vector<std::string> out;
    for (int r = 1; r <= count; ++r)
        out.push_back(cellText(list[static_cast<std::size_t>(r)].name));
    return out;
}

} // namespace

TEST(NetWorth, SubTotalsRunningTotalsAndTheNetWorth)
{
    NetStatement st;
    // Two lines, a subtotal, one more line and a second subtotal; an empty
    // line in between and a value without a name are closed up.
    st.AssetList = listOf({{s("House"), 200000.0},
                           {s("Car"), 15000.0},
                           {s("sub total"), 999.0},
                           {{}, {}},
                           {s(""), 777.0},
                           {s("Savings"), s("5000")},
                           {s("SUB TOTAL"), {}},
                           {s("SubTotal"), 1.0},
                           {s(" "), 2.5}});
    st.LiabilityList = listOf({{s("Mortgage"), 120000.0}, {s("Car loan"), 8000.0}});
    const NetCalculation r = calculateNetWorth(st);
    EXPECT_EQ(r.statement.AssetCount, 7);
    EXPECT_EQ(names(r.statement.AssetList, 7),
              (std::vector<std::string>{"House", "Car", "sub total", "Savings", "SUB TOTAL", "SubTotal", " "}));
    EXPECT_EQ(cellNumber(r.statement.AssetList[3].value), 215000.0);
    EXPECT_EQ(cellNumber(r.statement.AssetList[5].value), 5000.0);
    EXPECT_EQ(r.totals.assets, Currency::fromDouble(220003.5)); // "SubTotal" is an ordinary line
    EXPECT_EQ(r.totals.liabilities, Currency::fromInt(128000));
    EXPECT_EQ(r.totals.netWorth, Currency::fromDouble(92003.5));
    // Rows after the last line are emptied.
    EXPECT_TRUE(std::holds_alternative<std::monostate>(r.statement.AssetList[8].name));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(r.statement.AssetList[9].value));

    const auto grid = netGridTexts(r.statement.LiabilityList, 2, "Total Liabilities", r.totals.liabilities, "$", {});
    ASSERT_EQ(grid.size(), 68u);
    EXPECT_EQ(grid[0], "Mortgage");
    EXPECT_EQ(grid[1], "120,000.00");
    EXPECT_EQ(grid[8], "Total Liabilities"); // row count + 3
    EXPECT_EQ(grid[9], "$128,000.00");
    EXPECT_EQ(netWorthText(r.totals.netWorth, "$", {}), "$92,003.50");
}

TEST(NetWorth, ZeroAndNegativeFigures)
{
    NetStatement st;
    st.AssetList = listOf({{s("BlankLine"), 0.0}, {s("Cash"), 1000.0}});
    st.LiabilityList = listOf({{s("Loan"), 6000.0}});
    const NetCalculation r = calculateNetWorth(st);
    const auto grid = netGridTexts(r.statement.AssetList, 2, "Total Assets", r.totals.assets, "$", {});
    EXPECT_EQ(grid[1], ""); // a zero value shows nothing
    EXPECT_EQ(netWorthText(r.totals.netWorth, "$", {}), "$-5,000.00");
    EXPECT_EQ(netWorthText(Currency(), "$", {}), "$.00");
    // An empty statement: the totals on row 3.
    const auto empty = netGridTexts(NetList{}, 0, "Total Assets", Currency(), "$", {});
    EXPECT_EQ(empty[4], "Total Assets");
    EXPECT_EQ(empty[5], "$0.00");
}

TEST(NetWorth, ATotalTooLargeToHoldIsRefused)
{
    NetStatement st;
    st.AssetList = listOf({{s("Huge"), 1e300}});
    EXPECT_THROW(calculateNetWorth(st), CalcError);
}

TEST(NetWorth, InsertingABlankLine)
{
    NetList list = listOf({{s("A"), 1.0}, {s("B"), 2.0}, {s("C"), 3.0}});
    EXPECT_FALSE(insertBlankLine(list, 3, 0));
    EXPECT_FALSE(insertBlankLine(list, 3, 29));
    ASSERT_TRUE(insertBlankLine(list, 3, 2));
    EXPECT_EQ(names(list, 4), (std::vector<std::string>{"A", "BlankLine", "B", "C"}));
    EXPECT_EQ(cellNumber(list[2].value), 0.0);
    // Past the last line: the blank line goes where asked, Calculate closes up.
    ASSERT_TRUE(insertBlankLine(list, 4, 28));
    EXPECT_EQ(cellText(list[28].name), "BlankLine");

    NetList full{};
    for (std::size_t r = 1; r <= 30; ++r)
        full[r] = NetLine{s("Line"), 1.0};
    const NetList before = full;
    EXPECT_FALSE(insertBlankLine(full, 30, 1));
    EXPECT_EQ(full[30].name, before[30].name);
    EXPECT_TRUE(insertBlankLine(full, 29, 1)); // the 30th line still fits
}

TEST(NetWorth, TypingIntoTheCells)
{
    struct Case {
        int column;
        const char* buffer;
        const char* key;
        bool taken;
        const char* shown;
    };
    const Case cases[] = {
        {0, "", "H", true, "H"},
        {0, "Hous", "e", true, "House"},
        {0, "A", "\"", false, ""},
        {0, "Caf", "\xc3\xa9", true, "Caf\xc3\xa9"},
        {1, "", "5", true, "5.00"},
        {1, "1234", "5", true, "12,345.00"},
        {1, "12.5", "5", true, "12.55"},
        {1, "12.55", "5", false, ""}, // a third decimal
        {1, "12", "a", false, ""},
        {1, "", "-", false, ""},
        {1, "", ".", true, ".00"},
        {1, "99999999999", "9", true, "999,999,999,999.00"},
        {1, "999999999999", "9", false, ""}, // the 13th digit
        {1, "000000000000", "1", true, "1.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.buffer) + " + " + c.key);
        const auto edit = typeIntoCell(c.column, c.buffer, c.key, {});
        ASSERT_EQ(edit.has_value(), c.taken);
        if (edit) {
            EXPECT_EQ(edit->shown, c.shown);
        }
    }
    EXPECT_EQ(std::get<double>(typeIntoCell(1, "12.5", "5", {})->cell), 12.55);
    // A name stops at 255 characters (counted as characters, not bytes), so
    // a full statement always saves to a file the program reads back.
    EXPECT_TRUE(typeIntoCell(0, std::string(253, 'a') + "\xc3\xa9", "b", {}));
    EXPECT_FALSE(typeIntoCell(0, std::string(255, 'a'), "b", {}));

    const NetCellEdit name = backspaceCell(0, s("Caf\xc3\xa9"), {});
    EXPECT_EQ(name.shown, "Caf");
    EXPECT_EQ(std::get<std::string>(name.cell), "Caf");
    const NetCellEdit value = backspaceCell(1, 1234.0, {});
    EXPECT_EQ(std::get<std::string>(value.cell), "");
    EXPECT_EQ(value.shown, "");
}

TEST(NetWorthFile, RoundTripKeepsEveryKindOfCellAndRow31)
{
    NetStatement st;
    st.AssetList = listOf({{s("House"), 200000.0}, {s("Erased"), s("")}, {s("Sub Total"), 200000.5}});
    st.AssetList[31] = NetLine{s("Row 31"), 31.0};
    st.LiabilityList = listOf({{s("Mortgage"), 120000.25}});
    st.AssetCount = 3;
    st.LiabilityCount = 1;
    const std::string text = serializeNetWorthFile(st);
    EXPECT_EQ(text.substr(0, text.find("\r\n", text.find("\r\n") + 2) + 2),
              "3,1\r\n\"House\",200000,\"Mortgage\",120000.25\r\n");
    EXPECT_NE(text.find("\r\n\"Erased\",\"\",,\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n,,,\r\n"), std::string::npos); // rows after both lists
    EXPECT_NE(text.find("\r\n\"Row 31\",31,,\r\n"), std::string::npos);

    const Result<NetStatement> back = parseNetWorthFile(text);
    ASSERT_TRUE(back.ok()) << back.reason();
    EXPECT_EQ(back->AssetCount, 3);
    for (std::size_t r = 0; r <= 31; ++r) {
        EXPECT_EQ(back->AssetList[r].name, st.AssetList[r].name) << r;
        EXPECT_EQ(back->AssetList[r].value, st.AssetList[r].value) << r;
        EXPECT_EQ(back->LiabilityList[r].name, st.LiabilityList[r].name) << r;
        EXPECT_EQ(back->LiabilityList[r].value, st.LiabilityList[r].value) << r;
    }
}

TEST(NetWorthFile, FilesThatAreRefused)
{
    std::string good = "1,0\r\n\"Cash\",10,,\r\n";
    for (int r = 2; r <= 31; ++r)
        good += ",,,\r\n";
    ASSERT_TRUE(parseNetWorthFile(good).ok());
    const std::string shortFile = good.substr(0, good.rfind(",,,\r\n"));
    const std::pair<std::string, std::string> bad[] = {
        {shortFile, "31 lines"},
        {"x,y\r\n" + good.substr(5), "counts"},
        {"1,0\r\n\"Cash\",10\r\n" + good.substr(good.find(",,,")), "four fields"},
        {"1,0\r\n#2024-01-01#,10,,\r\n" + good.substr(good.find(",,,")), "neither a text nor a number"},
        {"", "0 lines"},
    };
    for (const auto& [text, reason] : bad) {
        const Result<NetStatement> r = parseNetWorthFile(text);
        ASSERT_FALSE(r.ok()) << reason;
        EXPECT_NE(r.reason().find(reason), std::string::npos) << r.reason();
    }
}
