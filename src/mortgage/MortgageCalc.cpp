#include "mortgage/MortgageCalc.h"

#include "app/app_state.h"
#include "app/AtomicSave.h"
#include "app/calc_error.h"
#include "app/Dialogs.h"
#include "app/FileDirectory.h"
#include "app/file_requests.h"
#include "app/Grid.h"
#include "app/HelpViewer.h"
#include "app/PrinterOutput.h"
#include "app/QtText.h"
#include "app/safe_read.h"
#include "app/TableExport.h"
#include "graphs/GraphsAll.h"
#include "mortgage/amortization.h"
#include "mortgage/MortDateInput.h"
#include "mortgage/MortIRFTable.h"
#include "mortgage/MortPrePay.h"
#include "mortgage/mortgage_file.h"
#include "mortgage/mortgage_report.h"
#include "mortgage/quick_help.h"

#include <QApplication>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace fiscalia {

namespace {

std::optional<Date> readSystemDate(const std::string& text)
{
    const auto date = parseUserDate(qs(text));
    return date ? std::optional<Date>(fromQDate(*date)) : std::nullopt;
}

std::string shortDate(const Date& date)
{
    return ss(toShortDate(date));
}

} // namespace

MortgageCalc::MortgageCalc(const ToolContext& context)
    : ToolWindow(context,
                 context.state.LoanMode == 2 ? QStringLiteral("Personal Loan Tables") : QStringLiteral("Mortgage Tables"),
                 context.state.LoanMode == 2 ? HelpTopic::Loan : HelpTopic::Mortgage),
      loanMode_(context.state.LoanMode == 2 ? 2 : 1)
{
    setObjectName(QStringLiteral("MortgageCalc"));
    host_ = std::make_unique<BoxHost>(BoxHost{state_, dialogs_, [this] { clearResults(); }});
    buildControls();
    layOut();
    loadDefaults();
}

MortgageCalc::~MortgageCalc() = default;

