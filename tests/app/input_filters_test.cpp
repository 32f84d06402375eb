#include "app/input_filters.h"
#include "app/placement.h"

#include <gtest/gtest.h>

using namespace fiscalia;

TEST(DecimalFilter, TakesTwoDecimalsOrThreeWithTheOverride)
{
    int override = 0;
    EXPECT_TRUE(decimalFilterPasses(U'5', "12.3", override));
    EXPECT_FALSE(decimalFilterPasses(U'5', "12.34", override));
    EXPECT_TRUE(decimalFilterPasses(U'9', "123456", override)); // no point: any length
    EXPECT_TRUE(decimalFilterPasses(U'.', "12.34", override));  // a second point passes
    EXPECT_TRUE(decimalFilterPasses(8, "12.34", override));
    EXPECT_TRUE(decimalFilterPasses(127, "12.34", override));
    EXPECT_FALSE(decimalFilterPasses(U'a', "", override));
    EXPECT_FALSE(decimalFilterPasses(U'-', "", override));
    EXPECT_FALSE(decimalFilterPasses(U'\u0663', "", override)); // an Arabic-Indic three is not a digit here

    override = 3;
    EXPECT_TRUE(decimalFilterPasses(U'5', "7.12", override));
    EXPECT_EQ(override, 0); // used once
    EXPECT_FALSE(decimalFilterPasses(U'5', "7.12", override));
    override = 3;
    EXPECT_FALSE(decimalFilterPasses(U'5', "7.125", override));
    // Keys that are not digits leave the override for the next digit.
    override = 3;
    EXPECT_TRUE(decimalFilterPasses(U'.', "7", override));
    EXPECT_EQ(override, 3);
}

TEST(WholeNumberFilter, TakesDigitsAndEditingKeysOnly)
{
    EXPECT_TRUE(wholeNumberFilterPasses(U'0'));
    EXPECT_TRUE(wholeNumberFilterPasses(U'9'));
    EXPECT_TRUE(wholeNumberFilterPasses(8));
    EXPECT_TRUE(wholeNumberFilterPasses(127));
    EXPECT_FALSE(wholeNumberFilterPasses(U'.'));
    EXPECT_FALSE(wholeNumberFilterPasses(U' '));
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
