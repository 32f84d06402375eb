#include "investments/FundRecordEntry.h"

#include "app/app_state.h"
#include "app/Dialogs.h"
#include "app/GreenBox.h"
#include "app/Grid.h"
#include "app/HelpViewer.h"
#include "app/QtText.h"
#include "app/TableExport.h"
#include "app/TextBox.h"
#include "app/WindowLayout.h"
#include "investments/fund_database.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace fiscalia {

// The transaction date: digits, "/", ".", "-" and blanks; leaving it checks
// the date.
class EntryDateBox : public TextBox {
public:
    explicit EntryDateBox(QWidget* parent) : TextBox(parent)
    {
        makeGreen(this);
        maxChars = 20;
    }
    std::function<void()> onLeave;

protected:
    QChar mapCharacter(QChar c) const override
    {
        const bool taken = (c.isDigit() && c.unicode() < 128) || c == QLatin1Char('/') || c == QLatin1Char('.')
                           || c == QLatin1Char('-') || c == QLatin1Char(' ');
        return taken ? c : QChar();
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        TextBox::focusOutEvent(event);
        if (!sameVisit(event->reason()) && onLeave)
            onLeave();
    }
};

namespace {

constexpr int DefaultColumnTwips = 800;
constexpr int GridColumns = 9;

const char* const Headings[GridColumns] = {
    "Record Number",     "Type of Transaction",  "Date of Transaction", "Price of Each Share", "Number of Shares",
    "Commission   or Fees", "Div. Shares Value", "Cash   Dividend",     "      Book       Value"};

BoxSpec valueSpec(int slot, bool money)
{
    BoxSpec spec;
    spec.slot = slot;
    spec.decimals = 4;
    spec.pattern = QStringLiteral("####,,##0.0000");
    spec.currencyPrefix = money;
    spec.width = 0;
    return spec;
}

BoxSpec listSpec()
{
    BoxSpec spec;
    spec.filter = KeyFilter::ListOnly;
    return spec;
}

QLabel* boxCaption(const char* name, const char* text, QWidget* box, QWidget* parent)
{
    QLabel* label = captionLabel(name, QString::fromLatin1(text), parent);
    label->setBuddy(box);
    box->setAccessibleName(spokenCaption(label->text()));
    return label;
}

void keepPlaceWhenHidden(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

FundRecordEntry::FundRecordEntry(const ToolContext& context, std::function<void()> backToMenu)
    : state_(context.state), dialogs_(context.dialogs), shell_(context.shell), backToMenu_(std::move(backToMenu))
{
    setObjectName(QStringLiteral("FundRecordEntry"));
    setHelpContext(this, HelpTopic::RecordEntry);
    setWindowTitle(QStringLiteral("Add and Edit Records"));
    shell_.setFrameCaption(QStringLiteral(" Add and Edit Records"));
    host_ = std::make_unique<BoxHost>(BoxHost{state_, dialogs_, {}});
    state_.InputValues.assign(6, Currency());
    today_ = qs(state_.TodayText);
    FundState& db = state_.Funds;
    db.FundShown = 0;
    db.SelectedRecord = 0;
    db.SelectedRecordText.clear();

    auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(true);
        return b;
    };

    // The fund and the type.
    funds_ = new GreenComboBox(*host_, listSpec(), this);
    funds_->setObjectName(QStringLiteral("Funds"));
    funds_->setToolTip(QStringLiteral("Click Dn/Arrow for Funds List"));
    funds_->setMinimumContentsLength(24);
    funds_->onChosen = [this](int index) { chooseFund(index); };
    auto* createFund = button("createfund", "Add &Fund");
    types_ = new GreenComboBox(*host_, listSpec(), this);
    types_->setObjectName(QStringLiteral("ETransType"));
    types_->setMinimumContentsLength(16);
    types_->onChosen = [this](int index) { chooseType(index); };
    QStringList typeItems;
    for (int t = 0; t < TransactionTypeCount; ++t)
        typeItems << QString::fromLatin1(typeInfo(static_cast<TransactionType>(t)).listItem);
    types_->setItems(typeItems);
    types_->showChoice(-1);
    funds_->setNext(types_);
    for (QWidget* list : {static_cast<QWidget*>(funds_), static_cast<QWidget*>(types_)})
        list->installEventFilter(this);

    numFunds_ = new ResultLabel("NumFunds", 3, this);
    numRecords_ = new ResultLabel("NumRec", 5, this);
    done_ = new QLabel(this);
    done_->setObjectName(QStringLiteral("Done"));
    done_->setAccessibleName(QStringLiteral("File in memory"));

    auto* top = new QGridLayout;
    top->addWidget(boxCaption("Label1", " Name of active Fund.", funds_, this), 0, 0);
    top->addWidget(funds_, 0, 1);
    top->addWidget(createFund, 0, 2);
    top->addWidget(captionLabel("Label2", QStringLiteral(" Add a new fund to database."), this), 0, 3);
    top->addWidget(boxCaption("Label3", " Select Transaction Type from list.", types_, this), 1, 0);
    top->addWidget(types_, 1, 1);
    auto* counts = new QHBoxLayout;
    auto* fundsCaption = captionLabel("Label9", QStringLiteral("Funds ="), this);
    fundsCaption->setWordWrap(false);
    fundsCaption->setBuddy(numFunds_);
    numFunds_->setAccessibleName(QStringLiteral("Funds"));
    auto* recordsCaption = captionLabel("Label10", QStringLiteral("Records ="), this);
    recordsCaption->setWordWrap(false);
    recordsCaption->setBuddy(numRecords_);
    numRecords_->setAccessibleName(QStringLiteral("Records"));
    counts->addWidget(fundsCaption);
    counts->addWidget(numFunds_);
    counts->addSpacing(12);
    counts->addWidget(recordsCaption);
    counts->addWidget(numRecords_);
    counts->addSpacing(12);
    counts->addWidget(done_, 1);
    top->addLayout(counts, 1, 2, 1, 2);
    top->setColumnStretch(3, 1);
    top->setColumnMinimumWidth(0, QFontMetrics(font()).horizontalAdvance(QStringLiteral(" Select Transaction Type")) + 8);

    // The record input row.
    date_ = new EntryDateBox(this);
    date_->setObjectName(QStringLiteral("InDate"));
    date_->beep = [this] { dialogs_.beep(); };
    date_->onLeave = [this] {
        if (!checkingDate_ && date_->isEnabled())
            checkDate();
    };
    types_->setNext(date_);
    price_ = new GreenLineEdit(*host_, valueSpec(1, true), this);
    price_->setObjectName(QStringLiteral("InPrice"));
    shares_ = new GreenLineEdit(*host_, valueSpec(2, false), this);
    shares_->setObjectName(QStringLiteral("InNumber"));
    commission_ = new GreenLineEdit(*host_, valueSpec(3, true), this);
    commission_->setObjectName(QStringLiteral("InComm"));
    cashDividend_ = new GreenLineEdit(*host_, valueSpec(4, true), this);
    cashDividend_->setObjectName(QStringLiteral("InCashDiv"));
    const int boxWidth = QFontMetrics(figureFont()).horizontalAdvance(QStringLiteral("$00,000,000.0000")) + 12;
    QWidget* boxes[] = {date_, price_, shares_, commission_, cashDividend_};
    for (QWidget* box : boxes) {
        box->setFont(figureFont());
        box->setMinimumWidth(boxWidth);
        keepPlaceWhenHidden(box);
    }
    for (GreenLineEdit* box : {price_, shares_, commission_, cashDividend_})
        box->setBaseWidth(boxWidth);
    add_ = button("AddaRec", "&Add Record");
    auto* correct = button("Correctrec", "&Correct Record");
    auto* remove = button("DelRec", "&Delete Record");
    auto* inputFrame = new QGroupBox(QStringLiteral(" Record input"), this);
    auto* row = new QGridLayout(inputFrame);
    const char* const captions[] = {" Transaction  Date.", " Price of each Share.", " Number of Shares.",
                                    " Total Fees or Commission.", " Total of Cash Dividends."};
    for (int i = 0; i < 5; ++i) {
        QLabel* caption = boxCaption(QByteArray("Label").append(QByteArray::number(4 + i)).constData(), captions[i],
                                     boxes[i], inputFrame);
        keepPlaceWhenHidden(caption);
        captions_[i] = caption;
        row->addWidget(caption, 0, i, Qt::AlignBottom);
        row->addWidget(boxes[i], 1, i);
    }
    auto* rowButtons = new QHBoxLayout;
    rowButtons->addWidget(add_);
    rowButtons->addWidget(correct);
    rowButtons->addWidget(remove);
    rowButtons->addStretch(1);
    row->addLayout(rowButtons, 2, 0, 1, 5);

    // The records grid, or Quick Help in its place.
    grid_ = new Grid(this);
    grid_->setObjectName(QStringLiteral("EGrid"));
    grid_->setFont(figureFont());
    grid_->horizontalHeader()->setFont(QApplication::font());
    grid_->setCols(GridColumns);
    grid_->setRows(13);
    grid_->setHeadingHeightTwips(520);
    const int added[GridColumns] = {80, 400, 500, 500, 500, 500, 500, 500, 500};
    for (int c = 0; c < GridColumns; ++c) {
        grid_->setColWidthTwips(c, DefaultColumnTwips + added[c]);
        grid_->setText(0, c, QString::fromLatin1(Headings[c]));
        grid_->setColAlignment(c, c == 0   ? Qt::AlignCenter
                                  : c == 1 ? Qt::AlignLeft | Qt::AlignVCenter
                                           : Qt::AlignRight | Qt::AlignVCenter);
    }
    int columnsWidth = 0;
    for (int c = 0; c < GridColumns; ++c)
        columnsWidth += grid_->columnWidth(c);
    // Every column in view, the book value included.
    grid_->setMinimumWidth(columnsWidth + grid_->verticalScrollBar()->sizeHint().width() + 2 * grid_->frameWidth());
    grid_->setFillWidth(true);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setAccessibleName(QStringLiteral("Records of the active fund"));
    grid_->enableExport({dialogs_, state_.LastExportFile, QStringLiteral("Fund records.csv")});
    connect(grid_, &Grid::currentCellChanged, this, [this](int gridRow, int) { selectRow(gridRow); });

    help_ = button("EHelp", "Quick &Help");
    auto* exit = button("EExit", "E&xit to Menu");
    helpText_ = new QuickHelpPanel(dialogs_, this);
    helpText_->setObjectName(QStringLiteral("TxtBox"));
    helpText_->enterTarget = funds_;
    quickHelp_ = std::make_unique<QuickHelpSwitch>(help_, helpText_, grid_, QList<QWidget*>{});

    connect(createFund, &QPushButton::clicked, this, &FundRecordEntry::addFund);
    connect(add_, &QPushButton::clicked, this, &FundRecordEntry::addRecord);
    connect(correct, &QPushButton::clicked, this, &FundRecordEntry::correctRecord);
    connect(remove, &QPushButton::clicked, this, &FundRecordEntry::deleteRecord);
    connect(help_, &QPushButton::clicked, this, &FundRecordEntry::toggleQuickHelp);
    connect(exit, &QPushButton::clicked, this, &FundRecordEntry::exitToMenu);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 6);
    layout->setSpacing(5);
    layout->addLayout(top);
    layout->addWidget(inputFrame);
    layout->addWidget(grid_, 1);
    layout->addWidget(helpText_, 1);
    layout->addLayout(buttonRows({{help_, exit}}));