void MortgageCalc::buildControls()
{
    // The green boxes and lists.
    BoxSpec money;
    money.slot = 1;
    money.currencyPrefix = true;
    money.width = 16;
    money.selectAllOnFocus = true;
    principal_ = new GreenLineEdit(*host_, money, this);
    principal_->setObjectName(QStringLiteral("InPrincipal"));

    BoxSpec rate;
    rate.slot = 2;
    rate.decimals = 3;
    rate.pattern = QStringLiteral("###.000");
    rate.width = 14;
    rate.suffix = QStringLiteral("%");
    rate_ = new GreenComboBox(*host_, rate, this);
    rate_->setObjectName(QStringLiteral("InRate"));
    rate_->setItems({"6 ", "7 ", "8 ", "9 ", "10 "});

    BoxSpec term;
    term.slot = 3;
    term.filter = KeyFilter::WholeNumber;
    term.pattern = QStringLiteral("###");
    term.width = 16;
    term.limitMessage = 5;
    // A changed term empties the additional payments; a term chosen from
    // the list also ends the P+I increase.
    term.onStored = [this] {
        emptyExtraPayments(state_.Mortgage);
        showAddPmtsIndicator();
    };
    term_ = new GreenComboBox(*host_, term, this);
    term_->setObjectName(QStringLiteral("InTerm"));
    term_->onChosen = [this](int) {
        state_.Mortgage.PIIncrease = 0.0f;
        showAddPmtsIndicator();
    };

    BoxSpec list;
    list.filter = KeyFilter::ListOnly;
    compounding_ = new GreenComboBox(*host_, list, this);
    compounding_->setObjectName(QStringLiteral("Comperiod"));
    frequency_ = new GreenComboBox(*host_, list, this);
    frequency_->setObjectName(QStringLiteral("FreqPmt"));
    QStringList compoundingItems, frequencyItems;
    for (const char* text : CompoundingTexts)
        compoundingItems << QString::fromLatin1(text);
    for (const char* text : FrequencyTexts)
        frequencyItems << QString::fromLatin1(text);
    compounding_->setItems(compoundingItems);
    frequency_->setItems(frequencyItems);
    compounding_->onChosen = [this](int i) { state_.Mortgage.CompoundingPeriod = Compoundings.at(static_cast<std::size_t>(i)); };
    frequency_->onChosen = [this](int i) { state_.Mortgage.PaymentFrequency = Frequencies.at(static_cast<std::size_t>(i)); };

    const int boxWidth = QFontMetrics(figureFont()).horizontalAdvance(QString(16, QLatin1Char('0'))) + 30;
    for (QWidget* box : std::initializer_list<QWidget*>{principal_, rate_, term_, compounding_, frequency_}) {
        box->setFont(figureFont());
        box->setFixedWidth(boxWidth);
    }
    principal_->setBaseWidth(boxWidth);
    rate_->box()->setBaseWidth(boxWidth);
    term_->box()->setBaseWidth(boxWidth);

    // The views act when they become checked, however that happens (a
    // click, the arrow keys, a screen reader).
    allView_ = new QRadioButton(QStringLiteral("All "), this);
    allView_->setObjectName(QStringLiteral("Option1"));
    annualView_ = new QRadioButton(QStringLiteral("Annual"), this);
    annualView_->setObjectName(QStringLiteral("Option2"));
    for (auto [option, view] : {std::pair{allView_, ScheduleView::All}, std::pair{annualView_, ScheduleView::Annual}}) {
        connect(option, &QRadioButton::toggled, this, [this, view = view](bool checked) {
            if (!checked)
                return;
            state_.ToolMode = toolModeOf(view);
            clearResults();
        });
    }

    calc_ = addButton("MCalc", "&Calculate");
    help_ = addButton("MHelp", "Quick &Help");
    graphs_ = addButton("MGraphs", "&Show Graph");
    printer_ = addButton("MPrinter", "To &Printer");
    saveFile_ = addButton("MSaveFile", "S&ave File");
    loadFile_ = addButton("MLoadFile", "&Open File");
    daysButton_ = addButton("MShowIRF", "&Days in year");
    datesButton_ = addButton("MDateNumber", "&View payment date");
    prePay_ = addButton("MAddPrePay", "&Additional payments");
    exit_ = addButton("MExit", "E&xit to Menu");
    connect(calc_, &QPushButton::clicked, this, &MortgageCalc::calculate);
    connect(help_, &QPushButton::clicked, this, &MortgageCalc::toggleQuickHelp);
    connect(graphs_, &QPushButton::clicked, this, &MortgageCalc::showGraph);
    connect(printer_, &QPushButton::clicked, this, &MortgageCalc::print);
    connect(saveFile_, &QPushButton::clicked, this, &MortgageCalc::saveFile);
    connect(loadFile_, &QPushButton::clicked, this, &MortgageCalc::openFile);
    connect(daysButton_, &QPushButton::clicked, this, &MortgageCalc::chooseDaysInYear);
    connect(datesButton_, &QPushButton::clicked, this, &MortgageCalc::toggleDates);
    connect(prePay_, &QPushButton::clicked, this, &MortgageCalc::additionalPayments);
    connect(exit_, &QPushButton::clicked, this, &ToolWindow::exitToMenu);

    addPmtsOn_ = new QLabel(this);
    addPmtsOn_->setObjectName(QStringLiteral("AddPmtsOn"));
    addPmtsOn_->setFixedSize(12, 12);
    addPmtsOn_->setAutoFillBackground(true);
    addPmtsOn_->setToolTip(tr("Red while additional payments or a P+I increase are in force"));
    addPmtsOn_->setAccessibleName(tr("Additional payments in force"));

    inMonthPI_ = new ResultLabel("InMonthPI", 12, this);
    numPmtsYear_ = new ResultLabel("NumPmtsYear", 12, this);
    endMortYear_ = new ResultLabel("EndMortYear", 12, this);
    allPayments_ = new ResultLabel("AllPayments", 12, this);
    totSavd_ = new ResultLabel("TotSavd", 12, this);
    periodicR_ = new ResultLabel("PeriodicR", 12, this);
    inDays_ = new ResultLabel("InDays", 12, this);
    ppPercent_ = new ResultLabel("PPpercent", 12, this);

    grid_ = new Grid(this);
    grid_->setObjectName(QStringLiteral("MGrid"));
    grid_->setCols(6);
    grid_->setRows(23);
    grid_->setFont(figureFont());
    grid_->horizontalHeader()->setFont(QApplication::font());
    grid_->setColAlignment(0, Qt::AlignLeft | Qt::AlignVCenter);
    static constexpr int Widths[] = {1650, 1350, 1350, 1500, 1500, 1560};
    for (int c = 0; c < 6; ++c)
        grid_->setColWidthTwips(c, Widths[c]);
    grid_->setHeadingHeightTwips(600);
    grid_->setFillWidth(true);
    grid_->setAccessibleName(tr("Payment schedule"));
    grid_->enableExport({dialogs_, state_.LastExportFile,
                         loanMode_ == 2 ? QStringLiteral("Personal Loan Table.csv") : QStringLiteral("Mortgage Table.csv")});
    helpText_ = new QuickHelpPanel(dialogs_, this);
    helpText_->setObjectName(QStringLiteral("MTextBox"));
    helpText_->enterTarget = principal_;
    quickHelp_ = std::make_unique<QuickHelpSwitch>(help_, helpText_, grid_,
                                                   QList<QWidget*>{printer_, saveFile_, graphs_});

    // Enter order.
    principal_->spec().next = rate_;
    rate_->setNext(term_);
    term_->setNext(compounding_);
    compounding_->setNext(frequency_);
    frequency_->setNext(calc_);
}

