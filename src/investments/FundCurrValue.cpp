#include "investments/FundCurrValue.h"

#include "app/app_state.h"
#include "app/calc_error.h"
#include "app/Dialogs.h"
#include "app/Grid.h"
#include "app/HelpViewer.h"
#include "app/QtText.h"
#include "app/WindowLayout.h"
#include "investments/FundTable.h"
#include "investments/fund_values.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cctype>

namespace fiscalia {

namespace {

constexpr int PriceRows = 35;
constexpr int DefaultColumnTwips = 800;
// A price keeps four decimals and stays below a million million.
constexpr std::size_t PriceDigits = 12;
constexpr std::size_t PriceDecimals = 4;

// Every figure worked out from the records goes; the typed prices stay.
void clearSums(FundState& db)
{
    for (int f = 1; f < FundSlots; ++f)
        for (int c : {0, 1, 3, 4, 5, 6})
            db.FundValueTable[static_cast<std::size_t>(f)][static_cast<std::size_t>(c)] = Currency();
}

} // namespace

FundCurrValue::FundCurrValue(const ToolContext& context, std::function<void()> backToMenu)
    : state_(context.state), dialogs_(context.dialogs), shell_(context.shell), backToMenu_(std::move(backToMenu))
{
    setObjectName(QStringLiteral("FundCurrValue"));
    setHelpContext(this, HelpTopic::CurrentPrices);
    setWindowTitle(QStringLiteral("Current Prices"));
    shell_.setFrameCaption(QStringLiteral(" Current Prices"));

    grid_ = new Grid(this);
    grid_->setObjectName(QStringLiteral("CPGrid"));
    grid_->setFont(figureFont());
    grid_->horizontalHeader()->setFont(QApplication::font());
    grid_->setCols(2);
    grid_->setRows(PriceRows);
    grid_->setHeadingHeightTwips(300);
    grid_->setColWidthTwips(0, DefaultColumnTwips + 2800);
    grid_->setColWidthTwips(1, DefaultColumnTwips + 800);
    grid_->setText(0, 0, QStringLiteral("            Name of Fund/Company"));
    grid_->setText(0, 1, QStringLiteral("  Current Price"));
    grid_->setColAlignment(0, Qt::AlignLeft | Qt::AlignVCenter);
    grid_->setColAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setAccessibleName(QStringLiteral("Current prices"));
    grid_->setMinimumWidth(grid_->columnWidth(0) + grid_->columnWidth(1)
                           + grid_->verticalScrollBar()->sizeHint().width() + 2 * grid_->frameWidth());
    grid_->keyHandler = [this](QKeyEvent* event) { return typeKey(event); };
    // A newly chosen cell starts with an empty typing buffer.
    connect(grid_, &Grid::currentCellChanged, this, [this](int, int) { buffer_.clear(); });

    auto* label = new QLabel(QStringLiteral("Enter the current price per share for each Fund"), this);
    label->setObjectName(QStringLiteral("Label2"));
    label->setBuddy(grid_);
    auto* calc = new QPushButton(QStringLiteral("&Calculate"), this);
    calc->setObjectName(QStringLiteral("CurValOK"));
    help_ = new QPushButton(QStringLiteral("Quick &Help"), this);
    help_->setObjectName(QStringLiteral("Help9"));
    auto* exit = new QPushButton(QStringLiteral("E&xit to Menu"), this);
    exit->setObjectName(QStringLiteral("CancelBut"));
    for (QPushButton* b : {calc, help_, exit})
        b->setAutoDefault(true);
    connect(calc, &QPushButton::clicked, this, &FundCurrValue::calculate);
    connect(help_, &QPushButton::clicked, this, &FundCurrValue::toggleQuickHelp);
    connect(exit, &QPushButton::clicked, this, &FundCurrValue::exitToMenu);

    helpText_ = new QuickHelpPanel(dialogs_, this);
    helpText_->setObjectName(QStringLiteral("CurPriceText"));
    helpText_->enterTarget = grid_;
    quickHelp_ = std::make_unique<QuickHelpSwitch>(help_, helpText_, grid_, QList<QWidget*>{});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 6);
    layout->addWidget(label);
    layout->addWidget(grid_, 1);
    layout->addWidget(helpText_, 1);
    layout->addLayout(buttonRows({{calc, help_, exit}}));