    setTabOrder(funds_, createFund);
    setTabOrder(createFund, types_);
    refillFunds();
    showCounts();
    setBoxesEnabled(false);
    showRecords();
    funds_->setFocus();
}

FundRecordEntry::~FundRecordEntry() = default;

bool FundRecordEntry::correcting() const
{
    return state_.ToolMode == 1;
}

void FundRecordEntry::leaveCorrection()
{
    state_.ToolMode = 0;
    types_->setEnabled(true);
}

void FundRecordEntry::refillFunds()
{
    const FundState& db = state_.Funds;
    QStringList names;
    for (int f = 1; f <= db.FundCount; ++f)
        names << qs(db.FundList[static_cast<std::size_t>(f)].name);
    funds_->setItems(names);
    funds_->showChoice(db.FundShown > 0 ? db.FundShown - 1 : -1);
}

void FundRecordEntry::showCounts()
{
    const FundState& db = state_.Funds;
    numFunds_->setText(QString::number(db.FundCount));
    numRecords_->setText(QString::number(db.RecordCount));
    done_->setText(QLatin1Char(' ') + qs(state_.CurrentFileName) + QLatin1Char(' '));
}

void FundRecordEntry::setBoxesEnabled(bool enabled)
{
    for (QWidget* box : {static_cast<QWidget*>(date_), static_cast<QWidget*>(price_),
                         static_cast<QWidget*>(shares_), static_cast<QWidget*>(commission_),
                         static_cast<QWidget*>(cashDividend_)})
        box->setEnabled(enabled);
}