void MortgageCalc::layOut()
{
    // Inputs on the left, results on the right, the grid (or the Quick
    // Help) below, the buttons at the bottom.
    label1_ = captionLabel("Label1", QString(), this);
    label2_ = captionLabel("Label2", QString(), this);
    label3_ = captionLabel("Label3", QString(), this);
    label8_ = captionLabel("Label8", QString(), this);
    label11_ = captionLabel("Label11", QString(), this);
    label16_ = captionLabel("Label16", QString(), this);
    auto* views = new QWidget(this);
    auto* viewsLayout = new QHBoxLayout(views);
    viewsLayout->setContentsMargins(0, 0, 0, 0);
    viewsLayout->addWidget(allView_);
    viewsLayout->addWidget(annualView_);
    viewsLayout->addStretch();
    auto* inputs = captionColumn(
        {
            {label1_, principal_},
            {label2_, rate_},
            {label3_, term_},
            {captionLabel("Label6", QStringLiteral(" Interest compound           periods per year."), this), compounding_},
            {captionLabel("Label10", QStringLiteral(" Frequency and type of     each payment."), this), frequency_},
            {captionLabel("Label12", QStringLiteral(" Show payments."), this), views},
        },
        142);
    auto* results = captionColumn(
        {
            {captionLabel("Label4", QStringLiteral(" Principal + Interest   payment."), this), inMonthPI_},
            {captionLabel("Label9", QStringLiteral(" No. of payments   each year."), this), numPmtsYear_},
            {label11_, endMortYear_},
            {label8_, allPayments_},
            {captionLabel("Label5", QStringLiteral(" Total interest      savings."), this), totSavd_},
            {captionLabel("Label14", QStringLiteral(" Interest rate        factor."), this), periodicR_},
            {captionLabel("Label15", QStringLiteral(" Days          in year."), this), inDays_},
            {label16_, ppPercent_},
        },
        128);
    auto* top = new QHBoxLayout;
    top->addLayout(inputs);
    top->addSpacing(24);
    top->addLayout(results);
    top->addStretch(1);

    auto* prePayCell = new QWidget(this);
    auto* prePayLayout = new QHBoxLayout(prePayCell);
    prePayLayout->setContentsMargins(0, 0, 0, 0);
    prePayLayout->addWidget(prePay_, 1);
    prePayLayout->addWidget(addPmtsOn_);
    auto* buttons = buttonRows({{calc_, help_, graphs_, printer_, exit_},
                                {saveFile_, loadFile_, daysButton_, datesButton_, prePayCell}});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 6);
    layout->setSpacing(5);
    layout->addLayout(top);
    layout->addWidget(grid_, 1);
    layout->addWidget(helpText_, 1);
    layout->addLayout(buttons);

    setTabOrder(principal_, rate_);
    setTabOrder(rate_, term_);
    setTabOrder(term_, compounding_);
    setTabOrder(compounding_, frequency_);
    setTabOrder(frequency_, allView_);
    setTabOrder(allView_, annualView_);
    setTabOrder(annualView_, calc_);
}

