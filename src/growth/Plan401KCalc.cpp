#include "growth/Plan401KCalc.h"

#include "app/app_state.h"
#include "app/calc_error.h"
#include "app/Dialogs.h"
#include "app/Grid.h"
#include "app/HelpViewer.h"
#include "app/PrinterOutput.h"
#include "app/QtText.h"
#include "app/TableExport.h"
#include "graphs/GraphsAll.h"
#include "growth/growth_reports.h"
#include "growth/plan401k.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

namespace fiscalia {

namespace {

// The grid's own column width, to which each column adds its own.
constexpr int GridColumnTwips = 950;

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
    : ToolWindow(context, QStringLiteral(" 401(k) Investment Growth Calculations"), HelpTopic::Plan401K)
{
    setObjectName(QStringLiteral("Plan401KCalc"));
    host_ = std::make_unique<BoxHost>(BoxHost{state_, dialogs_, [this] { clearResults(); }});

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
        auto* box = new GreenLineEdit(*host_, spec, this);
        box->setObjectName(QString::fromLatin1(design.name));
        box->setFont(figureFont());
        box->setBaseWidth(boxWidth);
        boxes_.push_back(box);
        rows.push_back({captionLabel("Label", QString::fromLatin1(design.caption), this), box});
    }
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].caption->setObjectName(QStringLiteral("Label%1").arg(i + 1));

    calc_ = addButton("KCalc", "&Calculate");
    help_ = addButton("KHelp", "Quick &Help");
    graphs_ = addButton("KGraphs", "&Show Graph");
    printer_ = addButton("KPrinter", "To &Printer");
    exit_ = addButton("KExit", "E&xit to Menu");
    connect(calc_, &QPushButton::clicked, this, &Plan401KCalc::calculate);
    connect(help_, &QPushButton::clicked, this, &Plan401KCalc::toggleQuickHelp);
    connect(graphs_, &QPushButton::clicked, this, &Plan401KCalc::showGraph);
    connect(printer_, &QPushButton::clicked, this, &Plan401KCalc::print);
    connect(exit_, &QPushButton::clicked, this, &ToolWindow::exitToMenu);
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        boxes_[i]->spec().next = i + 1 < boxes_.size() ? static_cast<QWidget*>(boxes_[i + 1]) : calc_;

    grid_ = new Grid(this);
    grid_->setObjectName(QStringLiteral("KGrid"));
    grid_->setFont(figureFont());
    grid_->horizontalHeader()->setFont(QApplication::font());
    grid_->setCols(5);
    grid_->setRows(25);
    grid_->setHeadingHeightTwips(520);
    static constexpr int Added[] = {300, 850, 900, 1050, 1050};
    static constexpr const char* Headings[] = {"Year Number", "       Annual       Salary", " Combined Contributions",
                                               " Interest/Growth Compounded", "        Current         Value"};
    for (int c = 0; c < 5; ++c) {
        grid_->setColWidthTwips(c, GridColumnTwips + Added[c]);
        grid_->setText(0, c, QString::fromLatin1(Headings[c]));
        grid_->setColAlignment(c, c == 0 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
    }
    grid_->setFillWidth(true);
    grid_->setAccessibleName(tr("401(k) growth table"));
    grid_->enableExport({dialogs_, state_.LastExportFile, QStringLiteral("401k Plan.csv")});
    helpText_ = new QuickHelpPanel(dialogs_, this);
    helpText_->setObjectName(QStringLiteral("KTextBox"));
    helpText_->enterTarget = boxes_.front();
    quickHelp_ = std::make_unique<QuickHelpSwitch>(help_, helpText_, grid_, QList<QWidget*>{printer_, graphs_});

    auto* top = new QHBoxLayout;
    top->addLayout(captionColumn({rows[0], rows[1], rows[2], rows[3]}, 150));
    top->addSpacing(12);
    top->addLayout(captionColumn({rows[4], rows[5], rows[6], rows[7]}, 150));
    top->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 6);
    layout->setSpacing(5);
    layout->addLayout(top);
    layout->addWidget(grid_, 1);
    layout->addWidget(helpText_, 1);
    layout->addLayout(buttonRows({{calc_, help_, graphs_, printer_, exit_}}));
    for (std::size_t i = 0; i + 1 < boxes_.size(); ++i)
        setTabOrder(boxes_[i], boxes_[i + 1]);
    setTabOrder(boxes_.back(), calc_);
    loadDefaults();
}

Plan401KCalc::~Plan401KCalc() = default;

void Plan401KCalc::loadDefaults()
{
    AppState& st = state_;
    load401KDefaults(st);
    for (GreenLineEdit* box : boxes_)
        box->showStoredValue();
    quickHelpOpen_ = false;
    st.EditFlag = 0;
    boxes_.front()->setFocus();
}

void Plan401KCalc::clearResults()
{
    AppState& st = state_;
    st.EditFlag = 1;
    if (quickHelpOpen_)
        return; // the help text stays on screen
    grid_->clearData();
    if (quickHelp_->shown()) {
        quickHelp_->hide();
        st.EditFlag = 0;
    }
    quickHelpOpen_ = false;
    st.ResultsReady = 0;
}

void Plan401KCalc::toggleQuickHelp()
{
    if (!quickHelpOpen_) {
        quickHelpOpen_ = true;
        quickHelp_->show(qs(plan401KQuickHelp()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        helpText_->setFocus();
        return;
    }
    quickHelpOpen_ = false;
    clearResults();
}

void Plan401KCalc::calculate()
{
    AppState& st = state_;
    commitFocusedBox();
    quickHelpOpen_ = false;
    clearResults();
    st.ResultsReady = 0;
    st.EditFlag = 0;
    const Plan401KInput in = plan401KInput(st);
    Plan401KResult result;
    if (const int message = runCalculation(result, [&] { return calculate401K(in); })) {
        dialogs_.message(message); // the grid stays cleared
        return;
    }
    const Plan401KGrid rows = plan401KGrid(result, st.CurrencySymbol, st.Symbols);
    std::vector<QString> texts;
    texts.reserve(rows.cells.size());
    for (const auto& text : rows.cells)
        texts.push_back(qs(text));
    grid_->cells().setDataRows(rows.rows, texts);
    grid_->scrollToTop();
    grid_->setCurrentCell(1, 0);
    keep401KResults(st, in, std::move(result));
}

void Plan401KCalc::showGraph()
{
    showGraphFor(this, ToolContext{state_, dialogs_, shell_}, 7);
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
    helpText_->clear();
    state_.EditFlag = 0;
}

} // namespace fiscalia