void FundRecordEntry::showAllValueBoxes()
{
    QWidget* boxes[] = {date_, price_, shares_, commission_, cashDividend_};
    for (int i = 0; i < 5; ++i) {
        boxes[i]->show();
        captions_[i]->show();
    }
}

void FundRecordEntry::clearInputRow()
{
    types_->setEnabled(true);
    types_->showChoice(-1);
    for (QLineEdit* box : {static_cast<QLineEdit*>(date_), static_cast<QLineEdit*>(price_),
                           static_cast<QLineEdit*>(shares_), static_cast<QLineEdit*>(commission_),
                           static_cast<QLineEdit*>(cashDividend_)})
        box->clear();
    state_.InputValues.assign(6, Currency());
}

void FundRecordEntry::setUpBoxesFor(TransactionType type)
{
    const TransactionTypeInfo& info = typeInfo(type);
    const bool uses[] = {true, info.usesPrice, info.usesShares, info.usesCommission, info.usesCashDividend};
    QWidget* boxes[] = {date_, price_, shares_, commission_, cashDividend_};
    for (int i = 0; i < 5; ++i) {
        boxes[i]->setVisible(uses[i]);
        captions_[i]->setVisible(uses[i]);
        boxes[i]->setEnabled(uses[i]);
    }
    // Enter follows the boxes the type uses, then goes to "&Add Record".
    date_->next = info.usesPrice ? static_cast<QWidget*>(price_)
                  : info.usesCashDividend ? static_cast<QWidget*>(cashDividend_)
                                          : static_cast<QWidget*>(commission_);
    price_->spec().next = shares_;
    shares_->spec().next = info.usesCommission ? static_cast<QWidget*>(commission_) : static_cast<QWidget*>(add_);
    commission_->spec().next = info.usesCashDividend ? static_cast<QWidget*>(cashDividend_) : static_cast<QWidget*>(add_);
    cashDividend_->spec().next = add_;
}

