#include "app/result.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace fiscalia;

TEST(Result, HoldsAValueOrAFailure)
{
    Result<std::string> good = std::string("text");
    ASSERT_TRUE(good.ok());
    EXPECT_TRUE(static_cast<bool>(good));
    EXPECT_EQ(*good, "text");
    EXPECT_EQ(good->size(), 4u);
    good.value() += "!";
    EXPECT_EQ(good.value(), "text!");

    const Result<std::string> bad = Failure{"Permission denied"};
    EXPECT_FALSE(bad.ok());
    EXPECT_FALSE(static_cast<bool>(bad));
    EXPECT_EQ(bad.reason(), "Permission denied");
}

TEST(Result, ValueMovesOut)
{
    Result<std::unique_ptr<int>> r = std::make_unique<int>(7);
    const std::unique_ptr<int> taken = std::move(r).value();
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(*taken, 7);
}

TEST(Result, VoidResult)
{
    const Result<void> done;
    EXPECT_TRUE(done.ok());
    const Result<void> failed = Failure{"not a regular file"};
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.reason(), "not a regular file");
}
