#include "investments/FundMenu.h"

#include "app/app_state.h"
#include "app/Dialogs.h"
#include "app/FileDirectory.h"
#include "app/file_requests.h"
#include "app/HelpViewer.h"
#include "app/QtText.h"
#include "app/safe_read.h"
#include "app/WaitCursor.h"
#include "investments/FundChoose.h"
#include "investments/FundCurrValue.h"
#include "investments/FundImport.h"
#include "investments/FundRecordEntry.h"
#include "investments/FundTable.h"
#include "investments/fund_database.h"
#include "investments/fund_file.h"
#include "investments/fund_import.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace fiscalia {

FundMenu::FundMenu(const ToolContext& context)
    : ToolWindow(context, QStringLiteral(" Investment Management Menu"), HelpTopic::InvestmentManager)
{
    setObjectName(QStringLiteral("FundMenu"));
    auto* title = new QLabel(QStringLiteral("Fund Management "), this);
    title->setObjectName(QStringLiteral("Label4"));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);

    auto* caption = new QLabel(QStringLiteral(" Database in memory "), this);
    caption->setObjectName(QStringLiteral("Label1"));
    info_ = new QLabel(this);
    info_->setObjectName(QStringLiteral("InfoBox"));
    info_->setFrameShape(QFrame::Panel);
    info_->setFrameShadow(QFrame::Sunken);
    info_->setMinimumWidth(info_->fontMetrics().horizontalAdvance(QString(48, QLatin1Char('M'))) / 2 + 120);
    info_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    info_->setAccessibleName(QStringLiteral("Database in memory"));
    caption->setBuddy(info_);

    auto* open = addButton("Loadfile", "&Open a File from Disk");
    auto* save = addButton("SaveFile", "&Save Current File to Disk");
    auto* import = addButton("ImportCsv", "&Import CSV…");
    auto* edit = addButton("Editrec", "&Add and Edit Records");
    auto* compute = addButton("CompCurr", "&Compute Current Value");
    auto* display = addButton("Display", "&Display Data");
    // "R": "O" already opens a file, and two buttons on one letter would
    // only move the focus between them.
    auto* sort = addButton("SortRec", "So&rt Records");
    auto* help = addButton("Help7", "Quick &Help");
    auto* exit = addButton("FExit", "E&xit to Main Menu");
    connect(open, &QPushButton::clicked, this, &FundMenu::openFile);
    connect(save, &QPushButton::clicked, this, &FundMenu::saveFile);
    connect(import, &QPushButton::clicked, this, &FundMenu::importCsv);
    connect(edit, &QPushButton::clicked, this, &FundMenu::editRecords);
    connect(compute, &QPushButton::clicked, this, &FundMenu::computeCurrentValue);
    connect(display, &QPushButton::clicked, this, &FundMenu::displayData);
    connect(sort, &QPushButton::clicked, this, &FundMenu::sortRecords);
    connect(help, &QPushButton::clicked, this, [this] {
        dialogs_.message(27); // "To use all commands you must have a file in memory. ..."
    });
    connect(exit, &QPushButton::clicked, this, &FundMenu::leave);

    // The buttons in two columns of equal width under the title: the file
    // and the records on the left, the rest on the right.
    auto* buttons = new QGridLayout;
    buttons->setHorizontalSpacing(16);
    buttons->setVerticalSpacing(8);
    QPushButton* columns[2][5] = {{open, import, edit, compute, display}, {save, sort, help, exit, nullptr}};
    for (int col = 0; col < 2; ++col)
        for (int row = 0; row < 5; ++row)
            if (QPushButton* button = columns[col][row]) {
                button->setMinimumHeight(button->sizeHint().height() + 8);
                buttons->addWidget(button, row, col);
            }
    buttons->setColumnStretch(0, 1);
    buttons->setColumnStretch(1, 1);
    auto* infoRow = new QHBoxLayout;
    infoRow->addStretch(1);
    infoRow->addWidget(caption);
    infoRow->addWidget(info_, 2);
    infoRow->addStretch(1);
    auto* centre = new QHBoxLayout;
    centre->addStretch(1);
    centre->addLayout(buttons, 3);
    centre->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addStretch(1);
    layout->addWidget(title);
    layout->addSpacing(12);
    layout->addLayout(infoRow);
    layout->addSpacing(16);
    layout->addLayout(centre);
    layout->addStretch(2);

    // An empty database; the graph window draws the funds from here.
    state_.Funds = emptyFundDatabase();
    state_.CurrentFileName.clear();
    state_.CurrentFilePath.clear();
    state_.GraphKind = 0;
    showDatabaseInfo();
    open->setFocus();
}

void FundMenu::showDatabaseInfo()
{
    const FundState& db = state_.Funds;
    info_->setText(qs(databaseInfo(state_.CurrentFileName, db.FundCount, db.RecordCount)));
}

bool FundMenu::databaseEmpty() const
{
    return state_.Funds.RecordTable[1].type.empty();
}

namespace {

Result<FundState> readDatabase(const std::string& path)
{
    const WaitCursor wait;
    const Result<std::string> text = readFileSafely(path);
    return text ? parseFundFile(*text) : Result<FundState>(Failure{text.reason()});
}

} // namespace

void FundMenu::openFile()
{
    FundState& db = state_.Funds;
    // Changes not saved are not replaced without a word.
    if (db.DatabaseChanged == 1 && db.RecordCount > 0 && dialogs_.question(3))
        return;
    shell_.hideWindow(this);
    const std::string path = chooseFilePath(state_, dialogs_, 1);
    if (!path.empty()) {
        Result<FundState> file = readDatabase(path);
        if (file) {
            db = std::move(*file);
            state_.CurrentFileName = fileNamePart(path);
            state_.CurrentFilePath = path;
        } else {
            // "File not found or wrong format. ...", with what was wrong; the
            // database in memory stays as it was.
            dialogs_.messageWithCause(13, qs(file.reason()));
        }
    }
    shell_.showWindow(this);
    showDatabaseInfo();
}

