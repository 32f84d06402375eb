#include "app/messages.h"

#include <array>
#include <utility>

namespace fiscalia {

namespace {

constexpr std::array<std::pair<int, std::string_view>, 31> Catalogue{{
    {1, "No data to print. Calculate."},
    {2, "No data to graph. Calculate."},
    {3, "Wrong or missing entry, try again."},
    {4, "Wrong entry, 50 Years limit."},
    {5, "Wrong entry, 40 Years limit."},
    {6, "Limit is 22 entries."},
    {7, "Cannot withdraw Annually more than you have in Savings."},
    {10, "Not a valid date, try again."},
    {13, "File not found or wrong format. Check Filename and/or Directory."},
    {14, "Bad Filename. Must be in the form MYFILE.KVW"},
    {15, "No Records."},
    {16, "Name of Fund must be selected and shown in green box. See Quick Help."},
    {17, "No Record selected. Click on record number first."},
    {19, "Fund selected is not in file. Check name in Fund Name textbox. See Quick Help."},
    {20, "Record not saved, missing entry or 0. Entries must be exactly as shown in Quick Help."},
    {22, "30 Row limit."},
    {23, "Cannot sort file."},
    {24, "Check, missing entry or 0."},
    {25, "Bad filename, must be in the form MYFILE.KVS"},
    {26, "Cannot calculate."},
    {27, "To use all commands you must have a file in memory. Go to 'Add and Edit Records' to start "
         "new file or 'Open a File from Disk'. Open the Dtasampl .Kvs file to use and learn all the "
         "features."},
    {28, ""}, // built below
    {29, "Record not Corrected, missing entry or 0. Entries must be exactly as shown in Quick Help."},
    {30, ""}, // built below
    {31, "Record not saved. Must have a date."},
    {35, "Files are limited to 1000 records. You will have to start a new File."},
    {36, "Funds are limited to 30. You will have to start a new File."},
    {37, "Bad Filename. Must be in the form MYFILE.UMD"},
    {38, "Bad Filename. Must be in the form MYFILE.ULD"},
    {51, "A transaction type must be selected, click Dn/Arrow and select one."},
    {52, "100% limit."},
}};

} // namespace

std::string messageText(int number, std::string_view todayShortDate)
{
    if (number == 28)
        return std::string("You have Added a Fund Name but have not entered a record in it.")
               + " Either delete the Fund name or add a record." + " I cannot work with an empty Fund.";
    if (number == 30)
        return "Correct date format is " + std::string(todayShortDate);
    for (const auto& [n, text] : Catalogue)
        if (n == number)
            return std::string(text);
    return {};
}

std::string questionText(int number, std::string_view currentFileName, std::string_view recordNumber)
{
    switch (number) {
    case 1: return " Continue with Printout.";
    case 2: return " Print in Color.";
    case 3:
        return std::string(currentFileName)
               + " file in memory will be erased. Do you wish to go back and save it to Disk?.";
    case 4: return "Are you sure you wish to delete record number: " + std::string(recordNumber);
    case 5: return "Are you sure you wish to delete the current Fund name.";
    default: return {};
    }
}

} // namespace fiscalia
