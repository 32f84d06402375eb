#include "app/ToolFactory.h"

#include "app/HelpViewer.h"
#include "app/ToolWindow.h"
#include "growth/FindCompoundCalc.h"
#include "growth/Plan401KCalc.h"
#include "growth/SavingsCalc.h"
#include "investments/FundMenu.h"
#include "mortgage/MortgageCalc.h"
#include "networth/NetWorthCalc.h"
#include "retirement/CapitalReqdCalc.h"
#include "retirement/RetireCalc.h"

namespace fiscalia {

ToolWindow* createToolWindow(Tool tool, const ToolContext& context)
{
    switch (tool) {
    case Tool::Mortgage:
    case Tool::Loan: return new MortgageCalc(context);
    case Tool::Savings:
    case Tool::SavingsComparisons: return new SavingsCalc(context);
    case Tool::Plan401K: return new Plan401KCalc(context);
    case Tool::Retirement: return new RetireCalc(context);
    case Tool::CapitalRequired: return new CapitalReqdCalc(context);
    case Tool::CompoundGrowth: return new FindCompoundCalc(context);
    case Tool::NetWorth: return new NetWorthCalc(context);
    case Tool::InvestmentManager: return new FundMenu(context);
    }
    return nullptr;
}

} // namespace fiscalia
