#include "app/csv_codec.h"
#include "app/currency.h"
#include "app/date.h"

#include <gtest/gtest.h>

using namespace fiscalia;

TEST(CsvWriter, WritesQuotedTextsPlainNumbersAndDates)
{
    CsvWriter w;
    w.number(Currency::fromDouble(100000)).number(Currency::fromDouble(10.125)).text("      Monthly")
        .integer(1).number(365.25).text("say \"hi\"").date(*Date::fromYmd(2026, 1, 5)).empty().endLine();
    w.integer(-3).endLine();
    EXPECT_EQ(w.str(), "100000,10.125,\"      Monthly\",1,365.25,\"say \"\"hi\"\"\",#2026-01-05#,\r\n-3\r\n");
}

TEST(CsvWriter, WritesDoublesSoTheyReadBackTheSame)
{
    CsvWriter w;
    w.number(0.1).number(1.0 / 3.0).number(1e-300).endLine();
    const auto lines = parseCsv(w.str());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(*lines[0][0].asNumber(), 0.1);
    EXPECT_EQ(*lines[0][1].asNumber(), 1.0 / 3.0);
    EXPECT_EQ(*lines[0][2].asNumber(), 1e-300);
}

TEST(CsvReader, ReadsWhatTheWriterWrites)
{
    CsvWriter w;
    w.text("a,b").number(Currency::fromDouble(-12.5)).date(*Date::fromYmd(2024, 2, 29)).text("").endLine();
    const auto lines = parseCsv(w.str());
    ASSERT_EQ(lines.size(), 1u);
    ASSERT_EQ(lines[0].size(), 4u);
    EXPECT_EQ(*lines[0][0].asText(), "a,b");
    EXPECT_EQ(*lines[0][1].asCurrency(), Currency::fromDouble(-12.5));
    EXPECT_EQ(*lines[0][2].asDate(), *Date::fromYmd(2024, 2, 29));
    EXPECT_EQ(lines[0][3].kind, CsvField::Kind::Text);
    EXPECT_EQ(*lines[0][3].asText(), "");
}

TEST(CsvReader, ToleratesLineEndsBlanksAndMissingEndings)
{
    const auto lines = parseCsv("\xEF\xBB\xBF 1 , \"x\" ,#2020-01-31#\n\n2,3\r\n4");
    ASSERT_EQ(lines.size(), 4u);
    ASSERT_EQ(lines[0].size(), 3u);
    EXPECT_EQ(*lines[0][0].asNumber(), 1);
    EXPECT_EQ(*lines[0][1].asText(), "x");
    EXPECT_EQ(lines[0][2].asDate()->day(), 31);
    EXPECT_TRUE(lines[1].empty());
    EXPECT_EQ(lines[2].size(), 2u);
    EXPECT_EQ(*lines[3][0].asInt16(), 4);
    // A missing closing quote runs to the end of the line.
    const auto open = parseCsv("\"unfinished,2\r\n3");
    ASSERT_EQ(open.size(), 2u);
    EXPECT_EQ(*open[0][0].asText(), "unfinished,2");
    // Trailing blank lines are dropped; nothing gives nothing.
    EXPECT_EQ(parseCsv("1\r\n\r\n\r\n").size(), 1u);
    EXPECT_TRUE(parseCsv("").empty());
    // Empty fields between commas.
    const auto gaps = parseCsv(",,");
    ASSERT_EQ(gaps[0].size(), 3u);
    EXPECT_EQ(gaps[0][1].kind, CsvField::Kind::Empty);
}

TEST(CsvReader, TypedReadingsRefuseTheWrongKind)
{
    const auto lines = parseCsv("\"12\",12x,1.5,70000,#2023-02-30#,nan,1e400,5");
    const auto& f = lines.at(0);
    EXPECT_FALSE(f[0].asNumber());     // a text is not a number
    EXPECT_FALSE(f[1].asNumber());     // trailing letters
    EXPECT_FALSE(f[2].asInt16());      // not whole
    EXPECT_FALSE(f[3].asInt16());      // beyond 16 bits
    EXPECT_FALSE(f[4].asDate());       // 30 February
    EXPECT_FALSE(f[5].asNumber());
    EXPECT_FALSE(f[6].asNumber());     // infinite
    EXPECT_FALSE(f[7].asText());       // a number is not a text
    EXPECT_FALSE(f[7].asDate());
    EXPECT_EQ(*f[7].asInt16(), 5);
    const auto huge = parseCsv("1e16");
    EXPECT_FALSE(huge[0][0].asCurrency());
}
