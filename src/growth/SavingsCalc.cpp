#include "growth/SavingsCalc.h"

#include "app/app_state.h"
#include "app/calc_error.h"
#include "app/Dialogs.h"
#include "app/Grid.h"
#include "app/HelpViewer.h"
#include "app/PrinterOutput.h"
#include "app/QtText.h"
#include "growth/investment_growth.h"
#include "growth/savings_report.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>

namespace fiscalia {

namespace {

int modeOf(const ToolContext& context)
{
    return context.state.ToolMode == ComparisonsMode ? ComparisonsMode : PlanningMode;
}

GridDesign savingsGrid(int mode)
{
    if (mode == ComparisonsMode)
        return {"SGrid",
                8,
                23,
                510,
                800,
                {-50, 430, 420, 225, 225, 225, 550, 670},
                {"Total Period", "Lump Sum Investment", "Period Investment", "Interest/ Growth", "Increase Rate",
                 "Inflation Rate", "   Total       Invested", "     Current       Value"},
                SavingsCalc::tr("Savings comparisons"),
                QStringLiteral("Savings Comparisons.csv")};
    return {"SGrid",
            4,
            25,
            500,
            800,
            {300, 1450, 1450, 1510},
            {" Year  Number", "          Invested          Annually", "      Interest/Growth      Compounded",
             "              Current                Value"},
            SavingsCalc::tr("Investment growth table"),
            QStringLiteral("Investment Growth.csv")};
}

} // namespace

SavingsCalc::SavingsCalc(const ToolContext& context)
    : CalculatorWindow(context,
                       modeOf(context) == ComparisonsMode ? QStringLiteral(" Investment Growth Comparisons")
                                                          : QStringLiteral(" Investment Growth Calculations"),
                       modeOf(context) == ComparisonsMode ? HelpTopic::SavingsComparisons : HelpTopic::Savings, 'S',
                       savingsGrid(modeOf(context))),
      mode_(modeOf(context))
{
    setObjectName(QStringLiteral("SavingsCalc"));
    buildControls();
    layOutInputs();
    loadDefaults();
}

GreenComboBox* SavingsCalc::numberBox(const char* name, BoxSpec spec, const QStringList& items)
{
    auto* box = new GreenComboBox(host(), std::move(spec), this);
    box->setObjectName(QString::fromLatin1(name));
    box->setItems(items);
    return box;
}

void SavingsCalc::buildControls()
{
    BoxSpec lump;
    lump.slot = 1;
    lump.currencyPrefix = true;
    lump.pattern = QStringLiteral("###,,###.00");
    lump.width = 13;
    lumpSum_ = numberBox("InLumpInv", lump, {"10000", "15000", "20000", "25000", "30000", "35000"});

    BoxSpec invest = lump;
    invest.slot = 2;
    invest.pattern = QStringLiteral("####,,###.00");
    invest_ = numberBox("InInvest", invest, {"100", "300", "1200"});

    BoxSpec list;
    list.filter = KeyFilter::ListOnly;
    frequency_ = new GreenComboBox(host(), list, this);
    frequency_->setObjectName(QStringLiteral("InMonthsYrs"));
    QStringList frequencies;
    for (const char* text : ContributionTexts)
        frequencies << QString::fromLatin1(text);
    frequency_->setItems(frequencies);
    frequency_->onChosen = [this](int i) { state_.Savings.Frequency = Contributions.at(static_cast<std::size_t>(i)); };

    BoxSpec rate;
    rate.slot = 4;
    rate.pattern = QStringLiteral("###.00");
    rate.width = 14;
    rate.suffix = QStringLiteral("%");
    rate_ = numberBox("InRate", rate, {"10", "12.5", "15", "17.5", "20"});
    // The increase and inflation rates may be negative.
    BoxSpec signedRate = rate;
    signedRate.allowMinus = true;
    signedRate.slot = 5;
    increase_ = numberBox("InIncrRate", signedRate, {"3", "4", "5", "6", "7"});
    signedRate.slot = 6;
    inflation_ = numberBox("inInflatRate", signedRate, {"3", "4", "5", "6", "7"});

    BoxSpec term;
    term.slot = 7;
    term.filter = KeyFilter::WholeNumber;
    term.pattern = QStringLiteral("###");
    term.width = 17;
    term.limit = 40;
    term.limitMessage = 5; // "Wrong entry, 40 Years limit."
    term_ = numberBox("InTerm", term, {"5", "10", "15", "20", "25", "30"});

    const int boxWidth = QFontMetrics(figureFont()).horizontalAdvance(QString(14, QLatin1Char('0'))) + 30;
    for (GreenComboBox* box : {lumpSum_, invest_, frequency_, rate_, increase_, inflation_, term_}) {
        box->setFont(figureFont());
        box->setFixedWidth(boxWidth);
        if (box->box())
            box->box()->setBaseWidth(boxWidth);
    }

    // Enter order.
    lumpSum_->setNext(invest_);
    invest_->setNext(frequency_);
    frequency_->setNext(rate_);
    rate_->setNext(increase_);
    increase_->setNext(inflation_);
    inflation_->setNext(term_);
    term_->setNext(calcButton());
    setHelpEnterTarget(lumpSum_);
}

void SavingsCalc::layOutInputs()
{
    auto caption = [this](const char* name, const char* text) {
        return captionLabel(name, QString::fromLatin1(text), this);
    };
    auto* inputs = captionColumn(
        {
            {caption("Label1", " Amount of  lump sum             invested at start."), lumpSum_},
            {caption("Label2", " Amount invested at each       contribution period."), invest_},
            {caption("Label3", " Frequency of each                contribution period."), frequency_},
            {caption("Label4", " Annual interest/growth          rate (%)."), rate_},
        },
        132);
    auto* moreInputs = captionColumn(
        {
            {caption("Label5", " Increase the annual               investment rate(%) by"), increase_},
            {caption("Label6", " Adjust current value for          annual inflation rate(%).     "), inflation_},
            {caption("Label7", " Number of years invested."), term_},
        },
        132);
    auto* top = new QHBoxLayout;
    top->addLayout(inputs);
    top->addSpacing(12);
    top->addLayout(moreInputs, 0);
    top->addStretch(1);
    moreInputs->setRowStretch(3, 1);

    layOut(top);
    setTabChain({lumpSum_, invest_, frequency_, rate_, increase_, inflation_, term_});
}

void SavingsCalc::loadDefaults()
{
    AppState& st = state_;
    loadSavingsDefaults(st);
    // The boxes' first texts.
    auto show = [&](GreenComboBox* box, int width) {
        const BoxSpec& spec = box->spec();
        const Currency value = st.InputValues[static_cast<std::size_t>(spec.slot)];
        std::string number = formatNumber(value, ss(spec.pattern), st.Symbols);
        if (spec.currencyPrefix)
            number = st.CurrencySymbol + number;
        box->lineEdit()->setText(qs(RightJustify(number, width)) + spec.suffix);
    };
    show(lumpSum_, 15); // 15 wide as the window opens, 13 once edited
    for (GreenComboBox* box : {invest_, rate_, increase_, inflation_, term_})
        show(box, box->spec().width);
    frequency_->showChoice(0);
    st.EditFlag = 0;
    lumpSum_->setFocus();
}

bool SavingsCalc::gridKeepsRows() const
{
    return state_.Savings.ComparisonCount != 0;
}

std::string SavingsCalc::quickHelpText() const
{
    return savingsQuickHelp(mode_, state_.CurrencySymbol);
}

void SavingsCalc::calculate()
{
    AppState& st = state_;
    SavingsState& sv = st.Savings;
    // Quick Help closes; the grid is emptied unless it holds comparisons.
    startCalculation();
    if (mode_ == ComparisonsMode && sv.ComparisonCount >= ComparisonLimit) {
        dialogs_.message(6); // "Limit is 22 entries."
        st.ResultsReady = sv.ComparisonCount; // the comparisons stay available
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const SavingsInput in = savingsInput(st);
    SavingsResult result;
    try {
        result = calculateSavings(in);
    } catch (const CalcError&) {
        QApplication::restoreOverrideCursor();
        dialogs_.message(3); // "Wrong or missing entry, try again."
        return;
    }
    if (mode_ == ComparisonsMode) {
        const int row = sv.ComparisonCount + 1;
        const auto cells = comparisonCells(in, result, st.Symbols);
        for (std::size_t c = 0; c < cells.size(); ++c)
            grid()->setText(row, static_cast<int>(c), qs(cells[c]));
    } else {
        const SavingsGridRows rows = planningGrid(result, in.frequency, st.CurrencySymbol, st.Symbols);
        grid()->setText(0, 0, qs(rows.column0Heading));
        grid()->setText(0, 1, qs(rows.column1Heading));
        showRows(rows.rows, rows.cells);
    }
    keepSavingsResults(st, in, std::move(result));
    QApplication::restoreOverrideCursor();
}

void SavingsCalc::print()
{
    AppState& st = state_;
    if (!beginPrintout(st, dialogs_))
        return;
    SavingsReportInput report;
    report.header = st.PrintHeader;
    report.printFontChoice = setupPrinterFont(st);
    report.pageLines = st.PageLines;
    report.toolMode = mode_;
    report.run = st.Savings.Results ? &*st.Savings.Results : nullptr;
    report.reportLines = &st.ReportLines;
    report.currencySymbol = st.CurrencySymbol;
    report.symbols = st.Symbols;
    const bool printed = finishPrintout(savingsReport(report), dialogs_,
                                        mode_ == ComparisonsMode ? QStringLiteral("Investment Growth Comparisons")
                                                                 : QStringLiteral("Investment Growth Calculation"));
    // The next comparisons report holds only what is calculated after this one.
    if (printed && mode_ == ComparisonsMode)
        st.ReportLines = {};
}

void SavingsCalc::releaseResults()
{
    releaseSavingsResults(state_);
    clearQuickHelpText();
    state_.EditFlag = 0;
}

} // namespace fiscalia
