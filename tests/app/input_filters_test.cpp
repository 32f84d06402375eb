#include "app/input_filters.h"
#include "app/placement.h"

#include <gtest/gtest.h>

using namespace fiscalia;

TEST(NumberRule, DecidesOnTheWholeTextAsItWouldStand)
{
    const NumberRule money{2, false, 1.0};
    const NumberRule rate{3, false, 1.0};
    const NumberRule whole{0, false, 1.0};
    const NumberRule signedRate{3, true, 1.0};
    struct Case {
        const char* name;
        const char* text;
        NumberRule rule;
        bool pasted;
        bool taken;
    } const cases[] = {
        {"two decimals", "12.34", money, false, true},
        {"a third decimal", "12.345", money, false, false},
        {"a point before six digits", "1.123456", money, false, false}, // typed at the start of 1123456
        {"three decimals in a rate", "7.125", rate, false, true},
        {"a fourth in a rate", "7.1255", rate, false, false},
        {"no point: any length", "123456", money, false, true},
        {"a second point typed", "1.2.", money, false, true},
        {"a digit after it", "1.2.5", money, false, false},
        {"a second point pasted", "1.2.3", money, true, false},
        {"a minus where none is taken", "-5000", money, true, false},
        {"a minus where one is", "-2.5", signedRate, false, true},
        {"a minus inside", "2-5", signedRate, false, false},
        {"an exponent", "1e5", money, true, false},
        {"a letter", "12a", money, false, false},
        {"a point in a whole number", "4.5", whole, false, false},
        {"the empty text", "", money, false, true},
        {"the most a slot holds", "922337203685477", money, false, true},
        {"more than a slot holds", "9223372036854770", money, false, false},
        {"a month count that fits after the division", "480", NumberRule{0, false, 12.0}, false, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(acceptsNumberText(c.text, c.rule, c.pasted), c.taken) << c.name;
}

TEST(Placement, FrameSizeAndPlacesFollowTheFrameHeight)
{
    EXPECT_EQ(frameSizeFor(8500), 6810);
    EXPECT_EQ(frameSizeFor(8501), 8670);
    EXPECT_EQ(toolWindowPlace(6810).left, -40);
    EXPECT_EQ(toolWindowPlace(8670).top, 1000);
    EXPECT_EQ(menuWindowPlace(6810).left, -25);
    EXPECT_EQ(menuWindowPlace(8670).left, 1200);
    EXPECT_EQ(dialogOffset(DialogPlace::StartDate, 6810).left, 4000);
    EXPECT_EQ(dialogOffset(DialogPlace::PriceInput, 8670).top, 4490);
    EXPECT_EQ(twipsToPixels(1500), 100);
    EXPECT_EQ(twipsToPixels(-40), -3);
    EXPECT_EQ(twipsToPixels(-30), -2);
    EXPECT_EQ(twipsToPixels(9615), 641);
}