void FundRecordEntry::chooseFund(int index)
{
    FundState& db = state_.Funds;
    if (index < 0 || index >= db.FundCount)
        return;
    leaveCorrection();
    db.ActiveFund = db.FundShown = index + 1;
    db.SelectedRecord = 0;
    db.SelectedRecordText.clear();
    showAllValueBoxes();
    setBoxesEnabled(false);
    clearInputRow();
    showRecords();
}

void FundRecordEntry::chooseType(int index)
{
    FundState& db = state_.Funds;
    if (index < 0)
        return;
    if (db.FundShown == 0) {
        dialogs_.message(16); // "Name of Fund must be selected and shown in green box. See Quick Help."
        types_->showChoice(-1);
        funds_->setFocus();
        return;
    }
    for (QLineEdit* box : {static_cast<QLineEdit*>(date_), static_cast<QLineEdit*>(price_),
                           static_cast<QLineEdit*>(shares_), static_cast<QLineEdit*>(commission_),
                           static_cast<QLineEdit*>(cashDividend_)})
        box->clear();
    db.SelectedRecord = 0;
    db.SelectedRecordText.clear();
    state_.InputValues.assign(6, Currency());
    const auto type = static_cast<TransactionType>(index);
    db.CurrentTypeCode = typeInfo(type).code;
    setUpBoxesFor(type);
}

bool FundRecordEntry::activeFundShown()
{
    const FundState& db = state_.Funds;
    return db.FundShown > 0 && db.ActiveFund == db.FundShown && funds_->currentIndex() == db.ActiveFund - 1;
}

bool FundRecordEntry::checkDate()
{
    checkingDate_ = true;
    const bool valid = parseUserDate(date_->text()).has_value();
    if (!valid) {
        dialogs_.message(30); // "Correct date format is " and today's date
        date_->setText(today_);
        date_->setFocus();
    }
    checkingDate_ = false;
    return valid;
}

