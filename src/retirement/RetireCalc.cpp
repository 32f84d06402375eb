#include "retirement/RetireCalc.h"

#include "app/app_state.h"
#include "app/calc_error.h"
#include "app/Dialogs.h"
#include "app/HelpViewer.h"
#include "app/PrinterOutput.h"
#include "app/QtText.h"
#include "retirement/retirement_reports.h"
#include "retirement/retirement_state.h"

#include <QGridLayout>
#include <QPushButton>
#include <QHBoxLayout>
#include <QRadioButton>

namespace fiscalia {

namespace {

const GridDesign RetirementGrid{"RGrid",
                                4,
                                25,
                                500,
                                900,
                                {450, 1400, 1410, 1450},
                                {"  Year Number", "   Interest/Growth    Compounded", "   Annual Income     Withdrawn",
                                 "            Current              Value"},
                                QStringLiteral("Retirement table"),
                                QStringLiteral("Retirement Income.csv")};

BoxSpec moneyBox(int slot)
{
    BoxSpec spec;
    spec.slot = slot;
    spec.currencyPrefix = true;
    spec.pattern = QStringLiteral("####,,###.00");
    spec.width = 0;
    return spec;
}

BoxSpec rateBox(int slot)
{
    BoxSpec spec;
    spec.slot = slot;
    spec.pattern = QStringLiteral("###.00");
    spec.suffix = QStringLiteral("%");
    spec.width = 0;
    return spec;
}

} // namespace

RetireCalc::RetireCalc(const ToolContext& context)
    : CalculatorWindow(context, QStringLiteral(" Retirement Calculations"), HelpTopic::Retirement, 'R', RetirementGrid)
{
    setObjectName(QStringLiteral("RetireCalc"));
    invest_ = new GreenComboBox(host(), moneyBox(1), this);
    invest_->setObjectName(QStringLiteral("InInvest"));
    rate_ = new GreenComboBox(host(), rateBox(2), this);
    rate_->setObjectName(QStringLiteral("InRate"));
    drawn_ = new GreenComboBox(host(), rateBox(3), this);
    drawn_->setObjectName(QStringLiteral("InRateDrawn"));
    term_ = new GreenComboBox(host(), rateBox(4), this);
    term_->setObjectName(QStringLiteral("InTerm"));
    const int boxWidth = QFontMetrics(figureFont()).horizontalAdvance(QString(14, QLatin1Char('0'))) + 30;
    for (GreenComboBox* box : {invest_, rate_, drawn_, term_}) {
        box->setFont(figureFont());
        box->setFixedWidth(boxWidth);
        box->box()->setBaseWidth(boxWidth);
    }
    invest_->setNext(rate_);
    rate_->setNext(drawn_);
    drawn_->setNext(term_);
    term_->setNext(calcButton());
    setHelpEnterTarget(invest_);

    // The options act when they become checked, however that happens.
    percentage_ = new QRadioButton(QStringLiteral("Percentage"), this);
    percentage_->setObjectName(QStringLiteral("Option1"));
    fixedAmount_ = new QRadioButton(QStringLiteral("Fixed Amount"), this);
    fixedAmount_->setObjectName(QStringLiteral("Option2"));
    connect(percentage_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            setUpOption(Withdrawal::Percentage);
    });
    connect(fixedAmount_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            setUpOption(Withdrawal::FixedAmount);
    });
    auto* options = new QWidget(this);
    auto* optionsLayout = new QHBoxLayout(options);
    optionsLayout->setContentsMargins(0, 0, 0, 0);
    optionsLayout->addWidget(percentage_);
    optionsLayout->addWidget(fixedAmount_);
    optionsLayout->addStretch();
    auto* label5 = captionLabel("Label5", QStringLiteral(" Withdrawal choices:"), this);
    label5->setBuddy(percentage_);

    label4_ = captionLabel("Label4", QStringLiteral(" Annual income withdrawn      as a (%) of current value."), this);
    label3_ = captionLabel("Label3", QStringLiteral(" Time in years."), this);
    auto* top = new QHBoxLayout;
    top->addLayout(captionColumn(
        {
            {captionLabel("Label1", QStringLiteral(" Current value of your             investment on retirement"), this),
             invest_},
            {captionLabel("Label2", QStringLiteral(" Annual interest/growth          rate (%)."), this), rate_},
        },
        150));
    top->addSpacing(12);
    top->addLayout(captionColumn({{label4_, drawn_}, {label3_, term_}}, 150));
    top->addStretch(1);
    auto* inputs = new QVBoxLayout;
    inputs->addLayout(top);
    auto* choices = new QHBoxLayout;
    choices->addWidget(label5);
    choices->addWidget(options, 1);
    inputs->addLayout(choices);
    layOut(inputs);
    setTabChain({invest_, rate_, drawn_, term_, percentage_, fixedAmount_});

    // Load: the capital and the rate with their lists, then the percentage
    // option set up.
    loadRetirementDefaults(state_);
    invest_->setItems({"500000", "600000", "700000", "800000", "900000", "1000000"});
    rate_->setItems({"10", "12.5 ", "15", "17.5 ", "20"});
    invest_->box()->showStoredValue();
    rate_->box()->showStoredValue();
    percentage_->setChecked(true);
    invest_->setFocus();
}