namespace {

std::optional<Date> readShortDate(const std::string& written)
{
    const auto date = parseUserDate(qs(written));
    return date ? std::optional<Date>(fromQDate(*date)) : std::nullopt;
}

} // namespace

void FundMenu::importCsv()
{
    shell_.hideWindow(this);
    const QString path = dialogs_.chooseFile(importRequest(), qs(state_.LastImportFile));
    if (!path.isEmpty()) {
        state_.LastImportFile = ss(path);
        try {
            importFile(path);
        } catch (const std::exception& error) {
            // The import stores all or nothing, so the database is as it was.
            dialogs_.messageWithCause(13, qs(error.what()));
        }
    }
    shell_.showWindow(this);
    showDatabaseInfo();
}

void FundMenu::importFile(const QString& path)
{
    FundState& db = state_.Funds;
    ImportOptions options;
    options.decimal = state_.Symbols.decimal;
    options.currencySymbol = state_.CurrencySymbol;
    options.readDate = readShortDate;
    Result<ImportPreview> preview = [&] {
        const WaitCursor wait;
        // A broker's export may be larger than the program's own files.
        const Result<std::string> text = readFileSafely(ss(path), ImportFileLimit);
        return text ? previewImport(db, *text, options) : Result<ImportPreview>(Failure{text.reason()});
    }();
    if (!preview) {
        // "File not found or wrong format. ...", with what was wrong.
        dialogs_.messageWithCause(13, qs(preview.reason()));
        return;
    }
    FundImport dialog(*preview, qs(fileNamePart(ss(path))), state_.Symbols, shell_.frameWidget());
    if (dialogs_.runModal(dialog, DialogPlace::ImportPreview) != QDialog::Accepted)
        return;
    if (!applyImport(db, *preview))
        dialogs_.notice(tr("The database changed while the file was read; nothing was imported."));
}

void FundMenu::saveFile()
{
    FundState& db = state_.Funds;
    shell_.hideWindow(this);
    if (db.RecordCount == 0) {
        dialogs_.message(15); // "No Records."
    } else {
        // On a failure "Bad filename, ..." with the real cause; the changes
        // are still unsaved, so leaving still asks.
        const std::string path = chooseFilePath(state_, dialogs_, 2);
        if (!path.empty() && saveDataFile(dialogs_, path, serializeFundFile(db), 25)) {
            state_.CurrentFileName = fileNamePart(path);
            state_.CurrentFilePath = path;
            db.DatabaseChanged = 0;
        }
    }
    shell_.showWindow(this);
    showDatabaseInfo();
}

std::function<void()> FundMenu::backToMenu()
{
    // The menu may be gone by the time a window it opened is left (the
    // program's Menu reached some other way): the Menu is shown instead.
    return [menu = QPointer<FundMenu>(this), &shell = shell_] {
        if (!menu) {
            shell.showMenu();
            return;
        }
        shell.showWindow(menu);
        menu->showDatabaseInfo();
    };
}

void FundMenu::editRecords()
{
    auto* entry = new FundRecordEntry(ToolContext{state_, dialogs_, shell_}, backToMenu());
    shell_.hideWindow(this);
    shell_.showWindow(entry);
}

void FundMenu::computeCurrentValue()
{
    if (databaseEmpty()) {
        dialogs_.message(15); // "No Records."
        return;
    }
    state_.ToolMode = 0;
    if (firstEmptyFund(state_.Funds) != 0) {
        state_.ToolMode = 10;
        dialogs_.message(28); // "You have Added a Fund Name but have not entered a record in it. ..."
        state_.ToolMode = 0;
        return;
    }
    auto* prices = new FundCurrValue(ToolContext{state_, dialogs_, shell_}, backToMenu());
    shell_.hideWindow(this);
    shell_.showWindow(prices);
}

void FundMenu::displayData()
{
    if (databaseEmpty()) {
        dialogs_.message(15); // "No Records."
        return;
    }
    state_.ToolMode = 2;
    FundChoose chooser(state_.Funds, shell_.frameWidget());
    dialogs_.runModal(chooser, DialogPlace::FundChooser);
    if (state_.Funds.ActiveFund == 0) {
        state_.ToolMode = 0;
        return;
    }
    auto* table = new FundTable(ToolContext{state_, dialogs_, shell_}, backToMenu(), FundTable::Mode::Records);
    shell_.hideWindow(this);
    shell_.showWindow(table);
}

void FundMenu::sortRecords()
{
    FundState& db = state_.Funds;
    if (databaseEmpty()) {
        dialogs_.message(15); // "No Records."
        return;
    }
    db.DatabaseChanged = 1;
    for (auto& row : db.FundValueTable)
        row = {};
    info_->setText(QStringLiteral(" Sorting Funds and Records. "));
    const WaitCursor wait;
    sortFundsByName(db);
    sortRecordsByDate(db);
}

bool FundMenu::mayClose()
{
    FundState& db = state_.Funds;
    // Question 3: "... file in memory will be erased. Do you wish to go back
    // and save it to Disk?." Yes goes back.
    if (db.DatabaseChanged == 1 && db.RecordCount > 0 && dialogs_.question(3))
        return false;
    db.DatabaseChanged = 0;
    return true;
}

void FundMenu::leave()
{
    if (mayClose())
        exitToMenu();
}

void FundMenu::releaseResults()
{
    state_.Funds = emptyFundDatabase();
    state_.CurrentFileName.clear();
    state_.CurrentFilePath.clear();
}

} // namespace fiscalia
