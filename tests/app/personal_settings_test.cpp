#include "app/personal_settings.h"

#include <gtest/gtest.h>

using namespace fiscalia;

TEST(PersonalSettings, RoundTripsThroughTheFileLine)
{
    PersonalSettings s{"DM", 3, "Ann Lee"};
    EXPECT_EQ(writePersonalSettings(s), "\"DM\",3,\"Ann Lee\"\r\n");
    PersonalSettings back;
    EXPECT_TRUE(readPersonalSettings(writePersonalSettings(s), back));
    EXPECT_EQ(back.currencySymbol, "DM");
    EXPECT_EQ(back.printFontChoice, 3);
    EXPECT_EQ(back.userName, "Ann Lee");
}

TEST(PersonalSettings, DamagedFieldsKeepTheirPreviousValues)
{
    PersonalSettings s;
    EXPECT_FALSE(readPersonalSettings("\"E\",\"x\",\"Bob\"", s));
    EXPECT_EQ(s.currencySymbol, "E");
    EXPECT_EQ(s.printFontChoice, 0);
    EXPECT_EQ(s.userName, "Bob");

    PersonalSettings t;
    EXPECT_FALSE(readPersonalSettings("\"\",9", t));
    EXPECT_EQ(t.currencySymbol, "$"); // empty symbol becomes "$"
    EXPECT_EQ(t.printFontChoice, 0);  // 9 is not a font choice
    EXPECT_EQ(t.userName, "");

    PersonalSettings u;
    EXPECT_FALSE(readPersonalSettings(std::string("\x00\xff\xfe garbage", 12), u));
    EXPECT_EQ(u.currencySymbol, "$");
    EXPECT_FALSE(readPersonalSettings("", u));
    EXPECT_EQ(u.currencySymbol, "$");
}

TEST(PersonalSettings, FieldsMayStandOnSeparateLines)
{
    PersonalSettings s;
    EXPECT_TRUE(readPersonalSettings("\"$\"\n2\n\"Jo\"\n", s));
    EXPECT_EQ(s.printFontChoice, 2);
    EXPECT_EQ(s.userName, "Jo");
}

TEST(PersonalSettings, CurrencySymbolIsFittedToTwoCharacters)
{
    EXPECT_EQ(fitCurrencySymbol("USD"), "US");
    EXPECT_EQ(fitCurrencySymbol("$"), " $");
    EXPECT_EQ(fitCurrencySymbol("\u20AC"), " \u20AC");
    EXPECT_EQ(fitCurrencySymbol(""), "  ");
}

TEST(PersonalSettings, PageLinesFollowTheFontChoice)
{
    EXPECT_EQ(pageLinesFor(0), 53);
    EXPECT_EQ(pageLinesFor(1), 63);
    EXPECT_EQ(pageLinesFor(2), 56);
    EXPECT_EQ(pageLinesFor(3), 51);
    EXPECT_EQ(pageLinesFor(7), 53);
}