void MortgageCalc::applyMode(int loanMode)
{
    const bool loan = loanMode == 2;
    loanMode_ = loan ? 2 : 1;
    state_.LoanMode = loanMode_;
    setCaption(label1_, loan ? QStringLiteral(" Principal amount of the     loan.")
                             : QStringLiteral(" Principal amount of           mortgage."));
    setCaption(label2_, loan ? QStringLiteral(" Annual interest rate%.") : QStringLiteral(" Annual interest rate %"));
    setCaption(label3_, loan ? QStringLiteral(" Payback period of the      loan in months.")
                             : QStringLiteral(" Amortization period in       years."));
    setCaption(label8_, loan ? QStringLiteral(" Total paid over     life of the loan.")
                             : QStringLiteral(" Total paid over    life of mortgage"));
    setCaption(label11_, loan ? QStringLiteral(" No. months to   final payment.")
                              : QStringLiteral(" No. of years to  final payment."));
    BoxSpec& term = term_->spec();
    term.limit = loan ? 480 : 40;
    term.scale = loan ? 12.0 : 1.0;
    term_->setItems(loan ? QStringList{"24", "36", "48", "60"} : QStringList{"25", "30", "40"});
    setHelpContext(this, loan ? HelpTopic::Loan : HelpTopic::Mortgage);
    shell_.setFrameCaption(loan ? QStringLiteral("Personal Loan Tables") : QStringLiteral("Mortgage Tables"));
}

void MortgageCalc::showPlan()
{
    const MortgageState& ms = state_.Mortgage;
    principal_->showStoredValue();
    rate_->box()->showStoredValue();
    term_->box()->showStoredValue();
    compounding_->showChoice(static_cast<int>(ms.CompoundingPeriod));
    frequency_->showChoice(static_cast<int>(ms.PaymentFrequency));
    {
        const QSignalBlocker quietAll(allView_);
        const QSignalBlocker quietAnnual(annualView_);
        (scheduleView(state_.ToolMode) == ScheduleView::All ? allView_ : annualView_)->setChecked(true);
    }
    datesButton_->setText(ms.DatesOn == 1 ? QStringLiteral("&View payment No.") : QStringLiteral("&View payment date"));
    showAddPmtsIndicator();
}

void MortgageCalc::loadDefaults()
{
    AppState& st = state_;
    MortgageState& ms = st.Mortgage;
    loadMortgageDefaults(st, loanMode_);
    applyMode(loanMode_);
    showPlan();
    // The window's first texts, as designed.
    const bool loan = loanMode_ == 2;
    principal_->setText(QStringLiteral("   ") + qs(st.CurrencySymbol)
                        + qs(formatNumber(loan ? 20000.0 : 100000.0, "####,,###.00", st.Symbols)));
    rate_->lineEdit()->setText((loan ? QStringLiteral("         ") : QStringLiteral("        "))
                               + qs(formatNumber(10.125, "###.000", st.Symbols)) + QStringLiteral("%"));
    term_->lineEdit()->setText(loan ? QStringLiteral("            48") : QStringLiteral("            25"));
    if (!ms.StartDateSet) {
        const auto today = parseUserDate(qs(st.TodayText));
        ms.StartDate = fromQDate(today ? *today : QDate::currentDate());
        ms.StartDateSet = true;
    }
    static constexpr const char* Headings[] = {" Payment  Year",      "Interest Payment",    "Principal Payment",
                                               "Remaining Balance",   "Cumulative Interest", "Cumulative Principal"};
    for (int c = 0; c < 6; ++c)
        grid_->setText(0, c, QString::fromLatin1(Headings[c]));
    setCaption(label16_, qs(piIncludesText(0.0f, st.Symbols)));
    st.ResultsReady = 0;
    st.EditFlag = 0;
    quickHelpOpen_ = false;
    principal_->setFocus();
}

