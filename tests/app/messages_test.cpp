#include "app/messages.h"

#include <gtest/gtest.h>

using namespace fiscalia;

TEST(Messages, CatalogueTextsAreExact)
{
    EXPECT_EQ(messageText(1), "No data to print. Calculate.");
    EXPECT_EQ(messageText(3), "Wrong or missing entry, try again.");
    EXPECT_EQ(messageText(5), "Wrong entry, 40 Years limit.");
    EXPECT_EQ(messageText(13), "File not found or wrong format. Check Filename and/or Directory.");
    EXPECT_EQ(messageText(27),
              "To use all commands you must have a file in memory. Go to 'Add and Edit Records' to start new "
              "file or 'Open a File from Disk'. Open the Dtasampl .Kvs file to use and learn all the features.");
    EXPECT_EQ(messageText(52), "100% limit.");
}

TEST(Messages, MessageTwentyEightJoinsThreeSentencesWithSingleBlanks)
{
    EXPECT_EQ(messageText(28),
              "You have Added a Fund Name but have not entered a record in it. Either delete the Fund name "
              "or add a record. I cannot work with an empty Fund.");
}

TEST(Messages, MessageThirtyEndsInTodaysShortDate)
{
    EXPECT_EQ(messageText(30, "07/12/2026"), "Correct date format is 07/12/2026");
}

TEST(Messages, NumbersWithoutTextGiveAnEmptyText)
{
    for (int n : {0, 8, 9, 11, 12, 18, 21, 32, 50, 53, -1})
        EXPECT_EQ(messageText(n), "") << n;
}

TEST(Questions, TextsKeepTheirLeadingBlanks)
{
    EXPECT_EQ(questionText(1), " Continue with Printout.");
    EXPECT_EQ(questionText(2), " Print in Color.");
    EXPECT_EQ(questionText(3, "HOME.KVW"),
              "HOME.KVW file in memory will be erased. Do you wish to go back and save it to Disk?.");
    EXPECT_EQ(questionText(4, {}, "17"), "Are you sure you wish to delete record number: 17");
    EXPECT_EQ(questionText(5), "Are you sure you wish to delete the current Fund name.");
    EXPECT_EQ(questionText(6), "");
}
