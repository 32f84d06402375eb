#include "investments/FundTable.h"

#include "app/app_state.h"
#include "app/Dialogs.h"
#include "app/FundCurValInput.h"
#include "app/Grid.h"
#include "app/HelpViewer.h"
#include "app/PrinterOutput.h"
#include "app/QtText.h"
#include "app/TableExport.h"
#include "app/WaitCursor.h"
#include "app/WindowLayout.h"
#include "graphs/GraphsAll.h"
#include "investments/fund_reports.h"
#include "investments/fund_values.h"

#include <QApplication>
#include <QDate>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace fiscalia {

namespace {

std::string shortDate(const Date& date)
{
    return ss(toShortDate(date));
}

} // namespace

FundTable::FundTable(const ToolContext& context, std::function<void()> backToMenu, Mode mode)
    : state_(context.state), dialogs_(context.dialogs), shell_(context.shell), backToMenu_(std::move(backToMenu)),
      mode_(mode)
{
    setObjectName(QStringLiteral("FundTable"));
    setHelpContext(this, mode == Mode::CurrentValues ? HelpTopic::CurrentPrices : HelpTopic::FundTable);
    grid_ = new Grid(this);
    grid_->setObjectName(QStringLiteral("TGrid"));
    grid_->setFont(figureFont());
    grid_->horizontalHeader()->setFont(QApplication::font());
    grid_->setHeadingHeightTwips(520);
    grid_->setFillWidth(true);
    grid_->setSelectionMode(QAbstractItemView::ContiguousSelection);

    auto* printer = new QPushButton(QStringLiteral("To &Printer"), this);
    printer->setObjectName(QStringLiteral("Printr"));
    graph_ = new QPushButton(mode == Mode::Records ? QStringLiteral("&Current Value") : QStringLiteral("&Show Graph"),
                             this);
    graph_->setObjectName(QStringLiteral("DrwGraph"));
    auto* exit = new QPushButton(QStringLiteral("E&xit to Menu"), this);
    exit->setObjectName(QStringLiteral("TExit"));
    for (QPushButton* b : {printer, graph_, exit})
        b->setAutoDefault(true);
    connect(printer, &QPushButton::clicked, this, &FundTable::print);
    connect(graph_, &QPushButton::clicked, this, &FundTable::graphOrValue);
    connect(exit, &QPushButton::clicked, this, &FundTable::exitToMenu);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 6);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttonRows({{printer, graph_, exit}}));

    if (mode_ == Mode::CurrentValues)
        showCurrentValues();
    else
        showRecords();
    grid_->setFocus();
}