void FundRecordEntry::addFund()
{
    FundState& db = state_.Funds;
    leaveCorrection();
    const auto name = dialogs_.lineInput(QStringLiteral(" Type in the name of the fund or               company."),
                                         QStringLiteral("&Add Fund Name"));
    if (!name || name->isEmpty())
        return;
    if (!fiscalia::addFund(db, ss(*name))) {
        dialogs_.message(36); // "Funds are limited to 30. You will have to start a new File."
        return;
    }
    db.ActiveFund = db.FundShown = db.FundCount;
    db.SelectedRecord = 0;
    db.SelectedRecordText.clear();
    refillFunds();
    showCounts();
    showAllValueBoxes();
    setBoxesEnabled(false);
    clearInputRow();
    showRecords();
    types_->setFocus();
}

void FundRecordEntry::addRecord()
{
    FundState& db = state_.Funds;
    commitFocusedBox();
    const bool correction = correcting();
    auto finish = [this, &db] {
        showAllValueBoxes();
        clearInputRow();
        setBoxesEnabled(false);
        db.SelectedRecord = 0;
        db.SelectedRecordText.clear();
        leaveCorrection();
    };
    if (!activeFundShown()) {
        dialogs_.message(correction ? 17 : 16);
        leaveCorrection();
        return;
    }
    // Validation: a type, a date, values that fit the type.
    const int typeIndex = types_->currentIndex();
    if (typeIndex < 0) {
        dialogs_.message(51); // "A transaction type must be selected, click Dn/Arrow and select one."
        if (correction)
            finish();
        return;
    }
    if (date_->text().trimmed().isEmpty()) {
        dialogs_.message(31); // "Record not saved. Must have a date."
        if (correction)
            finish();
        return;
    }
    const auto typed = parseUserDate(date_->text());
    if (!typed) {
        checkDate();
        return;
    }
    const auto type = static_cast<TransactionType>(typeIndex);
    const auto& in = state_.InputValues;
    const EntryValues values{in[1], in[2], in[3], in[4]};
    if (!entryFitsType(type, values)) {
        dialogs_.message(correction ? 29 : 20);
        if (correction)
            finish();
        return;
    }
    int slot = db.SelectedRecord;
    if (!correction) {
        if (db.RecordCount >= RecordLimit) {
            dialogs_.message(35); // "Files are limited to 1000 records. You will have to start a new File."
            finish();
            return;
        }
        slot = ++db.RecordCount;
    }
    if (slot < 1 || slot > db.RecordCount) {
        dialogs_.message(17); // "No Record selected. Click on record number first."
        finish();
        return;
    }
    db.RecordTable[static_cast<std::size_t>(slot)] = storeRecord(type, values, db.ActiveFund, fromQDate(*typed), slot);
    db.DatabaseChanged = 1;
    sortRecordsByDate(db);
    finish();
    showCounts();
    showRecords();
    types_->setFocus();
}

void FundRecordEntry::correctRecord()
{
    FundState& db = state_.Funds;
    if (!activeFundShown()) {
        dialogs_.message(correcting() ? 17 : 16);
        leaveCorrection();
        return;
    }
    if (db.SelectedRecord < 1 || db.SelectedRecord > db.RecordCount) {
        dialogs_.message(17); // "No Record selected. Click on record number first."
        return;
    }
    const FundRecord& record = db.RecordTable[static_cast<std::size_t>(db.SelectedRecord)];
    const auto type = typeFromCode(record.type);
    if (!type)
        return;
    state_.ToolMode = 1;
    db.TypeDisplayName = describeRecordType(record);
    db.CurrentTypeCode = record.type;
    types_->showChoice(static_cast<int>(*type));
    types_->setEnabled(false);
    setUpBoxesFor(*type);
    // The record copied into the input row; shares stored negative are
    // shown (and taken) as the positive number typed.
    date_->setText(toShortDate(record.date));
    const Currency shares = record.shares < Currency() ? -record.shares : record.shares;
    state_.InputValues.assign(6, Currency());
    state_.InputValues[1] = record.price;
    state_.InputValues[2] = shares;
    state_.InputValues[3] = record.commission;
    state_.InputValues[4] = record.cashDividend;
    GreenLineEdit* boxes[] = {price_, shares_, commission_, cashDividend_};
    for (int i = 0; i < 4; ++i) {
        const Currency& value = state_.InputValues[static_cast<std::size_t>(i + 1)];
        boxes[i]->setText(value.isZero() ? QString() : boxes[i]->formatValue(value));
    }
    date_->setFocus();
}

