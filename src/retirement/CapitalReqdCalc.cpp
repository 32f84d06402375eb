#include "retirement/CapitalReqdCalc.h"

#include "app/app_state.h"
#include "app/calc_error.h"
#include "app/Dialogs.h"
#include "app/HelpViewer.h"
#include "app/PrinterOutput.h"
#include "app/QtText.h"
#include "retirement/retirement.h"
#include "retirement/retirement_reports.h"
#include "retirement/retirement_state.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace fiscalia {

namespace {

const GridDesign CapitalGrid{"CGrid",
                             4,
                             25,
                             500,
                             900,
                             {365, 1400, 1400, 1450},
                             {"Year Number", "        Annual       Investment", "Interest/Growth Compounded",
                              "             Current              Value"},
                             QStringLiteral("Capital required table"),
                             QStringLiteral("Capital Required.csv")};

} // namespace

CapitalReqdCalc::CapitalReqdCalc(const ToolContext& context)
    : CalculatorWindow(context, QStringLiteral(" Capital Required"), HelpTopic::CapitalRequired, 'C', CapitalGrid)
{
    setObjectName(QStringLiteral("CapitalReqdCalc"));
    BoxSpec money;
    money.slot = 1;
    money.currencyPrefix = true;
    money.pattern = QStringLiteral("####,,###.00");
    money.width = 0;
    amount_ = new GreenComboBox(host(), money, this);
    amount_->setObjectName(QStringLiteral("InLumpInv"));
    BoxSpec rate;
    rate.slot = 2;
    rate.pattern = QStringLiteral("###.00");
    rate.suffix = QStringLiteral("%");
    rate.width = 0;
    rate_ = new GreenComboBox(host(), rate, this);
    rate_->setObjectName(QStringLiteral("InRate"));
    BoxSpec term;
    term.slot = 3;
    term.filter = KeyFilter::WholeNumber;
    term.pattern = QStringLiteral("###");
    term.width = 0;
    term.limit = RetirementYearLimit;
    term.limitMessage = 4; // "Wrong entry, 50 Years limit."
    term_ = new GreenComboBox(host(), term, this);
    term_->setObjectName(QStringLiteral("InTerm"));
    const int boxWidth = QFontMetrics(figureFont()).horizontalAdvance(QString(14, QLatin1Char('0'))) + 30;
    for (GreenComboBox* box : {amount_, rate_, term_}) {
        box->setFont(figureFont());
        box->setFixedWidth(boxWidth);
        box->box()->setBaseWidth(boxWidth);
    }
    amount_->setNext(rate_);
    rate_->setNext(term_);
    term_->setNext(calcButton());
    setHelpEnterTarget(amount_);

    // "Select Option": the options act when they become checked.
    auto* frame = new QGroupBox(QStringLiteral("Select Option"), this);
    auto* group = new QButtonGroup(this);
    capital_ = new QRadioButton(QStringLiteral("Amount of capital required at retirement"), frame);
    capital_->setObjectName(QStringLiteral("CRCapitalChoices0"));
    income_ = new QRadioButton(QStringLiteral("Annual income required at retirement"), frame);
    income_->setObjectName(QStringLiteral("CRCapitalChoices1"));
    group->addButton(capital_, 0);
    group->addButton(income_, 1);
    connect(group, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            setUpGoal(id == 1 ? CapitalGoal::Income : CapitalGoal::Capital);
    });
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(capital_);
    frameLayout->addWidget(income_);

    label1_ = captionLabel("Label1", QString(), this);
    auto* top = new QHBoxLayout;
    top->addLayout(captionColumn(
        {
            {label1_, amount_},
            {captionLabel("Label2", QStringLiteral(" Annual interest/growth               rate (%)."), this), rate_},
            {captionLabel("Label3", QStringLiteral(" At the end of how many            years."), this), term_},
        },
        150));
    top->addSpacing(12);
    top->addWidget(frame, 0, Qt::AlignTop);
    top->addStretch(1);
    layOut(top);
    setTabChain({amount_, rate_, term_, capital_, income_});

    loadCapitalDefaults(state_);
    rate_->setItems({"10", "12.5", "15", "17.5", "20"});
    term_->setItems({"5", "10", "15", "20", "25", "30"});
    capital_->setChecked(true);
    amount_->setFocus();
}

CapitalGoal CapitalReqdCalc::goal() const
{
    return income_->isChecked() ? CapitalGoal::Income : CapitalGoal::Capital;
}

void CapitalReqdCalc::setUpGoal(CapitalGoal goal)
{
    clearResults();
    setUpCapitalGoal(state_, goal);
    refreshQuickHelp();
    const bool income = goal == CapitalGoal::Income;
    amount_->setItems(income ? QStringList{"25000", "30000", "35000", "40000", "45000", "50000"}
                             : QStringList{"100000", "200000", "300000", "400000", "500000", "600000"});
    setCaption(label1_, income ? QStringLiteral(" Annual income required at         retirement")
                               : QStringLiteral(" Amount of capital required at     retirement"));
    for (GreenComboBox* box : {amount_, rate_, term_})
        box->box()->showStoredValue();
    state_.EditFlag = 0;
}

void CapitalReqdCalc::calculate()
{
    AppState& st = state_;
    startCalculation();
    const CapitalInput in = capitalInput(st);
    CapitalResult result;
    if (const int message = runCalculation(result, [&] { return calculateCapitalRequired(in); })) {
        dialogs_.message(message);
        return;
    }
    const YearGrid rows = yearGrid(result.table, result.years, st.CurrencySymbol, st.Symbols);
    showRows(rows.rows, rows.cells);
    keepCapitalResults(st, in, std::move(result));
}

std::string CapitalReqdCalc::quickHelpText() const
{
    return capitalQuickHelp(goal(), state_.CurrencySymbol);
}

void CapitalReqdCalc::print()
{
    AppState& st = state_;
    if (!beginPrintout(st, dialogs_) || !st.Capital.Results)
        return;
    RetirementReportSettings settings{st.PrintHeader, setupPrinterFont(st), st.PageLines, st.CurrencySymbol,
                                      st.Symbols};
    finishPrintout(capitalReport(settings, *st.Capital.Results), dialogs_,
                   goal() == CapitalGoal::Income ? QStringLiteral("Amount of Annual Income Required")
                                                 : QStringLiteral("Amount of Annual Investment Required"));
}

void CapitalReqdCalc::releaseResults()
{
    releaseCapitalResults(state_);
    state_.EditFlag = 0;
}

} // namespace fiscalia