void FundTable::showTable(const TableTexts& table, int figureColumnTwips)
{
    grid_->setCols(table.cols);
    for (int c = 0; c < table.cols; ++c) {
        grid_->setText(0, c, qs(table.headings[static_cast<std::size_t>(c)]));
        grid_->setColWidthTwips(c, c == 0 ? 2000 : figureColumnTwips);
        grid_->setColAlignment(c, c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
    }
    grid_->cells().setDataRows(table.rows, table.cells);
    lastTableRow_ = grid_->cells().lastFilledRow();
    // Every column in view: the frame grows rather than hide one.
    int width = grid_->verticalScrollBar()->sizeHint().width() + 2 * grid_->frameWidth();
    for (int c = 0; c < table.cols; ++c)
        width += grid_->columnWidth(c);
    grid_->setMinimumWidth(width);
}

void FundTable::showCurrentValues()
{
    const FundState& db = state_.Funds;
    const WaitCursor wait;
    shell_.setFrameCaption(QStringLiteral(" Current Value of all Funds"));
    setWindowTitle(QStringLiteral("Current Value of all Funds"));
    // The money-weighted return of each fund and of all, to today.
    const Date today = fromQDate(QDate::currentDate());
    std::vector<std::optional<double>> returns(FundSlots);
    for (int f = 1; f <= db.FundCount; ++f)
        returns[static_cast<std::size_t>(f)] = annualReturn(db, f, today);
    returns[AllRecordsSlot] = annualReturn(db, AllRecordsSlot, today);
    showTable(currentValueTable(db, returns, state_.CurrencySymbol, state_.Symbols), 1150);
    grid_->setAccessibleName(QStringLiteral("Current value of all funds"));
    grid_->enableExport({dialogs_, state_.LastExportFile, QStringLiteral("Current Value of all Funds.csv")});
}

void FundTable::showRecords()
{
    FundState& db = state_.Funds;
    const WaitCursor wait;
    const RecordsTable records =
        recordsTable(db, db.ActiveFund, state_.CurrencySymbol, state_.Symbols, &shortDate);
    shell_.setFrameCaption(qs(records.caption));
    setWindowTitle(qs(records.caption));
    db.AverageCost = records.averageCost;
    showTable(records.table, 1250);
    grid_->setAccessibleName(QStringLiteral("Records of ") + qs(records.caption));
    grid_->enableExport({dialogs_, state_.LastExportFile, qs(records.caption) + QStringLiteral(".csv")});
    // The valuation is offered for one fund only.
    graph_->setVisible(db.ActiveFund != AllRecordsSlot);
}

void FundTable::graphOrValue()
{
    if (mode_ == Mode::Records) {
        valueFund();
        return;
    }
    // The funds' gains and values to the graph window, which returns here.
    state_.GraphKind = 0;
    auto* graph = new GraphsAll(ToolContext{state_, dialogs_, shell_}, this);
    shell_.hideWindow(this);
    shell_.showWindow(graph);
}

void FundTable::valueFund()
{
    FundState& db = state_.Funds;
    state_.ToolMode = 0;
    const QString reply = askValue(dialogs_, shell_.frameWidget(), ValueRequest::Price, QString());
    if (reply.isEmpty())
        return;
    trailer_.clear();
    const auto price = Currency::read(ss(reply));
    const Result<Valuation> valuation = price ? fiscalia::valueFund(*price, fundSums(db, db.ActiveFund), gainPercent_)
                                              : Result<Valuation>(Failure{"the price cannot be held"});
    if (!valuation) {
        dialogs_.message(26); // "Cannot calculate."
        return;
    }
    gainPercent_ = valuation->gainPercent;
    const auto block = valuationBlock(*valuation, state_.CurrencySymbol, state_.Symbols);
    const int first = lastTableRow_ + 2;
    if (grid_->rows() < first + 4)
        grid_->setRows(first + 4);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            grid_->setText(first + r, 2 + c, qs(block[static_cast<std::size_t>(r * 4 + c)]));
    trailer_ = valuationTrailer(*valuation, state_.CurrencySymbol, state_.Symbols);
}

void FundTable::print()
{
    const FundState& db = state_.Funds;
    if (!askPrintHeader(state_, dialogs_))
        return;
    const FundReportSettings settings{state_.PrintHeader, setupPrinterFont(state_), state_.PageLines,
                                      state_.CurrencySymbol, state_.Symbols};
    const bool values = db.ValuesReady == 1;
    const Report report = values ? currentValueReport(settings, db)
                                 : recordsReport(settings, db, db.ActiveFund, trailer_, &shortDate);
    state_.ToolMode = 0;
    finishPrintout(report, dialogs_,
                   values ? QStringLiteral("Current Value of all Funds") : windowTitle());
}

void FundTable::exitToMenu()
{
    FundState& db = state_.Funds;
    db.ValuesReady = 0;
    state_.ToolMode = 0;
    db.ActiveFund = 0;
    trailer_.clear();
    shell_.setFrameCaption(QStringLiteral(" Investment Management Menu"));
    shell_.unloadWindow(this);
    if (backToMenu_)
        backToMenu_();
}

} // namespace fiscalia
