#pragma once
#include "app/currency.h"
#include "app/number_format.h"
#include "growth/growth_state.h"
#include "investments/fund_state.h"
#include "mortgage/mortgage_state.h"
#include "networth/networth_state.h"
#include "retirement/retirement_state.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace fiscalia {

// The program-wide variables and tables. One instance is owned by the frame
// window and handed by reference to every window it creates; the windows talk
// to each other only through it.
struct AppState {
    // Frame and Menu.
    int FrameSize = 6810;           // 8670 when the frame is taller than 8500 twips
    std::string TodayText;          // today's date in the system's short date form
    int LoanMode = 0;               // 1 mortgage, 2 personal loan
    int ToolMode = 0;               // the open tool's own mode selector
    int ResultsReady = 0;           // result rows of the open calculator; 0 = nothing calculated
    int GraphKind = 0;              // which calculator the graph window draws

    // Personal settings.
    std::string CurrencySymbol = "$";
    std::string UserName;
    int PrintFontChoice = 0;
    int PageLines = 53;

    // Messages and questions.
    int MsgNumber = 0;
    int YesNoCode = 0;

    // Green input boxes.
    int EditFlag = 0;               // 1 once the box with the focus has been typed into
    std::vector<Currency> InputValues; // the open tool's input slots, from 1

    // Results shared with the graph window and the printouts.
    std::vector<std::array<Currency, 6>> YearTable;
    std::string GraphTitle;
    std::vector<std::array<Currency, 6>> GraphData;
    std::vector<std::array<std::string, 2>> GraphLabels;
    std::array<std::string, 4> ReportLines;

    // Printing.
    std::string PrintHeader;        // "1" when the user cancelled the header dialog

    // Files.
    int FileAction = 0;
    std::string ChosenFile;
    std::string CurrentFileName;    // the net worth or investment file in use, without its folder
    std::string CurrentFilePath;    // the same file's full path, offered by the file dialog
    std::string LastMortgageFile;   // full paths: the file of each kind opened or saved last
    std::string LastLoanFile;
    std::string LastExportFile;     // the last table exported as comma-separated values
    std::string LastImportFile;     // the last comma-separated file of transactions imported from

    // Separators of the user's regional settings, for every number shown.
    NumberSymbols Symbols;

    // The mortgage and loan tables.
    MortgageState Mortgage;

    // The investment growth, 401(k) and compound growth windows.
    SavingsState Savings;
    Plan401KState Plan401K;
    CompoundState Compound;

    // The retirement and capital required windows.
    RetirementState Retirement;
    CapitalState Capital;

    // The net worth statement.
    NetWorthState NetWorth;

    // The Investment Manager's funds.
    FundState Funds;
};

} // namespace fiscalia
