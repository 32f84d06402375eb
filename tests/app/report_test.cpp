#include "app/personal_settings.h"
#include "app/report.h"

#include <gtest/gtest.h>

using namespace fiscalia;

namespace {

// A printout as a tool makes it: a head of `headLines` lines (the counter
// then holds `counterAfterHead`), `rows` numbered body rows, and a closing
// block of `closing` lines.
Report sample(int fontChoice, int rows, int closing = 0, const std::string& header = "My header")
{
    Printout p(header, fontChoice, pageLinesFor(fontChoice));
    p.fields({{32, "Title"}});
    p.line();
    const std::vector<std::string> headings{"RULE", "H1", "H2"};
    for (const auto& h : headings)
        p.fields({{2, h}});
    p.line();
    p.setHeadings(headings);
    p.setCounter(24);
    for (int i = 1; i <= rows; ++i)
        p.bodyRow("row " + std::to_string(i));
    if (closing > 0) {
        p.closingBlock(closing);
        for (int i = 0; i < closing; ++i)
            p.line("closing");
    }
    return p.endReport();
}

std::size_t indexOf(const std::vector<std::string>& lines, const std::string& text)
{
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i] == text)
            return i;
    return lines.size();
}

} // namespace

TEST(PlaceFields, PadsToEachColumnAndWrapsAColumnAlreadyPassed)
{
    EXPECT_EQ(placeFields({{2, "abc"}, {8, "x"}}), std::vector<std::string>{" abc   x"});
    EXPECT_EQ(placeFields({{1, "abcdef"}, {4, "y"}}), (std::vector<std::string>{"abcdef", "   y"}));
    EXPECT_EQ(placeFields({{3, "ab"}, {5, "c"}}), std::vector<std::string>{"  abc"}); // exactly at the column
    EXPECT_EQ(placeFields({{2, ""}}), std::vector<std::string>{" "});
    EXPECT_EQ(placeFields({{2, "\u20AC5"}, {5, "x"}}), std::vector<std::string>{" \u20AC5 x"});
}

TEST(Printout, StartsWithTheHeaderAndAnEmptyLine)
{
    const Report r = sample(0, 0);
    ASSERT_EQ(r.pages.size(), 1u);
    EXPECT_EQ(r.pages[0][0], " My header");
    EXPECT_EQ(r.pages[0][1], "");
    EXPECT_EQ(r.pages[0][2], std::string(31, ' ') + "Title");
}

TEST(Printout, AnEmptyHeaderStillPrintsItsLineAndTheSeparator)
{
    const Report r = sample(0, 0, 0, "");
    EXPECT_EQ(r.pages[0][0], " ");
    EXPECT_EQ(r.pages[0][1], "");
    EXPECT_EQ(r.pages[0].size(), 8u);
}

TEST(Printout, BreaksAfterTheRowThatFillsThePage)
{
    for (int choice = 0; choice <= 3; ++choice) {
        const int lines = pageLinesFor(choice);
        const int rowsOnFirstPage = lines - 24;
        const Report r = sample(choice, rowsOnFirstPage + 1);
        ASSERT_EQ(r.pages.size(), 2u) << choice;
        const auto& first = r.pages[0];
        // The last row of the page, two empty lines and the page number.
        ASSERT_GE(first.size(), 4u);
        EXPECT_EQ(first[first.size() - 4], "row " + std::to_string(rowsOnFirstPage)) << choice;
        EXPECT_EQ(first[first.size() - 3], "");
        EXPECT_EQ(first[first.size() - 2], "");
        EXPECT_EQ(first.back(), std::string(39, ' ') + "Page 1");
        EXPECT_EQ(r.pages[1].back(), "row " + std::to_string(rowsOnFirstPage + 1));
    }
    // With the 12 point font the page holds 51 lines: row 27 brings the
    // counter from 24 to 51 and ends the page.
    EXPECT_EQ(pageLinesFor(3), 51);
    const Report r = sample(3, 27);
    EXPECT_EQ(r.pages.size(), 2u);
    EXPECT_EQ(r.pages[1].size(), 5u); // the new page's heading only
    EXPECT_EQ(sample(3, 26).pages.size(), 1u);
}

TEST(Printout, RepeatsTheHeadingsAndCountsFromSevenAfterABreak)
{
    // 56 lines a page (11 point): 32 rows on the first page, then 49 a page.
    const Report r = sample(2, 32 + 49 + 1);
    ASSERT_EQ(r.pages.size(), 3u);
    const auto& second = r.pages[1];
    EXPECT_EQ(second[0], "");
    EXPECT_EQ(second[1], " RULE");
    EXPECT_EQ(second[2], " H1");
    EXPECT_EQ(second[3], " H2");
    EXPECT_EQ(second[4], "");
    EXPECT_EQ(second[5], "row 33");
    EXPECT_EQ(second[5 + 48], "row 81");
    EXPECT_EQ(second.back(), std::string(39, ' ') + "Page 2");
    // The last page carries no number.
    EXPECT_EQ(r.pages[2].back(), "row 82");
    for (const auto& line : r.pages[2])
        EXPECT_EQ(line.find("Page"), std::string::npos);
}

TEST(Printout, AClosingBlockThatWouldNotFitBreaksThePageFirst)
{
    // 53 lines: 29 rows bring the counter to 53, 28 to 52.
    const Report fits = sample(0, 25, 3);  // 49 + 3 < 53
    EXPECT_EQ(fits.pages.size(), 1u);
    const Report breaks = sample(0, 26, 3); // 50 + 3 reaches 53
    ASSERT_EQ(breaks.pages.size(), 2u);
    EXPECT_EQ(indexOf(breaks.pages[0], "closing"), breaks.pages[0].size());
    EXPECT_EQ(breaks.pages[0].back(), std::string(39, ' ') + "Page 1");
    EXPECT_EQ(breaks.pages[1][5], "closing");
}