    // The prices typed last time are kept while fund 1 has one.
    FundState& db = state_.Funds;
    if (db.FundValueTable[1][2].isZero())
        for (auto& row : db.FundValueTable)
            row = {};
    clearSums(db);
    for (int f = 1; f <= db.FundCount && f < PriceRows; ++f) {
        grid_->setText(f, 0, qs(db.FundList[static_cast<std::size_t>(f)].name));
        if (!db.FundValueTable[static_cast<std::size_t>(f)][2].isZero())
            grid_->setText(f, 1, qs(formatNumber(db.FundValueTable[static_cast<std::size_t>(f)][2], "####,,###.00",
                                                 state_.Symbols)));
    }
    grid_->setCurrentCell(1, 1);
    grid_->setFocus();
}

FundCurrValue::~FundCurrValue() = default;

void FundCurrValue::showPrice(int row)
{
    const Currency& price = state_.Funds.FundValueTable[static_cast<std::size_t>(row)][2];
    grid_->setText(row, 1, buffer_.empty() ? QString() : qs(formatNumber(price, "#,,###.00", state_.Symbols)));
}

bool FundCurrValue::typeKey(QKeyEvent* event)
{
    const int key = event->key();
    const QString text = event->text();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    const bool erase = key == Qt::Key_Backspace || key == Qt::Key_Delete;
    const bool character = !text.isEmpty() && text.at(0).isPrint()
                           && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!enter && !erase && !character)
        return false; // moving about, Tab, shortcuts
    const int row = grid_->currentRow();
    const int col = grid_->currentCol();
    if (row < 1)
        return true;
    if (row > FundLimit) {
        dialogs_.message(22); // "30 Row limit."
        return true;
    }
    if (enter) {
        grid_->setCurrentCell(std::min(row + 1, grid_->rows() - 1), col);
        return true;
    }
    if (col != 1)
        return true; // the names take no typing
    Currency& price = state_.Funds.FundValueTable[static_cast<std::size_t>(row)][2];
    if (erase) {
        buffer_.clear();
        price = Currency();
        showPrice(row);
        return true;
    }
    const char c = text.at(0).toLatin1();
    const std::string typed = buffer_ + c;
    const auto point = typed.find('.');
    const std::size_t whole = point == std::string::npos ? typed.size() : point;
    const bool taken = (std::isdigit(static_cast<unsigned char>(c)) || c == '.')
                       && std::count(typed.begin(), typed.end(), '.') <= 1 && whole <= PriceDigits
                       && (point == std::string::npos || typed.size() - point - 1 <= PriceDecimals);
    if (!taken) {
        dialogs_.beep();
        return true;
    }
    buffer_ = typed;
    price = *Currency::read(buffer_);
    showPrice(row);
    return true;
}

void FundCurrValue::calculate()
{
    FundState& db = state_.Funds;
    sumFundRecords(db);
    if (firstUnpricedFund(db) != 0) {
        dialogs_.message(24); // "Check, missing entry or 0."
        clearSums(db);
        return;
    }
    try {
        computeCurrentValues(db);
    } catch (const CalcError&) {
        dialogs_.message(3); // "Wrong or missing entry, try again."
        return;
    }
    db.ValuesReady = 1;
    auto* table = new FundTable(ToolContext{state_, dialogs_, shell_}, backToMenu_, FundTable::Mode::CurrentValues);
    shell_.unloadWindow(this);
    shell_.showWindow(table);
}

void FundCurrValue::toggleQuickHelp()
{
    if (quickHelp_->shown()) {
        quickHelp_->hide();
        grid_->setFocus();
        return;
    }
    quickHelp_->show(QStringLiteral("Select Current Price cell by clicking on it or by using arrow keys to move around. "
                                    "Selected cell will have dotted lines around it.\n"
                                    "Cell will only accept input from number and period or decimal keys. Delete "
                                    "entries with Backspace key.\n"
                                    "For DtaSampl enter 20.00 for all Current Price inputs. "));
    helpText_->setFocus();
}

void FundCurrValue::exitToMenu()
{
    shell_.setFrameCaption(QStringLiteral(" Investment Management Menu"));
    shell_.unloadWindow(this);
    if (backToMenu_)
        backToMenu_();
}

} // namespace fiscalia
