#include "growth/FindCompoundCalc.h"

#include "app/app_state.h"
#include "app/calc_error.h"
#include "app/Dialogs.h"
#include "app/Grid.h"
#include "app/HelpViewer.h"
#include "app/PrinterOutput.h"
#include "app/QtText.h"
#include "app/TableExport.h"
#include "app/TextBox.h"
#include "graphs/GraphsAll.h"
#include "growth/compound_growth.h"
#include "growth/growth_reports.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

namespace fiscalia {

namespace {

// The grid's own column width, to which each column adds its own.
constexpr int GridColumnTwips = 800;
constexpr int GridRows = 24;

} // namespace

FindCompoundCalc::FindCompoundCalc(const ToolContext& context)
    : ToolWindow(context, QStringLiteral(" Find Annual Compound Growth"), HelpTopic::CompoundGrowth)
{
    setObjectName(QStringLiteral("FindCompoundCalc"));
    host_ = std::make_unique<BoxHost>(BoxHost{state_, dialogs_, [this] { clearResults(); }});

    BoxSpec money;
    money.currencyPrefix = true;
    money.pattern = QStringLiteral("####,,###.00");
    money.width = 16;
    money.slot = 1;
    cost_ = new GreenLineEdit(*host_, money, this);
    cost_->setObjectName(QStringLiteral("InCost"));
    money.slot = 2;
    value_ = new GreenLineEdit(*host_, money, this);
    value_->setObjectName(QStringLiteral("InValNow"));
    BoxSpec term;
    term.slot = 3;
    term.filter = KeyFilter::WholeNumber;
    term.pattern = QStringLiteral("#,,###");
    term.width = 19;
    term.limit = CompoundYearLimit;
    term.limitMessage = 4; // "Wrong entry, 50 Years limit."
    term_ = new GreenLineEdit(*host_, term, this);
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

    calc_ = addButton("FCalc", "&Calculate");
    help_ = addButton("FHelp", "Quick &Help");
    graphs_ = addButton("FGraphs", "&Show Graph");
    printer_ = addButton("FPrinter", "To &Printer ");
    exit_ = addButton("FExit", "E&xit to Menu");
    connect(calc_, &QPushButton::clicked, this, &FindCompoundCalc::calculate);
    connect(help_, &QPushButton::clicked, this, &FindCompoundCalc::toggleQuickHelp);
    connect(graphs_, &QPushButton::clicked, this, &FindCompoundCalc::showGraph);
    connect(printer_, &QPushButton::clicked, this, &FindCompoundCalc::print);
    connect(exit_, &QPushButton::clicked, this, &ToolWindow::exitToMenu);
    cost_->spec().next = value_;
    value_->spec().next = term_;
    term_->spec().next = name_;
    name_->next = calc_;

    grid_ = new Grid(this);
    grid_->setObjectName(QStringLiteral("FGrid"));
    grid_->setFont(figureFont());
    grid_->horizontalHeader()->setFont(QApplication::font());
    grid_->setFillWidth(true);
    grid_->setAccessibleName(tr("Compound growth comparisons"));
    grid_->enableExport({dialogs_, state_.LastExportFile, QStringLiteral("Annual Compound Growth.csv")});
    setUpGrid();
    helpText_ = new QuickHelpPanel(dialogs_, this);
    helpText_->setObjectName(QStringLiteral("FTextBox"));
    helpText_->enterTarget = cost_;
    quickHelp_ = std::make_unique<QuickHelpSwitch>(help_, helpText_, grid_, QList<QWidget*>{printer_, graphs_});

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
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 6);
    layout->setSpacing(5);
    layout->addLayout(top);
    layout->addWidget(grid_, 1);
    layout->addWidget(helpText_, 1);
    layout->addLayout(buttonRows({{calc_, help_, graphs_, printer_, exit_}}));
    setTabOrder(cost_, value_);
    setTabOrder(value_, term_);
    setTabOrder(term_, name_);
    setTabOrder(name_, calc_);

    // The window as it opens; the default amounts carry a literal "$".
    loadCompoundDefaults(state_);
    cost_->setText(QStringLiteral("      $10,000.00"));
    value_->setText(QStringLiteral("      $20,000.00"));
    term_->setText(QStringLiteral("               5"));
    name_->setText(QStringLiteral("XYZ mutual fund."));
    quickHelpOpen_ = false;
    cost_->setFocus();
}

FindCompoundCalc::~FindCompoundCalc() = default;

void FindCompoundCalc::setUpGrid()
{
    static constexpr int Added[] = {1570, 200, 750, 750, 400, 400};
    static constexpr const char* Headings[] = {"         Name of         Investment", "Term in Years",
                                               "   Cost of     Investment",           "  Current or    Future Value",
                                               "Annual Compound",                     "Total Gain/Loss"};
    grid_->setCols(6);
    grid_->setRows(GridRows);
    grid_->setHeadingHeightTwips(500);
    for (int c = 0; c < 6; ++c) {
        grid_->setColWidthTwips(c, GridColumnTwips + Added[c]);
        grid_->setText(0, c, QString::fromLatin1(Headings[c]));
        grid_->setColAlignment(c, c <= 1 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
    }
}

void FindCompoundCalc::clearResults()
{
    AppState& st = state_;
    st.EditFlag = 1;
    if (quickHelpOpen_)
        return; // the help text stays on screen
    // Comparison rows stay; the grid is emptied only before the first.
    if (st.Compound.RowCounter == 0)
        grid_->clearData();
    if (quickHelp_->shown()) {
        quickHelp_->hide();
        st.EditFlag = 0;
    }
    quickHelpOpen_ = false;
    // ResultsReady stays: the rows remain for the graph and the printout.
}

void FindCompoundCalc::toggleQuickHelp()
{
    if (!quickHelpOpen_) {
        quickHelpOpen_ = true;
        quickHelp_->show(qs(compoundQuickHelp(state_.CurrencySymbol)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        helpText_->setFocus();
        return;
    }
    quickHelpOpen_ = false;
    clearResults();
}

void FindCompoundCalc::calculate()
{
    AppState& st = state_;
    commitFocusedBox();
    quickHelpOpen_ = false;
    clearResults();
    st.EditFlag = 0;
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
        grid_->setRows(GridRows);
        grid_->clearData();
    }
    const int row = keepCompoundResult(st, in, result);
    const auto cells = compoundCells(in, result, st.CurrencySymbol, st.Symbols);
    for (std::size_t c = 0; c < cells.size(); ++c)
        grid_->setText(row, static_cast<int>(c), qs(cells[c]));
    grid_->setCurrentCell(1, 0);
}

void FindCompoundCalc::showGraph()
{
    if (state_.ResultsReady > 0)
        state_.GraphTitle = "Annual compound growth comparisons";
    showGraphFor(this, ToolContext{state_, dialogs_, shell_}, 6);
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
    helpText_->clear();
    state_.EditFlag = 0;
}

} // namespace fiscalia
