#include "app/file_requests.h"

#include <gtest/gtest.h>

using namespace fiscalia;

TEST(FileRequests, EachCodeHasItsDialogFilterAndDefaultName)
{
    struct Expected {
        int code;
        bool save;
        const char* filter;
        FileRequest::DefaultName name;
    };
    const Expected table[] = {
        {1, false, "Investment Manager Database (*.kvs)|*.kvs", FileRequest::DefaultName::CurrentFile},
        {2, true, "Investment Manager Database (*.kvs)|*.kvs", FileRequest::DefaultName::CurrentFile},
        {3, false, "Net Worth Database (*.kvw)|*.kvw", FileRequest::DefaultName::CurrentFile},
        {4, true, "Net Worth Database (*.kvw)|*.kvw", FileRequest::DefaultName::CurrentFile},
        {5, false, "Mortgage Database (*.umd)|*.umd", FileRequest::DefaultName::LastMortgage},
        {6, true, "Mortgage Database (*.umd)|*.umd", FileRequest::DefaultName::LastMortgage},
        {7, false, "Loan Database (*.uld)|*.uld", FileRequest::DefaultName::LastLoan},
        {8, true, "Loan Database (*.uld)|*.uld", FileRequest::DefaultName::LastLoan},
    };
    for (const auto& e : table) {
        const auto request = fileRequest(e.code);
        ASSERT_TRUE(request) << e.code;
        EXPECT_EQ(request->save, e.save) << e.code;
        EXPECT_EQ(filterText(*request), e.filter);
        EXPECT_EQ(request->defaultName, e.name) << e.code;
    }
    EXPECT_FALSE(fileRequest(0));
    EXPECT_FALSE(fileRequest(9));
    EXPECT_FALSE(fileRequest(-1));
}

TEST(FileRequests, SavingAddsTheExtensionOnlyWhenNoneWasTyped)
{
    EXPECT_EQ(withExtension("/home/ann/house", "umd"), "/home/ann/house.umd");
    EXPECT_EQ(withExtension("/home/ann/house.umd", "umd"), "/home/ann/house.umd");
    EXPECT_EQ(withExtension("/home/ann/house.txt", "umd"), "/home/ann/house.txt");
    EXPECT_EQ(withExtension("/home/my.folder/house", "umd"), "/home/my.folder/house.umd");
    EXPECT_EQ(withExtension("C:\\data\\plan", "uld"), "C:\\data\\plan.uld");
    EXPECT_EQ(fileNamePart("/home/ann/house.umd"), "house.umd");
    EXPECT_EQ(fileNamePart("house.umd"), "house.umd");
}

TEST(FileRequests, ImportOpensCommaSeparatedFiles)
{
    const FileRequest request = importRequest();
    EXPECT_FALSE(request.save);
    EXPECT_EQ(request.code, 0);
    EXPECT_EQ(filterText(request), "Comma-separated values (*.csv)|*.csv");
    EXPECT_EQ(request.defaultName, FileRequest::DefaultName::None);
}
