#include "app/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

using namespace fiscalia;

TEST(TextEncoding, StrictUtf8)
{
    struct Case {
        std::string bytes;
        bool valid;
    };
    const Case cases[] = {
        {"", true},
        {"plain ASCII", true},
        {"Jos\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x92\xB0", true}, // é € and a 4-byte character
        {"\xF4\x8F\xBF\xBF", true},                          // U+10FFFF
        {"\xEF\xBF\xBD", true},                              // U+FFFD
        {"\xC0\xAF", false},                                 // overlong "/"
        {"\xE0\x80\xAF", false},                             // overlong, 3 bytes
        {"\xF0\x80\x80\xAF", false},                         // overlong, 4 bytes
        {"\xED\xA0\x80", false},                             // surrogate U+D800
        {"\xED\xBF\xBF", false},                             // surrogate U+DFFF
        {"\xF4\x90\x80\x80", false},                         // above U+10FFFF
        {"\xF5\x80\x80\x80", false},
        {"\x80", false},                                     // a lone continuation byte
        {"\xC3", false},                                     // cut short
        {"\xE2\x82", false},
        {"\xE2\x28\xAC", false},                             // continuation missing
        {"\xFF", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        EXPECT_EQ(isValidUtf8(c.bytes), c.valid);
    }
}

TEST(TextEncoding, ValidUtf8IsKept)
{
    for (const std::string text : {"", "Ann Lee, 12 Main St.", "\xC2\xA3", "\xE2\x82\xAC",
                                   "\xF0\x9F\x92\xB0 4-byte", "CHF"})
        EXPECT_EQ(legacyTextToUtf8(text), text);
}

TEST(TextEncoding, OtherTextIsReadAsWindows1252)
{
    struct Case {
        std::string bytes;
        std::string utf8;
    };
    const Case cases[] = {
        {"\xA3", "\xC2\xA3"},                         // £
        {"\x80", "\xE2\x82\xAC"},                     // €
        {"\xE9", "\xC3\xA9"},                         // é
        {"Jos\xE9", "Jos\xC3\xA9"},
        {"\x9F\xFF", "\xC5\xB8\xC3\xBF"},             // Ÿ ÿ
        {"\x93quoted\x94", "\xE2\x80\x9Cquoted\xE2\x80\x9D"},
        {"\x81\x8D\x8F\x90\x9D",                      // undefined in the code page
         "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        // One invalid byte makes the whole text 1252, valid-looking pairs too.
        {"\xC3\xA9 and \xE9", "\xC3\x83\xC2\xA9 and \xC3\xA9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        const std::string out = legacyTextToUtf8(c.bytes);
        EXPECT_EQ(out, c.utf8);
        EXPECT_TRUE(isValidUtf8(out));
    }
}
