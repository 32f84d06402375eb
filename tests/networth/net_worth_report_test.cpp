#include "networth/net_worth_report.h"

#include <gtest/gtest.h>

using namespace fiscalia;

// Three asset lines and seven liability lines: a 26-character name cut to
// 25, an inserted line whose 0 prints ".00", an erased value printing
// blanks, and the asset side of rows 4 to 7 left blank.
TEST(NetWorthReport, TheWholePage)
{
    NetStatement st;
    auto set = [](NetList& list, int row, const char* name, NetCell value) {
        list[static_cast<std::size_t>(row)] = NetLine{std::string(name), std::move(value)};
    };
    set(st.AssetList, 1, "Cottage at Lake Muskoka ON", 350000.0);
    set(st.AssetList, 2, "BlankLine", 0.0);
    set(st.AssetList, 3, "Sub Total", 350000.0);
    const char* names[] = {"Mortgage", "Car loan", "Credit card", "Line of credit", "Student loan", "Sub Total",
                           "Taxes owing"};
    const double values[] = {210000, 12500.5, 1999.99, 5000, 8000, 237500.49, 0};
    for (int i = 0; i < 7; ++i)
        set(st.LiabilityList, i + 1, names[i], values[i]);
    st.LiabilityList[7].value = std::string();
    st.AssetCount = 3;
    st.LiabilityCount = 7;
    const NetTotals totals{Currency::fromInt(350000), Currency::fromDouble(237500.49),
                           Currency::fromDouble(112499.51)};
    const Report report = netWorthReport({"Statement of 31 December", 2, 56, "$", {}}, st, totals);
    EXPECT_EQ(report.printFontChoice, 2);
    ASSERT_EQ(report.pages.size(), 1u);
    const std::vector<std::string> expected = {
        "",
        " Statement of 31 December",
        "",
        "                               NET WORTH STATEMENT",
        "",
        "",
        " ASSETS                                  LIABILITIES",
        " ______                                  ___________",
        "",
        " Cottage at Lake Muskoka O   350,000.00  Mortgage                    210,000.00",
        " BlankLine                          .00  Car loan                     12,500.50",
        " Sub Total                   350,000.00  Credit card                   1,999.99",
        "                                         Line of credit                5,000.00",
        "                                         Student loan                  8,000.00",
        "                                         Sub Total                   237,500.49",
        "                                         Taxes owing                           ",
        "",
        " ______________________________________________________________________________",
        "",
        " Total Assets               $350,000.00  Total Liabilities          $237,500.49",
        "",
        "",
        "                             Net Worth =    $112,499.51"};
    EXPECT_EQ(report.pages[0], expected);
}

// An empty statement still prints its frame with zero totals.
TEST(NetWorthReport, AnEmptyStatement)
{
    const Report report = netWorthReport({"", 0, 53, "\xe2\x82\xac", {}}, NetStatement{}, NetTotals{});
    const auto& page = report.pages.at(0);
    ASSERT_EQ(page.size(), 16u);
    EXPECT_EQ(page[12], " Total Assets" + std::string(22, ' ') + "\xe2\x82\xac.00  Total Liabilities" + std::string(17, ' ') + "\xe2\x82\xac.00");
    EXPECT_EQ(page[15], "                             Net Worth =           \xe2\x82\xac.00");
}
