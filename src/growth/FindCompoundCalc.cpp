#include "growth/FindCompoundCalc.h"

#include "app/app_state.h"
#include "app/calc_error.h"
#include "app/Dialogs.h"
#include "app/Grid.h"
#include "app/HelpViewer.h"
#include "app/PrinterOutput.h"
#include "app/QtText.h"
#include "app/TextBox.h"
#include "growth/compound_growth.h"
#include "growth/growth_reports.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace fiscalia {

namespace {

constexpr int GridRows = 24;

GridDesign comparisonsGrid()
{
    return {"FGrid",
            6,
            GridRows,
            500,
            800,
            {1570, 200, 750, 750, 400, 400},
            {"         Name of         Investment", "Term in Years", "   Cost of     Investment",
             "  Current or    Future Value", "Annual Compound", "Total Gain/Loss"},
            FindCompoundCalc::tr("Compound growth comparisons"),
            QStringLiteral("Annual Compound Growth.csv"),
            2};
}

} // namespace

FindCompoundCalc::FindCompoundCalc(const ToolContext& context)
    : CalculatorWindow(context, QStringLiteral(" Find Annual Compound Growth"), HelpTopic::CompoundGrowth, 'F',
                       comparisonsGrid())
{
    setObjectName(QStringLiteral("FindCompoundCalc"));
    printerButton()->setText(QStringLiteral("To &Printer "));

    BoxSpec money;
    money.currencyPrefix = true;
    money.pattern = QStringLiteral("####,,###.00");
    money.width = 16;
    money.slot = 1;
    cost_ = new GreenLineEdit(host(), money, this);
    cost_->setObjectName(QStringLiteral("InCost"));
    money.slot = 2;
    value_ = new GreenLineEdit(host(), money, this);
    value_->setObjectName(QStringLiteral("InValNow"));
    BoxSpec term;
    term.slot = 3;
    term.filter = KeyFilter::WholeNumber;
    term.pattern = QStringLiteral("#,,###");
    term.width = 19;
    term.limit = CompoundYearLimit;
    term.limitMessage = 4; // "Wrong entry, 50 Years limit."
    term_ = new GreenLineEdit(host(), term, this);
    term_->setObjectName(QStringLiteral("InTerm"));
    // The name takes any text; every change clears the results.
    name_ = new TextBox(this);
    name_->setObjectName(QStringLiteral("NamInv"));
    makeGreen(name_);
    name_->beep = [this] { dialogs_.beep(); };
    connect(name_, &QLineEdit::textEdited, this, [this] { clearResults(); });
    const int boxWidth = QFontMetrics(figureFont()).horizontalAdvance(QString(17, QLatin1Char('0'))) + 14;
    for (GreenLineEdit* box : {cost_, value_, term_}) {
        box->setFont(figureFont());
        box->setBaseWidth(boxWidth);
    }
    name_->setMinimumWidth(boxWidth + 60);
    cost_->spec().next = value_;
    value_->spec().next = term_;
    term_->spec().next = name_;
    name_->next = calcButton();
    setHelpEnterTarget(cost_);

    auto* inputs = captionColumn(
        {
            {captionLabel("Label1", QStringLiteral(" Purchase cost of your       investment."), this), cost_},
            {captionLabel("Label2", QStringLiteral(" Present or future                value.    "), this), value_},
        },
        150);
    auto* more = captionColumn(
        {
            {captionLabel("Label3", QStringLiteral(" Term in years."), this), term_},
            {captionLabel("Label4", QStringLiteral(" Optional: Name of             your investment."), this), name_},
        },
        130);
    auto* top = new QHBoxLayout;
    top->addLayout(inputs);
    top->addSpacing(12);
    top->addLayout(more);
    top->addStretch(1);
    layOut(top);
    setTabChain({cost_, value_, term_, name_});

    // The window as it opens; the default amounts carry a literal "$".
    loadCompoundDefaults(state_);
    cost_->setText(QStringLiteral("      $10,000.00"));
    value_->setText(QStringLiteral("      $20,000.00"));
    term_->setText(QStringLiteral("               5"));
    name_->setText(QStringLiteral("XYZ mutual fund."));
    cost_->setFocus();
}

bool FindCompoundCalc::gridKeepsRows() const
{
    return state_.Compound.RowCounter != 0;
}

void FindCompoundCalc::calculate()
{
    AppState& st = state_;
    startCalculation();
    const CompoundInput in = compoundInput(st, ss(name_->text()));
    CompoundResult result;
    if (const int message = runCalculation(result, [&] { return findCompoundGrowth(in); })) {
        dialogs_.message(message);
        return;
    }
    if (compoundRowsFull(st)) {
        dialogs_.message(6); // "Limit is 22 entries."
        return;
    }
    if (st.Compound.RowCounter == 0) {
        grid()->setRows(GridRows);
        grid()->clearData();
    }
    const int row = keepCompoundResult(st, in, result);
    const auto cells = compoundCells(in, result, st.CurrencySymbol, st.Symbols);
    for (std::size_t c = 0; c < cells.size(); ++c)
        grid()->setText(row, static_cast<int>(c), qs(cells[c]));
    grid()->setCurrentCell(1, 0);
}

std::string FindCompoundCalc::quickHelpText() const
{
    return compoundQuickHelp(state_.CurrencySymbol);
}

void FindCompoundCalc::prepareGraph()
{
    if (state_.ResultsReady > 0)
        state_.GraphTitle = "Annual compound growth comparisons";
}

void FindCompoundCalc::print()
{
    AppState& st = state_;
    if (!beginPrintout(st, dialogs_))
        return;
    const int fontChoice = setupPrinterFont(st);
    // The lines stay: printing again gives the same report.
    finishPrintout(compoundReport(st.PrintHeader, fontChoice, st.PageLines, st.ReportLines), dialogs_,
                   QStringLiteral("Annual Compounding Comparisons"));
}

void FindCompoundCalc::releaseResults()
{
    releaseCompoundResults(state_);
    clearQuickHelpText();
    state_.EditFlag = 0;
}

} // namespace fiscalia
