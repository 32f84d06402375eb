#include "networth/NetWorthCalc.h"

#include "app/app_state.h"
#include "app/calc_error.h"
#include "app/Dialogs.h"
#include "app/FileDirectory.h"
#include "app/WaitCursor.h"
#include "app/file_requests.h"
#include "app/FundCurValInput.h"
#include "app/Grid.h"
#include "app/HelpViewer.h"
#include "app/PrinterOutput.h"
#include "app/QtText.h"
#include "app/safe_read.h"
#include "app/WindowLayout.h"
#include "networth/net_worth_file.h"
#include "networth/net_worth_report.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <optional>

namespace fiscalia {

namespace {

constexpr int DefaultColumnTwips = 900;

Grid* statementGrid(const char* name, const char* heading, const QString& spoken, QWidget* parent)
{
    auto* grid = new Grid(parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setFont(figureFont());
    grid->horizontalHeader()->setFont(QApplication::font());
    grid->setCols(2);
    grid->setRows(2);
    grid->setHeadingHeightTwips(300);
    grid->setColWidthTwips(0, DefaultColumnTwips + 2350);
    grid->setColWidthTwips(1, DefaultColumnTwips + 920);
    grid->setText(0, 0, QString::fromLatin1(heading));
    grid->setColAlignment(0, Qt::AlignLeft | Qt::AlignVCenter);
    grid->setColAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    grid->cells().setFixedFirstColumn(false);
    grid->setFillWidth(true);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setAccessibleName(spoken);
    // Both columns in view: no sideways scrolling to reach a value.
    grid->setMinimumWidth(grid->columnWidth(0) + grid->columnWidth(1) + grid->verticalScrollBar()->sizeHint().width()
                          + 2 * grid->frameWidth());
    return grid;
}

} // namespace

NetWorthCalc::NetWorthCalc(const ToolContext& context)
    : ToolWindow(context, QStringLiteral(" Net Worth"), HelpTopic::NetWorth)
{
    setObjectName(QStringLiteral("NetWorthCalc"));
    sides_[0].grid = statementGrid("NGrid1", " Assets", tr("Assets"), this);
    sides_[1].grid = statementGrid("NGrid2", " Liabilities", tr("Liabilities"), this);
    sides_[1].assets = false;
    for (Side& side : sides_) {
        side.grid->keyHandler = [this, &side](QKeyEvent* event) { return typeKey(side, event); };
        // A newly chosen cell starts with an empty edit buffer: the first
        // key replaces what it shows.
        connect(side.grid, &Grid::currentCellChanged, this, [&side](int row, int col) {
            side.row = row;
            side.col = col;
            side.buffer.clear();
        });
    }

    auto* calc = addButton("NCalc", "&Calculate");
    auto* insertAssets = addButton("InsertAss", "&Insert blank line");
    insertAssets->setAccessibleName(tr("Insert blank line in the assets"));
    auto* insertLiabilities = addButton("InsertLiab", "Insert &blank line");
    insertLiabilities->setAccessibleName(tr("Insert blank line in the liabilities"));
    auto* open = addButton("Loadnet", "&Open File");
    auto* save = addButton("SaveNet", "&Save File");
    help_ = addButton("NHelp", "Quick &Help");
    auto* printer = addButton("NPrinter", "To &Printer");
    auto* exit = addButton("NExit", "E&xit to Menu");
    connect(calc, &QPushButton::clicked, this, &NetWorthCalc::calculate);
    connect(insertAssets, &QPushButton::clicked, this, [this] { insertLine(0); });
    connect(insertLiabilities, &QPushButton::clicked, this, [this] { insertLine(1); });
    connect(open, &QPushButton::clicked, this, &NetWorthCalc::openFile);
    connect(save, &QPushButton::clicked, this, &NetWorthCalc::saveFile);
    connect(help_, &QPushButton::clicked, this, &NetWorthCalc::toggleQuickHelp);
    connect(printer, &QPushButton::clicked, this, &NetWorthCalc::print);
    connect(exit, &QPushButton::clicked, this, &NetWorthCalc::leave);

    netInfo_ = new QLabel(QStringLiteral("Changes made, Calculate"), this);
    netInfo_->setObjectName(QStringLiteral("NetInfo"));
    QSizePolicy keepPlace = netInfo_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    netInfo_->setSizePolicy(keepPlace);
    netInfo_->hide();
    auto* netCaption = captionLabel("Label3", QStringLiteral(" Net Worth  ="), this);
    netCaption->setWordWrap(false);
    net_ = new ResultLabel("Net", 16, this);
    net_->setAccessibleName(tr("Net Worth"));
    netCaption->setBuddy(net_);

    helpText_ = new QuickHelpPanel(dialogs_, this);
    helpText_->setObjectName(QStringLiteral("NTextBox"));
    helpText_->enterTarget = sides_[0].grid;
    helpText_->installEventFilter(this);

    // Each grid with its own insert button beneath it; Quick Help takes the
    // place of both.
    grids_ = new QWidget(this);
    auto* gridRow = new QHBoxLayout(grids_);
    gridRow->setContentsMargins(0, 0, 0, 0);
    QPushButton* inserts[] = {insertAssets, insertLiabilities};
    for (int i = 0; i < 2; ++i) {
        auto* column = new QVBoxLayout;
        column->addWidget(sides_[i].grid, 1);
        column->addWidget(inserts[i], 0, Qt::AlignLeft);
        gridRow->addLayout(column, 1);
    }
    quickHelp_ = std::make_unique<QuickHelpSwitch>(help_, helpText_, grids_, QList<QWidget*>{});

    auto* netRow = new QHBoxLayout;
    netRow->addWidget(netInfo_);
    netRow->addStretch(1);
    netRow->addWidget(netCaption);
    netRow->addWidget(net_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 6);
    layout->setSpacing(5);
    layout->addWidget(grids_, 1);
    layout->addWidget(helpText_, 1);
    layout->addLayout(netRow);
    layout->addLayout(buttonRows({{calc, open, save, help_, printer, exit}}));
    setMinimumHeight(twipsToPixels(5400));

    // The statement of an earlier visit is gone; an empty one is shown.
    state_.NetWorth = NetWorthState{};
    recalculate();
    sides_[0].grid->setCurrentCell(1, 0);
    sides_[0].grid->setFocus();
}

NetWorthCalc::~NetWorthCalc() = default;

NetList& NetWorthCalc::list(const Side& side)
{
    NetStatement& s = state_.NetWorth.Statement;
    return side.assets ? s.AssetList : s.LiabilityList;
}

int& NetWorthCalc::count(const Side& side)
{
    NetStatement& s = state_.NetWorth.Statement;
    return side.assets ? s.AssetCount : s.LiabilityCount;
}

bool NetWorthCalc::typeKey(Side& side, QKeyEvent* event)
{
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    const bool erase = key == Qt::Key_Backspace || key == Qt::Key_Delete;
    const QString text = event->text();
    const bool character = !text.isEmpty() && text.at(0).isPrint()
                           && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!enter && !erase && !character)
        return false; // moving about, Tab, shortcuts: the grid's own
    const int row = side.grid->currentRow();
    const int col = side.grid->currentCol();
    if (row < 1)
        return true;
    if (row > NetLineLimit) {
        dialogs_.message(22); // "30 Row limit."
        return true;
    }
    if (enter) {
        side.grid->setCurrentCell(std::min(row + 1, side.grid->rows() - 1), col);
        return true;
    }
    NetLine& line = list(side)[static_cast<std::size_t>(row)];
    NetCell& cell = col == 0 ? line.name : line.value;
    if (key == Qt::Key_Delete) {
        storeCell(side, NetCellEdit{{}, std::string(), {}});
        return true;
    }
    if (key == Qt::Key_Backspace) {
        storeCell(side, backspaceCell(col, cell, state_.Symbols));
        return true;
    }
    const auto edit = typeIntoCell(col, side.buffer, ss(text), state_.Symbols);
    if (!edit) {
        dialogs_.beep();
        return true;
    }
    storeCell(side, *edit);
    return true;
}

void NetWorthCalc::storeCell(Side& side, const NetCellEdit& edit)
{
    const int row = side.grid->currentRow();
    const int col = side.grid->currentCol();
    NetLine& line = list(side)[static_cast<std::size_t>(row)];
    (col == 0 ? line.name : line.value) = edit.cell;
    side.buffer = edit.buffer;
    side.grid->setText(row, col, qs(edit.shown));
    markChanged();
}

void NetWorthCalc::markChanged()
{
    netInfo_->show();
    state_.NetWorth.NetChanged = 1;
}

bool NetWorthCalc::recalculate()
{
    NetWorthState& nw = state_.NetWorth;
    try {
        const NetCalculation result = calculateNetWorth(nw.Statement);
        nw.Statement = result.statement;
        nw.Totals = result.totals;
    } catch (const CalcError&) {
        dialogs_.message(3); // "Wrong or missing entry, try again."
        return false;
    }
    showStatement();
    return true;
}

void NetWorthCalc::showStatement()
{
    const NetWorthState& nw = state_.NetWorth;
    for (Side& side : sides_) {
        const int row = side.row;
        const int col = side.col;
        const auto texts = netGridTexts(list(side), count(side), side.assets ? "Total Assets" : "Total Liabilities",
                                        side.assets ? nw.Totals.assets : nw.Totals.liabilities,
                                        state_.CurrencySymbol, state_.Symbols);
        side.grid->cells().setDataRows(NetGridRows, texts);
        side.grid->setCurrentCell(row, col); // back to the remembered cell
    }
    net_->setText(qs(netWorthText(nw.Totals.netWorth, state_.CurrencySymbol, state_.Symbols)));
}

void NetWorthCalc::calculate()
{
    hideQuickHelp();
    if (!recalculate())
        return;
    state_.NetWorth.NetChanged = 1;
    netInfo_->hide();
}

void NetWorthCalc::insertLine(int sideIndex)
{
    hideQuickHelp();
    Side& side = sides_[sideIndex];
    state_.ToolMode = side.assets ? 1 : 2;
    const QString reply = askValue(dialogs_, shell_.frameWidget(),
                                   side.assets ? ValueRequest::AssetLine : ValueRequest::LiabilityLine,
                                   QString::number(side.grid->currentRow()));
    state_.ToolMode = 0;
    const double line = Val(ss(reply));
    if (reply.isEmpty() || line < 1 || line > NetLineLimit - 2)
        return;
    if (!insertBlankLine(list(side), count(side), static_cast<int>(line)))
        return;
    side.row = static_cast<int>(line);
    side.col = 0;
    recalculate();
    markChanged();
    side.grid->setFocus();
}

namespace {

// The statement of a file, calculated as the window shows it.
Result<NetCalculation> readStatement(const std::string& path)
{
    const WaitCursor wait;
    const Result<std::string> text = readFileSafely(path);
    if (!text)
        return Failure{text.reason()};
    const Result<NetStatement> file = parseNetWorthFile(*text);
    if (!file)
        return Failure{file.reason()};
    try {
        return calculateNetWorth(*file);
    } catch (const CalcError&) {
        return Failure{"a value is too large to be totalled"};
    }
}

} // namespace

void NetWorthCalc::openFile()
{
    hideQuickHelp();
    NetWorthState& nw = state_.NetWorth;
    const NetStatement& s = nw.Statement;
    // A changed statement is not replaced without a word.
    if (nw.NetChanged == 1 && (hasLines(s.AssetList) || hasLines(s.LiabilityList)) && dialogs_.question(3))
        return;
    shell_.hideWindow(this);
    const std::string path = chooseFilePath(state_, dialogs_, 3);
    if (!path.empty()) {
        const Result<NetCalculation> loaded = readStatement(path);
        if (loaded) {
            nw.Statement = loaded->statement;
            nw.Totals = loaded->totals;
            nw.NetChanged = 0;
            state_.CurrentFileName = fileNamePart(path);
            state_.CurrentFilePath = path;
            netInfo_->hide();
            showStatement();
        } else {
            // "File not found or wrong format. ...", with what was wrong; the
            // statement in memory stays as it was.
            dialogs_.messageWithCause(13, qs(loaded.reason()));
        }
    }
    shell_.showWindow(this);
}

void NetWorthCalc::saveFile()
{
    hideQuickHelp();
    NetWorthState& nw = state_.NetWorth;
    shell_.hideWindow(this);
    if (!hasLines(nw.Statement.AssetList) && !hasLines(nw.Statement.LiabilityList)) {
        dialogs_.message(15); // "No Records."
        shell_.showWindow(this);
        return;
    }
    // On a failure "Bad Filename. ..." with the real cause; the statement
    // is still unsaved, so leaving still asks.
    const std::string path = chooseFilePath(state_, dialogs_, 4);
    if (!path.empty() && saveDataFile(dialogs_, path, serializeNetWorthFile(nw.Statement), 14)) {
        state_.CurrentFileName = fileNamePart(path);
        state_.CurrentFilePath = path;
        nw.NetChanged = 0;
    }
    shell_.showWindow(this);
}

void NetWorthCalc::print()
{
    hideQuickHelp();
    // The printout shows the statement as calculated: changes still pending
    // are calculated first, so lines and totals agree on paper.
    if (netInfo_->isVisible() && !recalculate())
        return;
    netInfo_->hide();
    if (!askPrintHeader(state_, dialogs_))
        return;
    const NetWorthState& nw = state_.NetWorth;
    const NetWorthReportSettings settings{state_.PrintHeader, setupPrinterFont(state_), state_.PageLines,
                                          state_.CurrencySymbol, state_.Symbols};
    finishPrintout(netWorthReport(settings, nw.Statement, nw.Totals), dialogs_,
                   QStringLiteral("Net Worth Statement"));
}

void NetWorthCalc::toggleQuickHelp()
{
    if (quickHelp_->shown()) {
        hideQuickHelp();
        sides_[0].grid->setFocus();
        return;
    }
    quickHelp_->show(qs(netWorthQuickHelp()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    helpText_->setFocus();
}

void NetWorthCalc::hideQuickHelp()
{
    if (quickHelp_->shown())
        quickHelp_->hide();
}

bool NetWorthCalc::eventFilter(QObject* watched, QEvent* event)
{
    // Quick Help closes when it loses the focus (unless to its own button,
    // whose press closes it).
    if (watched == helpText_ && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason
            && QApplication::focusWidget() != help_)
            hideQuickHelp();
    }
    return ToolWindow::eventFilter(watched, event);
}

bool NetWorthCalc::mayClose()
{
    const NetWorthState& nw = state_.NetWorth;
    const NetStatement& s = nw.Statement;
    // Question 3: "... file in memory will be erased. Do you wish to go back
    // and save it to Disk?." Yes goes back.
    return !(nw.NetChanged == 1 && (hasLines(s.AssetList) || hasLines(s.LiabilityList)) && dialogs_.question(3));
}

void NetWorthCalc::leave()
{
    if (mayClose())
        exitToMenu();
}

void NetWorthCalc::releaseResults()
{
    state_.NetWorth = NetWorthState{};
    state_.CurrentFileName.clear();
    state_.CurrentFilePath.clear();
}

} // namespace fiscalia