int RetireCalc::graphKind() const
{
    return option() == Withdrawal::FixedAmount ? 3 : 2;
}

Withdrawal RetireCalc::option() const
{
    return fixedAmount_->isChecked() ? Withdrawal::FixedAmount : Withdrawal::Percentage;
}

void RetireCalc::setUpOption(Withdrawal option)
{
    clearResults();
    setUpWithdrawal(state_, option);
    refreshQuickHelp();
    const bool fixed = option == Withdrawal::FixedAmount;
    setCaption(label4_, fixed ? QStringLiteral(" Monthly Amount of Cash        Withdrawn.")
                              : QStringLiteral(" Annual Income Withdrawn    as a (%) of Current Value."));
    setCaption(label3_, fixed ? QStringLiteral(" Increase Annual Amount       Withdrawn by %.") : QStringLiteral(" Time in years"));
    // The withdrawal box: an amount or a percentage.
    BoxSpec& drawn = drawn_->spec();
    drawn = fixed ? moneyBox(3) : rateBox(3);
    drawn.next = term_;
    drawn_->setItems(fixed ? QStringList{"1000", "2000", "3000", "4000"}
                           : QStringList{"10", "12.5", "15", "17.5", "20"});
    // The term box: whole years up to 50, or the yearly raise in per cent.
    BoxSpec& term = term_->spec();
    term = rateBox(4);
    term.next = calcButton();
    if (!fixed) {
        term.filter = KeyFilter::WholeNumber;
        term.pattern = QStringLiteral("###");
        term.suffix.clear();
        term.limit = RetirementYearLimit;
        term.limitMessage = 4; // "Wrong entry, 50 Years limit."
    }
    term_->setItems(fixed ? QStringList{"2", "2.5", "3", "3.5"} : QStringList{"10", "15", "20", "25", "30"});
    for (GreenComboBox* box : {invest_, drawn_, term_})
        box->box()->showStoredValue();
    state_.EditFlag = 0;
}

void RetireCalc::calculate()
{
    AppState& st = state_;
    startCalculation();
    const RetirementInput in = retirementInput(st);
    RetirementResult result;
    if (const int message = runCalculation(result, [&] { return calculateRetirement(in); })) {
        dialogs_.message(message);
        return;
    }
    const YearGrid rows = yearGrid(result.table, result.years, st.CurrencySymbol, st.Symbols);
    showRows(rows.rows, rows.cells);
    keepRetirementResults(st, in, std::move(result));
}

std::string RetireCalc::quickHelpText() const
{
    return retirementQuickHelp(option(), state_.CurrencySymbol);
}

void RetireCalc::print()
{
    AppState& st = state_;
    if (!beginPrintout(st, dialogs_) || !st.Retirement.Results)
        return;
    RetirementReportSettings settings{st.PrintHeader, setupPrinterFont(st), st.PageLines, st.CurrencySymbol,
                                      st.Symbols};
    finishPrintout(retirementReport(settings, *st.Retirement.Results, st.Retirement.YearsText), dialogs_,
                   QStringLiteral("Retirement Income Calculation"));
}

void RetireCalc::releaseResults()
{
    releaseRetirementResults(state_);
    state_.EditFlag = 0;
}

} // namespace fiscalia
