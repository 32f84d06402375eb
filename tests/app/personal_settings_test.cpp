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

TEST(PersonalSettings, AWindows1252FileReadsRight)
{
    PersonalSettings s;
    EXPECT_TRUE(readPersonalSettings("\"\xA3\",1,\"Jos\xE9\"\r\n", s));
    EXPECT_EQ(s.currencySymbol, "\xC2\xA3"); // £
    EXPECT_EQ(s.printFontChoice, 1);
    EXPECT_EQ(s.userName, "Jos\xC3\xA9"); // José
}

TEST(PersonalSettings, UnusableCurrencySymbolBecomesDollar)
{
    struct Case {
        const char* what;
        std::string symbol;
        std::string kept;
    };
    const Case cases[] = {
        {"letters", "CHF", "CHF"},
        {"two letters", "kr", "kr"},
        {"euro", "\xE2\x82\xAC", "\xE2\x82\xAC"},
        {"four characters", "\xE2\x82\xAC\xE2\x82\xAC\xC2\xA3$", "\xE2\x82\xAC\xE2\x82\xAC\xC2\xA3$"},
        {"five characters", "ABCDE", "$"},
        {"60,000 characters", std::string(60000, 'W'), "$"},
        {"right-to-left override", "\xE2\x80\xAE$", "$"},
        {"zero-width space", "$\xE2\x80\x8B", "$"},
        {"byte-order mark", "\xEF\xBB\xBF$", "$"},
        {"soft hyphen", "\xC2\xAD$", "$"},
        {"tag character", "$\xF3\xA0\x80\x81", "$"},
        {"tab", "$\t", "$"},
        {"C1 control", "\xC2\x85$", "$"},
        {"line separator", "\xE2\x80\xA8", "$"},
        {"noncharacter", "\xEF\xBF\xBE", "$"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PersonalSettings s;
        EXPECT_TRUE(readPersonalSettings("\"" + c.symbol + "\",2,\"Ann\"\r\n", s));
        EXPECT_EQ(s.currencySymbol, c.kept);
        EXPECT_EQ(s.printFontChoice, 2); // the rest of the line is still read
        EXPECT_EQ(s.userName, "Ann");
    }
}

TEST(PersonalSettings, NameLosesControlCharactersOnly)
{
    PersonalSettings s;
    EXPECT_TRUE(readPersonalSettings("\"$\",0,\"A\tn\x7Fn \xC2\x85L\xE2\x80\x8E" "e\xC3\xA9\"", s));
    EXPECT_EQ(s.userName, "Ann L\xE2\x80\x8E" "e\xC3\xA9"); // the format mark stays
}

TEST(PersonalSettings, SymbolCharacterCheck)
{
    struct Case {
        char32_t c;
        bool acceptable;
    };
    const Case cases[] = {
        {U'$', true},      {U' ', true},       {0x00A3, true},  {0x20AC, true},  {0x20B9, true},
        {0x1F4B0, true},   {0xE000, true},     {0x00, false},   {0x1F, false},   {0x7F, false},
        {0x80, false},     {0x9F, false},      {0x00AD, false}, {0x061C, false}, {0x200E, false},
        {0x202E, false},   {0x2028, false},    {0x2029, false}, {0x2065, true},  {0x2066, false},
        {0xD800, false},   {0xDFFF, false},    {0xFDD0, false}, {0xFEFF, false}, {0xFFFB, false},
        {0xFFFD, true},    {0xFFFE, false},    {0x1FFFF, false}, {0x13430, false}, {0x1343F, false},
        {0xE0001, false},  {0xE007F, false},   {0xE0080, true}, {0x10FFFF, false}, {0x110000, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<unsigned long>(c.c));
        EXPECT_EQ(isAcceptableSymbolCharacter(c.c), c.acceptable);
    }
    EXPECT_FALSE(isAcceptableCurrencySymbol(""));
    EXPECT_FALSE(isAcceptableCurrencySymbol("\xA3")); // not UTF-8
    EXPECT_TRUE(isAcceptableCurrencySymbol("\xF0\x9F\x92\xB0\xF0\x9F\x92\xB0\xF0\x9F\x92\xB0\xF0\x9F\x92\xB0"));
}