void FundRecordEntry::deleteRecord()
{
    FundState& db = state_.Funds;
    if (!activeFundShown()) {
        dialogs_.message(16); // "Name of Fund must be selected and shown in green box. See Quick Help."
        leaveCorrection();
        return;
    }
    const int count = recordCountOfFund(db, db.ActiveFund);
    if (count > 0) {
        if (db.SelectedRecord < 1 || db.SelectedRecord > db.RecordCount) {
            dialogs_.message(17); // "No Record selected. Click on record number first."
            return;
        }
        if (!dialogs_.question(4)) { // "Are you sure you wish to delete record number: " ...
            db.SelectedRecord = 0;
            db.SelectedRecordText.clear();
            return;
        }
        removeRecord(db, db.SelectedRecord);
        db.SelectedRecord = 0;
        db.SelectedRecordText.clear();
        db.DatabaseChanged = 1;
        leaveCorrection();
        clearInputRow();
        setBoxesEnabled(false);
        showCounts();
        showRecords();
        return;
    }
    if (!dialogs_.question(5)) { // "Are you sure you wish to delete the current Fund name."
        db.SelectedRecord = 0;
        db.SelectedRecordText.clear();
        return;
    }
    if (!removeFund(db, db.ActiveFund))
        return;
    if (db.RecordCount > 0)
        db.DatabaseChanged = 1; // the funds are renumbered
    db.FundShown = 0;
    db.SelectedRecord = 0;
    db.ActiveFund = 0;
    leaveCorrection();
    refillFunds();
    showCounts();
    showAllValueBoxes();
    clearInputRow();
    setBoxesEnabled(false);
    showRecords();
    funds_->setFocus();
}

void FundRecordEntry::selectRow(int row)
{
    FundState& db = state_.Funds;
    db.SelectedRecord = 0;
    db.SelectedRecordText.clear();
    if (row < 1 || db.FundShown == 0)
        return;
    const double k = Val(ss(grid_->text(row, 0)));
    const std::vector<int> records = recordsOfFund(db, db.FundShown);
    if (k < 1 || k > static_cast<double>(records.size()))
        return;
    db.SelectedRecordText = ss(QString::number(row));
    db.SelectedRecord = db.RecordTable[static_cast<std::size_t>(records[static_cast<std::size_t>(k) - 1])].number;
}

void FundRecordEntry::showRecords()
{
    FundState& db = state_.Funds;
    db.SelectedRecord = 0;
    db.SelectedRecordText.clear();
    if (db.FundShown == 0) {
        grid_->setRows(13); // no fund chosen: an empty table
        grid_->clearData();
        return;
    }
    const RecordsGrid rows = recordsGrid(db, db.FundShown, state_.CurrencySymbol, state_.Symbols,
                                         [](const Date& date) { return ss(toShortDate(date)); });
    grid_->cells().setDataRows(rows.rows, rows.cells);
    db.AverageCost = rows.averageCost;
}

void FundRecordEntry::toggleQuickHelp()
{
    if (quickHelp_->shown()) {
        quickHelp_->hide();
        grid_->setFocus();
        return;
    }
    quickHelp_->show(qs(recordEntryQuickHelp()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    helpText_->setFocus();
}

void FundRecordEntry::exitToMenu()
{
    leaveCorrection();
    FundState& db = state_.Funds;
    state_.InputValues.assign(6, Currency());
    db.SelectedRecord = 0;
    db.SelectedRecordText.clear();
    shell_.setFrameCaption(QStringLiteral(" Investment Management Menu"));
    shell_.unloadWindow(this);
    if (backToMenu_)
        backToMenu_();
}

bool FundRecordEntry::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        // Delete in the type list clears the input row; in the fund list it
        // does nothing.
        if (watched == types_ && !correcting()) {
            showAllValueBoxes();
            clearInputRow();
            setBoxesEnabled(false);
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace fiscalia
