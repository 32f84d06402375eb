#include "growth/Plan401KCalc.h"

#include "app/app_state.h"
#include "app/calc_error.h"
#include "app/Dialogs.h"
#include "app/HelpViewer.h"
#include "app/PrinterOutput.h"
#include "growth/growth_reports.h"
#include "growth/plan401k.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace fiscalia {

namespace {

GridDesign accountGrid()
{
    return {"KGrid",
            5,
            25,
            520,
            950,
            {300, 850, 900, 1050, 1050},
            {"Year Number", "       Annual       Salary", " Combined Contributions", " Interest/Growth Compounded",
             "        Current         Value"},
            Plan401KCalc::tr("401(k) growth table"),
            QStringLiteral("401k Plan.csv")};
}

struct BoxDesign {
    const char* name;
    const char* caption;
    bool money;
    int width;
};

// In Enter order; slot i + 1.
constexpr BoxDesign Boxes[] = {
    {"InCurrBal", " Current balance in the           401(k)  account.", true, 13},
    {"InCurrSal", " Your current annual salary.", true, 13},
    {"InCntrbRate", " Your annual 401(k) rate(%)    of contribution.", false, 14},
    {"InCompRate", " The Company contribution      rate(%).", false, 14},
    {"InAnnSalRaise", " Estimated rate(%) of annual   salary raise.", false, 14},
    {"InRetnRate", " Annual rate(%)  of return on   your 401(k).", false, 14},
    {"InInflRate", " Estimated rate(%) of annual   inflation.", false, 14},
    {"InNumYears", " No. of years to retirement.", false, 15},
};

} // namespace

Plan401KCalc::Plan401KCalc(const ToolContext& context)
    : CalculatorWindow(context, QStringLiteral(" 401(k) Investment Growth Calculations"), HelpTopic::Plan401K, 'K',
                       accountGrid())
{
    setObjectName(QStringLiteral("Plan401KCalc"));

    const int boxWidth = QFontMetrics(figureFont()).horizontalAdvance(QString(15, QLatin1Char('0'))) + 14;
    std::vector<CaptionRow> rows;
    for (std::size_t i = 0; i < std::size(Boxes); ++i) {
        const BoxDesign& design = Boxes[i];
        BoxSpec spec;
        spec.slot = static_cast<int>(i) + 1;
        spec.width = design.width;
        spec.deleteEmpties = true; // the Delete key empties a box here
        if (design.money) {
            spec.currencyPrefix = true;
            spec.pattern = QStringLiteral("####,,###.00");
        } else if (spec.slot == 8) {
            spec.filter = KeyFilter::WholeNumber;
            spec.pattern = QStringLiteral("###");
            spec.limit = Plan401KYearLimit;
            spec.limitMessage = 4; // "Wrong entry, 50 Years limit."
        } else {
            spec.pattern = QStringLiteral("###.00");
            spec.suffix = QStringLiteral("%");
        }
        auto* box = new GreenLineEdit(host(), spec, this);
        box->setObjectName(QString::fromLatin1(design.name));
        box->setFont(figureFont());
        box->setBaseWidth(boxWidth);
        boxes_.push_back(box);
        rows.push_back({captionLabel("Label", QString::fromLatin1(design.caption), this), box});
    }
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].caption->setObjectName(QStringLiteral("Label%1").arg(i + 1));
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        boxes_[i]->spec().next = i + 1 < boxes_.size() ? static_cast<QWidget*>(boxes_[i + 1]) : calcButton();
    setHelpEnterTarget(boxes_.front());

    auto* top = new QHBoxLayout;
    top->addLayout(captionColumn({rows[0], rows[1], rows[2], rows[3]}, 150));
    top->addSpacing(12);
    top->addLayout(captionColumn({rows[4], rows[5], rows[6], rows[7]}, 150));
    top->addStretch(1);
    layOut(top);
    setTabChain({boxes_.begin(), boxes_.end()});

    load401KDefaults(state_);
    for (GreenLineEdit* box : boxes_)
        box->showStoredValue();
    state_.EditFlag = 0;
    boxes_.front()->setFocus();
}

void Plan401KCalc::calculate()
{
    AppState& st = state_;
    startCalculation();
    const Plan401KInput in = plan401KInput(st);
    Plan401KResult result;
    if (const int message = runCalculation(result, [&] { return calculate401K(in); })) {
        dialogs_.message(message); // the grid stays cleared
        return;
    }
    const Plan401KGrid rows = plan401KGrid(result, st.CurrencySymbol, st.Symbols);
    showRows(rows.rows, rows.cells);
    keep401KResults(st, in, std::move(result));
}

std::string Plan401KCalc::quickHelpText() const
{
    return plan401KQuickHelp();
}

void Plan401KCalc::print()
{
    AppState& st = state_;
    if (!beginPrintout(st, dialogs_))
        return;
    Plan401KReportInput report;
    report.header = st.PrintHeader;
    report.printFontChoice = setupPrinterFont(st);
    report.pageLines = st.PageLines;
    report.run = st.Plan401K.Results ? &*st.Plan401K.Results : nullptr;
    report.currencySymbol = st.CurrencySymbol;
    report.symbols = st.Symbols;
    finishPrintout(plan401KReport(report), dialogs_, QStringLiteral("Investment Growth - 401K Plan"));
}

void Plan401KCalc::releaseResults()
{
    release401KResults(state_);
    clearQuickHelpText();
    state_.EditFlag = 0;
}

} // namespace fiscalia