void MortgageCalc::showAddPmtsIndicator()
{
    const bool on = additionalPaymentsInForce(state_.Mortgage);
    QPalette palette = addPmtsOn_->palette();
    palette.setColor(QPalette::Window, on ? QColor(248, 0, 0) : palette.color(QPalette::Button));
    addPmtsOn_->setPalette(palette);
    addPmtsOn_->setProperty("inForce", on);
    addPmtsOn_->setAccessibleDescription(on ? tr("in force") : tr("none"));
}

void MortgageCalc::clearResults()
{
    AppState& st = state_;
    for (QLabel* label : {inDays_, periodicR_, numPmtsYear_, endMortYear_, inMonthPI_, ppPercent_, totSavd_,
                          allPayments_})
        label->clear();
    st.EditFlag = 1;
    setCaption(label16_, QStringLiteral(" P+I includes  ") + QStringLiteral("    0.000%"));
    if (quickHelpOpen_)
        return; // the help text stays on screen
    grid_->clearData();
    if (quickHelp_->shown()) {
        quickHelp_->hide();
        st.EditFlag = 0;
    }
    quickHelpOpen_ = false;
    st.ResultsReady = 0;
    st.Mortgage.Results.reset();
}

void MortgageCalc::toggleQuickHelp()
{
    if (!quickHelpOpen_) {
        quickHelpOpen_ = true;
        quickHelp_->show(qs(mortgageQuickHelp(loanMode_)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        return;
    }
    quickHelpOpen_ = false;
    clearResults();
}

void MortgageCalc::calculate()
{
    AppState& st = state_;
    commitFocusedBox();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    clearResults();
    st.EditFlag = 0;
    st.ReportLines[1].clear();
    MortgageRun run{amortizationInput(st), {}};
    if (const int message = runCalculation(run.result, [&] { return calculateAmortization(run.input); })) {
        QApplication::restoreOverrideCursor();
        dialogs_.message(message);
        return;
    }
    const AmortizationResult& result = run.result;
    inMonthPI_->setText(qs(result.inMonthPI));
    periodicR_->setText(qs(result.periodicR));
    numPmtsYear_->setText(qs(result.numPmtsYear));
    endMortYear_->setText(qs(result.endMortYear));
    allPayments_->setText(qs(result.allPayments));
    totSavd_->setText(qs(result.totSavd));
    ppPercent_->setText(qs(result.ppPercent));
    setCaption(label16_, qs(result.label16));
    inDays_->setText(qs(result.inDays));

    const ScheduleGrid cells = scheduleGrid(result, run.input, shortDate);
    grid_->setText(0, 0, qs(cells.column0Heading));
    grid_->cells().setDataRows(cells.rows, cells.cells);
    grid_->scrollToTop();

    st.ReportLines[1] = result.reportLine1;
    st.GraphTitle = result.graphTitle;
    st.ResultsReady = result.resultsReady;
    st.Mortgage.Results = std::move(run);
    QApplication::restoreOverrideCursor();
}

void MortgageCalc::toggleDates()
{
    clearResults();
    MortgageState& ms = state_.Mortgage;
    ms.DatesOn = ms.DatesOn == 1 ? 0 : 1;
    datesButton_->setText(ms.DatesOn == 1 ? QStringLiteral("&View payment No.") : QStringLiteral("&View payment date"));
    if (ms.DatesOn == 1) {
        MortDateInput input(state_, dialogs_, shell_.frameWidget());
        dialogs_.runModal(input, DialogPlace::StartDate);
    }
}

void MortgageCalc::showGraph()
{
    showGraphFor(this, ToolContext{state_, dialogs_, shell_}, 4);
}

void MortgageCalc::print()
{
    if (!beginPrintout(state_, dialogs_) || !state_.Mortgage.Results)
        return;
    MortgageReportInput report;
    report.header = state_.PrintHeader;
    report.printFontChoice = setupPrinterFont(state_);
    report.pageLines = state_.PageLines;
    report.input = &state_.Mortgage.Results->input;
    report.result = &state_.Mortgage.Results->result;
    report.formatDate = shortDate;
    finishPrintout(mortgageReport(report), dialogs_,
                   loanMode_ == 2 ? QStringLiteral("Personal Loan Table") : QStringLiteral("Mortgage Table"));
}

void MortgageCalc::chooseDaysInYear()
{
    MortIRFTable days(state_, shell_.frameWidget());
    dialogs_.runModal(days, DialogPlace::DaysInYear);
    clearResults();
}

void MortgageCalc::additionalPayments()
{
    clearResults();
    commitFocusedBox();
    MortPrePay prePay(state_, dialogs_, shell_.frameWidget());
    dialogs_.runModal(prePay, DialogPlace::AdditionalPayments);
    showAddPmtsIndicator();
}

std::string& MortgageCalc::rememberedFile()
{
    return loanMode_ == 2 ? state_.LastLoanFile : state_.LastMortgageFile;
}

std::string MortgageCalc::chooseFile(bool save)
{
    return chooseFilePath(state_, dialogs_, (loanMode_ == 2 ? 7 : 5) + (save ? 1 : 0));
}

void MortgageCalc::applyFile(const MortgageFile& file)
{
    applyMortgageFile(file, state_);
    if (state_.LoanMode != loanMode_)
        applyMode(state_.LoanMode);
    showPlan();
    // The shown results belong to the plan that was on screen.
    clearResults();
    state_.EditFlag = 0;
}

void MortgageCalc::saveFile()
{
    shell_.hideWindow(this);
    if (state_.ResultsReady == 0) {
        dialogs_.message(15); // "No Records."
    } else if (const std::string path = chooseFile(true); !path.empty()) {
        const std::string text = serializeMortgageFile(mortgageFileOf(state_));
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const Result<void> saved = saveAtomically(qs(path), QByteArray::fromStdString(text));
        QApplication::restoreOverrideCursor();
        if (saved)
            rememberedFile() = path;
        else
            dialogs_.notice(tr("The file %1 could not be saved: %2. A file already there is unchanged.")
                                .arg(QDir::toNativeSeparators(qs(path)), qs(saved.reason())));
    }
    shell_.showWindow(this);
}

void MortgageCalc::openFile()
{
    shell_.hideWindow(this);
    if (const std::string path = chooseFile(false); !path.empty()) {
        const Result<std::string> text = readFileSafely(path);
        const Result<MortgageFile> file =
            text ? parseMortgageFile(*text, readSystemDate) : Result<MortgageFile>(Failure{text.reason()});
        if (file) {
            applyFile(*file);
            rememberedFile() = path;
        } else {
            // "File not found or wrong format. ...", with what was wrong.
            dialogs_.messageWithCause(13, qs(file.reason()));
            rememberedFile().clear();
        }
    }
    shell_.showWindow(this);
}

void MortgageCalc::releaseResults()
{
    AppState& st = state_;
    MortgageState& ms = st.Mortgage;
    ms.Results.reset();
    emptyExtraPayments(ms);
    st.ReportLines = {};
    helpText_->clear();
    st.ToolMode = 0;
    st.EditFlag = 0;
    st.ResultsReady = 0;
    st.GraphKind = 0;
    ms.PIIncrease = 0.0f;
}

} // namespace fiscalia
