#include "mortgage/MortgageCalc.h"

#include "app/app_state.h"
#include "app/calc_error.h"
#include "app/Dialogs.h"
#include "app/Grid.h"
#include "app/HelpViewer.h"
#include "app/QtText.h"
#include "app/AtomicSave.h"
#include "app/FileDirectory.h"
#include "app/file_requests.h"
#include "app/PrinterOutput.h"
#include "graphs/GraphsAll.h"
#include "mortgage/amortization.h"
#include "mortgage/MortDateInput.h"
#include "mortgage/MortIRFTable.h"
#include "mortgage/MortPrePay.h"
#include "mortgage/mortgage_file.h"
#include "mortgage/mortgage_report.h"
#include "mortgage/quick_help.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace fiscalia {

namespace {

// The Quick Help panel takes no typing: Enter goes back to the first box,
// other keys beep.
class QuickHelpText : public QPlainTextEdit {
public:
    QuickHelpText(Dialogs& dialogs, QWidget* parent) : QPlainTextEdit(parent), dialogs_(dialogs)
    {
        setReadOnly(true);
    }
    QWidget* enterTarget = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            if (enterTarget)
                enterTarget->setFocus(Qt::TabFocusReason);
            return;
        }
        if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab
            || (event->modifiers() & Qt::AltModifier)) {
            event->ignore();
            return;
        }
        if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll)) {
            QPlainTextEdit::keyPressEvent(event);
            return;
        }
        const int key = event->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
            QPlainTextEdit::keyPressEvent(event); // reading the help
            return;
        }
        dialogs_.beep();
    }

private:
    Dialogs& dialogs_;
};

QLabel* captionLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.9);
    label->setFont(font);
    return label;
}

QFont fixedFont()
{
    QFont font(QStringLiteral("Liberation Mono"));
    font.setPointSize(9);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

QLabel* resultLabel(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(fixedFont());
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setFixedWidth(QFontMetrics(fixedFont()).horizontalAdvance(QString(12, QLatin1Char('0'))) + 10);
    return label;
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
    loadDefaults();
}

MortgageCalc::~MortgageCalc() = default;

void MortgageCalc::buildControls()
{

    // Input boxes.
    BoxSpec money;
    money.slot = 1;
    money.currencyPrefix = true;
    money.pattern = QStringLiteral("####,,###.00");
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

    BoxSpec term;
    term.slot = 3;
    term.filter = KeyFilter::WholeNumber;
    term.pattern = QStringLiteral("###");
    term.width = 16;
    term.limitMessage = 5;
    term.onStored = [this] { emptyExtraPayments(); };
    term_ = new GreenComboBox(*host_, term, this);
    term_->setObjectName(QStringLiteral("InTerm"));
    term_->onChosen = [this] {
        emptyExtraPayments();
        state_.Mortgage.PIIncrease = 0.0f;
        setAddPmtsIndicator(false);
    };

    BoxSpec list;
    list.filter = KeyFilter::ListOnly;
    compounding_ = new GreenComboBox(*host_, list, this);
    compounding_->setObjectName(QStringLiteral("Comperiod"));
    frequency_ = new GreenComboBox(*host_, list, this);
    frequency_->setObjectName(QStringLiteral("FreqPmt"));
    for (const char* text : CompoundingTexts)
        compounding_->addItem(QString::fromLatin1(text));
    for (const char* text : FrequencyTexts)
        frequency_->addItem(QString::fromLatin1(text));
    const int boxWidth = QFontMetrics(fixedFont()).horizontalAdvance(QString(16, QLatin1Char('0'))) + 30;
    for (QWidget* box : std::initializer_list<QWidget*>{principal_, rate_, term_, compounding_, frequency_}) {
        box->setFont(fixedFont());
        box->setFixedWidth(boxWidth);
    }

    allView_ = new QRadioButton(QStringLiteral("All "), this);
    allView_->setObjectName(QStringLiteral("Option1"));
    annualView_ = new QRadioButton(QStringLiteral("Annual"), this);
    annualView_->setObjectName(QStringLiteral("Option2"));
    connect(allView_, &QRadioButton::clicked, this, [this] {
        state_.ToolMode = AllView;
        clearResults();
    });
    connect(annualView_, &QRadioButton::clicked, this, [this] {
        state_.ToolMode = AnnualView;
        clearResults();
    });

    // Buttons.
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

    // Result labels.
    inMonthPI_ = resultLabel("InMonthPI", this);
    numPmtsYear_ = resultLabel("NumPmtsYear", this);
    endMortYear_ = resultLabel("EndMortYear", this);
    allPayments_ = resultLabel("AllPayments", this);
    totSavd_ = resultLabel("TotSavd", this);
    periodicR_ = resultLabel("PeriodicR", this);
    inDays_ = resultLabel("InDays", this);
    ppPercent_ = resultLabel("PPpercent", this);
    label16_ = captionLabel("Label16", QString(), this);

    // Grid and Quick Help.
    grid_ = new Grid(this);
    grid_->setObjectName(QStringLiteral("MGrid"));
    grid_->setCols(6);
    grid_->setRows(23);
    grid_->setFont(fixedFont());
    grid_->horizontalHeader()->setFont(QApplication::font());
    grid_->setColAlignment(0, Qt::AlignLeft | Qt::AlignVCenter);
    static constexpr int Widths[] = {1650, 1350, 1350, 1500, 1500, 1560};
    for (int c = 0; c < 6; ++c)
        grid_->setColWidthTwips(c, Widths[c]);
    grid_->setHeadingHeightTwips(600);
    grid_->setFillWidth(true);
    grid_->setAccessibleName(tr("Payment schedule"));
    auto* helpText = new QuickHelpText(dialogs_, this);
    helpText->setObjectName(QStringLiteral("MTextBox"));
    helpText->enterTarget = principal_;
    helpText->setFont(fixedFont()); // the example figures are lined up in columns
    helpText->hide();
    helpText_ = helpText;

    // Enter order.
    principal_->spec().next = rate_;
    rate_->setNext(term_);
    term_->setNext(compounding_);
    compounding_->setNext(frequency_);
    frequency_->setNext(calc_);

    // Layout: inputs on the left, results on the right, the grid below, the
    // buttons at the bottom.
    auto* inputs = new QGridLayout;
    inputs->setHorizontalSpacing(8);
    inputs->setVerticalSpacing(1);
    // A caption beside the control it names (its buddy, for screen readers).
    auto captionRow = [](QGridLayout* grid, int row, QLabel* label, QWidget* control, int width) {
        label->setBuddy(control);
        label->setFixedWidth(width);
        grid->addWidget(label, row, 0);
        grid->addWidget(control, row, 1);
    };
    auto addInput = [&](int row, QLabel* label, QWidget* box) { captionRow(inputs, row, label, box, 142); };
    addInput(0, captionLabel("Label1", QString(), this), principal_);
    addInput(1, captionLabel("Label2", QString(), this), rate_);
    addInput(2, captionLabel("Label3", QString(), this), term_);
    addInput(3, captionLabel("Label6", QStringLiteral(" Interest compound           periods per year."), this), compounding_);
    addInput(4, captionLabel("Label10", QStringLiteral(" Frequency and type of     each payment."), this), frequency_);
    auto* views = new QHBoxLayout;
    views->addWidget(allView_);
    views->addWidget(annualView_);
    views->addStretch();
    inputs->addWidget(captionLabel("Label12", QStringLiteral(" Show payments."), this), 5, 0);
    inputs->addLayout(views, 5, 1);
    inputs->setColumnStretch(0, 1);

    auto* results = new QGridLayout;
    results->setHorizontalSpacing(8);
    results->setVerticalSpacing(1);
    auto addResult = [&](int row, QLabel* label, QLabel* value) { captionRow(results, row, label, value, 128); };
    addResult(0, captionLabel("Label4", QStringLiteral(" Principal + Interest   payment."), this), inMonthPI_);
    addResult(1, captionLabel("Label9", QStringLiteral(" No. of payments   each year."), this), numPmtsYear_);
    addResult(2, captionLabel("Label11", QString(), this), endMortYear_);
    addResult(3, captionLabel("Label8", QString(), this), allPayments_);
    addResult(4, captionLabel("Label5", QStringLiteral(" Total interest      savings."), this), totSavd_);
    addResult(5, captionLabel("Label14", QStringLiteral(" Interest rate        factor."), this), periodicR_);
    addResult(6, captionLabel("Label15", QStringLiteral(" Days          in year."), this), inDays_);
    addResult(7, label16_, ppPercent_);
    results->setColumnStretch(0, 1);

    auto* top = new QHBoxLayout;
    top->addLayout(inputs);
    top->addSpacing(24);
    top->addLayout(results);
    top->addStretch(1);

    auto* buttons = new QGridLayout;
    buttons->setHorizontalSpacing(6);
    buttons->setVerticalSpacing(4);
    const QList<QPushButton*> order{calc_, help_, graphs_, printer_, exit_, saveFile_, loadFile_,
                                    daysButton_, datesButton_, prePay_};
    for (int i = 0; i < order.size(); ++i)
        buttons->addWidget(order[i], i / 5, i % 5);
    auto* prePayCell = new QHBoxLayout;
    buttons->removeWidget(prePay_);
    prePayCell->addWidget(prePay_, 1);
    prePayCell->addWidget(addPmtsOn_);
    buttons->addLayout(prePayCell, 1, 4);
    buttons->setColumnStretch(5, 1); // buttons keep their size in a wide window

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
    auto text = [this](const char* name, const QString& caption) {
        findChild<QLabel*>(QString::fromLatin1(name))->setText(caption);
    };
    text("Label1", loan ? QStringLiteral(" Principal amount of the     loan.")
                        : QStringLiteral(" Principal amount of           mortgage."));
    text("Label2", loan ? QStringLiteral(" Annual interest rate%.") : QStringLiteral(" Annual interest rate %"));
    text("Label3", loan ? QStringLiteral(" Payback period of the      loan in months.")
                        : QStringLiteral(" Amortization period in       years."));
    text("Label8", loan ? QStringLiteral(" Total paid over     life of the loan.")
                        : QStringLiteral(" Total paid over    life of mortgage"));
    text("Label11", loan ? QStringLiteral(" No. months to   final payment.")
                         : QStringLiteral(" No. of years to  final payment."));
    BoxSpec& term = term_->spec();
    term.limit = loan ? 480 : 40;
    term.scale = loan ? 12.0 : 1.0;
    term_->clear();
    term_->addItems(loan ? QStringList{"24", "36", "48", "60"} : QStringList{"25", "30", "40"});
    setHelpContext(this, loan ? HelpTopic::Loan : HelpTopic::Mortgage);
    shell_.setFrameCaption(loan ? QStringLiteral("Personal Loan Tables") : QStringLiteral("Mortgage Tables"));
}

void MortgageCalc::loadDefaults()
{
    const bool loan = loanMode_ == 2;
    AppState& st = state_;
    MortgageState& ms = st.Mortgage;
    applyMode(loanMode_);
    st.InputValues.assign(6, Currency());
    st.InputValues[1] = Currency::fromInt(loan ? 20000 : 100000);
    st.InputValues[2] = Currency::fromDouble(10.125);
    st.InputValues[3] = Currency::fromInt(loan ? 4 : 25);
    principal_->setText(QStringLiteral("   ") + qs(st.CurrencySymbol)
                        + qs(formatNumber(loan ? 20000.0 : 100000.0, "####,,###.00", st.Symbols)));
    for (const char* item : {"6 ", "7 ", "8 ", "9 ", "10 "})
        rate_->addItem(QString::fromLatin1(item));
    rate_->lineEdit()->setText((loan ? QStringLiteral("         ") : QStringLiteral("        "))
                               + qs(formatNumber(10.125, "###.000", st.Symbols)) + QStringLiteral("%"));
    term_->lineEdit()->setText(loan ? QStringLiteral("            48") : QStringLiteral("            25"));

    compounding_->setCurrentIndex(0);
    frequency_->setCurrentIndex(0);
    annualView_->setChecked(true);
    st.ToolMode = AnnualView;
    ms.DatesOn = 0;
    ms.DaysChoice = 1;
    ms.DaysInYear = 365.0f;
    ms.BiweeklyPeriods = 365.0 / 14.0;
    ms.WeeklyPeriods = 365.0 / 7.0;
    ms.RowCount = 26;
    ms.PIIncrease = 0.0f;
    ms.ExtraLines = 0;
    emptyExtraPayments();
    if (!ms.StartDateSet) {
        const auto today = parseUserDate(qs(st.TodayText));
        ms.StartDate = fromQDate(today ? *today : QDate::currentDate());
        ms.StartDateSet = true;
    }
    st.ResultsReady = 0;
    st.EditFlag = 0;
    quickHelpOpen_ = false;

    static constexpr const char* Headings[] = {" Payment  Year",      "Interest Payment",    "Principal Payment",
                                               "Remaining Balance",   "Cumulative Interest", "Cumulative Principal"};
    for (int c = 0; c < 6; ++c)
        grid_->setText(0, c, QString::fromLatin1(Headings[c]));
    label16_->setText(qs(piIncludesText(0.0f, st.Symbols)));
    setAddPmtsIndicator(false);
    principal_->setFocus();
}

void MortgageCalc::emptyExtraPayments()
{
    state_.Mortgage.ExtraPayments.assign(ExtraPaymentRows, std::array<Currency, 3>{});
    state_.Mortgage.ExtraCount = 0;
}

void MortgageCalc::setAddPmtsIndicator(bool on)
{
    QPalette palette = addPmtsOn_->palette();
    palette.setColor(QPalette::Window, on ? QColor(248, 0, 0) : palette.color(QPalette::Button));
    addPmtsOn_->setPalette(palette);
    addPmtsOn_->setProperty("inForce", on);
}

void MortgageCalc::clearResults()
{
    AppState& st = state_;
    for (QLabel* label : {inDays_, periodicR_, numPmtsYear_, endMortYear_, inMonthPI_, ppPercent_, totSavd_,
                          allPayments_})
        label->clear();
    st.EditFlag = 1;
    label16_->setText(QStringLiteral(" P+I includes  ") + QStringLiteral("    0.000%"));
    if (quickHelpOpen_)
        return; // the help text stays on screen
    helpText_->clear();
    grid_->clearData();
    if (help_->text() == QLatin1String("Close &Help")) {
        help_->setText(QStringLiteral("Quick &Help"));
        printer_->setEnabled(true);
        saveFile_->setEnabled(true);
        graphs_->setEnabled(true);
        helpText_->hide();
        grid_->show();
        st.EditFlag = 0;
    }
    quickHelpOpen_ = false;
    st.ResultsReady = 0;
}

void MortgageCalc::toggleQuickHelp()
{
    if (help_->text() == QLatin1String("Quick &Help")) {
        quickHelpOpen_ = true;
        help_->setText(QStringLiteral("Close &Help"));
        printer_->setEnabled(false);
        saveFile_->setEnabled(false);
        graphs_->setEnabled(false);
        grid_->hide();
        helpText_->setPlainText(qs(mortgageQuickHelp(loanMode_)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        helpText_->show();
        return;
    }
    quickHelpOpen_ = false;
    clearResults();
}

AmortizationInput MortgageCalc::currentInput() const
{
    const AppState& st = state_;
    const MortgageState& ms = st.Mortgage;
    AmortizationInput in;
    auto slot = [&](std::size_t i) { return i < st.InputValues.size() ? st.InputValues[i] : Currency(); };
    in.principal = slot(1);
    in.rate = slot(2);
    in.term = slot(3);
    in.frequency = ss(frequency_->currentText());
    in.compounding = ss(compounding_->currentText());
    in.loanMode = loanMode_;
    in.view = st.ToolMode == AllView ? AllView : AnnualView;
    in.datesOn = ms.DatesOn == 1;
    in.startDate = ms.StartDate;
    in.daysInYear = ms.DaysInYear;
    in.biweeklyPeriods = ms.BiweeklyPeriods;
    in.weeklyPeriods = ms.WeeklyPeriods;
    in.piIncrease = ms.PIIncrease;
    in.extraPayments = ms.ExtraPayments;
    in.extraCount = ms.ExtraCount;
    in.currencySymbol = st.CurrencySymbol;
    in.symbols = st.Symbols;
    return in;
}

void MortgageCalc::calculate()
{
    AppState& st = state_;
    MortgageState& ms = st.Mortgage;
    commitFocusedBox();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    clearResults();
    st.EditFlag = 0;
    st.ResultsReady = 0;
    ms.ExtraLines = 0;
    st.ReportLines[1].clear();
    const AmortizationInput in = currentInput();
    AmortizationResult result;
    try {
        result = calculateAmortization(in);
    } catch (const CalcError&) {
        QApplication::restoreOverrideCursor();
        dialogs_.message(3);
        return;
    }
    if (result.message != 0) {
        QApplication::restoreOverrideCursor();
        dialogs_.message(result.message);
        return;
    }

    inMonthPI_->setText(qs(result.inMonthPI));
    periodicR_->setText(qs(result.periodicR));
    numPmtsYear_->setText(qs(result.numPmtsYear));
    endMortYear_->setText(qs(result.endMortYear));
    allPayments_->setText(qs(result.allPayments));
    totSavd_->setText(qs(result.totSavd));
    ppPercent_->setText(qs(result.ppPercent));
    label16_->setText(qs(result.label16));
    inDays_->setText(qs(result.inDays));

    const ScheduleGrid cells = scheduleGrid(result, in, [](const Date& d) { return ss(toShortDate(d)); });
    grid_->setText(0, 0, qs(cells.column0Heading));
    std::vector<QString> texts;
    texts.reserve(cells.cells.size());
    for (const auto& text : cells.cells)
        texts.push_back(qs(text));
    grid_->cells().setDataRows(cells.rows, texts);
    grid_->scrollToTop();

    ms.ScheduleTable = result.schedule;
    ms.AnnualTable = result.annual;
    ms.PaymentsPerYear = result.paymentsPerYear;
    ms.YearsToPayoff = result.yearsToPayoff;
    ms.RowCount = result.rowCount;
    ms.ExtraLines = result.extraLines;
    st.ReportLines[1] = result.reportLine1;
    st.GraphTitle = result.graphTitle;
    st.ResultsReady = result.resultsReady;
    lastInput_ = std::make_unique<AmortizationInput>(in);
    lastResult_ = std::make_unique<AmortizationResult>(std::move(result));
    QApplication::restoreOverrideCursor();
}

void MortgageCalc::toggleDates()
{
    clearResults();
    MortgageState& ms = state_.Mortgage;
    if (datesButton_->text() == QLatin1String("&View payment date")) {
        datesButton_->setText(QStringLiteral("&View payment No."));
        ms.DatesOn = 1;
        MortDateInput input(state_, dialogs_, shell_.frameWidget());
        dialogs_.runModal(input, DialogPlace::StartDate);
    } else {
        datesButton_->setText(QStringLiteral("&View payment date"));
        ms.DatesOn = 0;
    }
}

void MortgageCalc::showGraph()
{
    if (state_.ResultsReady == 0) {
        dialogs_.message(2);
        return;
    }
    state_.GraphKind = 4;
    auto* graph = new GraphsAll(ToolContext{state_, dialogs_, shell_}, this);
    shell_.hideWindow(this);
    shell_.showWindow(graph);
}

void MortgageCalc::print()
{
    if (!beginPrintout(state_, dialogs_))
        return;
    if (!lastInput_ || !lastResult_)
        return;
    MortgageReportInput report;
    report.header = state_.PrintHeader;
    report.printFontChoice = setupPrinterFont(state_);
    report.pageLines = state_.PageLines;
    report.input = lastInput_.get();
    report.result = lastResult_.get();
    report.formatDate = [](const Date& d) { return ss(toShortDate(d)); };
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
    const MortgageState& ms = state_.Mortgage;
    setAddPmtsIndicator(ms.PIIncrease > 0 || ms.ExtraCount > 0);
}

std::string& MortgageCalc::rememberedFile()
{
    return loanMode_ == 2 ? state_.LastLoanFile : state_.LastMortgageFile;
}

std::string MortgageCalc::chooseFile(bool save)
{
    AppState& st = state_;
    st.FileAction = (loanMode_ == 2 ? 7 : 5) + (save ? 1 : 0);
    st.ChosenFile = rememberedFile();
    FileDirectory(st, dialogs_);
    std::string chosen = st.FileAction == FileCancelled ? std::string() : st.ChosenFile;
    st.FileAction = 0;
    st.ChosenFile.clear();
    return chosen;
}

MortgageFile MortgageCalc::currentFile() const
{
    const AppState& st = state_;
    const MortgageState& ms = st.Mortgage;
    auto slot = [&](std::size_t i) { return i < st.InputValues.size() ? st.InputValues[i] : Currency(); };
    MortgageFile file;
    file.principal = slot(1);
    file.rate = slot(2);
    file.term = slot(3);
    file.compounding = ss(compounding_->currentText());
    file.frequency = ss(frequency_->currentText());
    file.startDate = ms.StartDate;
    file.datesOn = ms.DatesOn;
    file.daysChoice = ms.DaysChoice;
    file.view = st.ToolMode == AllView ? AllView : AnnualView;
    file.extraRows = ms.ExtraRows;
    file.extraCount = ms.ExtraCount;
    file.loanMode = loanMode_;
    file.daysInYear = ms.DaysInYear;
    file.piIncrease = ms.PIIncrease;
    for (int y = 1; y <= ms.ExtraRows; ++y)
        file.years.emplace_back(ms.ExtraPayments[static_cast<std::size_t>(y)][1],
                                ms.ExtraPayments[static_cast<std::size_t>(y)][2]);
    return file;
}

void MortgageCalc::applyFile(const MortgageFile& file)
{
    AppState& st = state_;
    MortgageState& ms = st.Mortgage;
    if (file.loanMode != loanMode_)
        applyMode(file.loanMode);
    st.InputValues.resize(6);
    st.InputValues[1] = file.principal;
    st.InputValues[2] = file.rate;
    st.InputValues[3] = file.term;
    principal_->showStoredValue();
    rate_->box()->showStoredValue();
    term_->box()->showStoredValue();
    compounding_->setCurrentText(qs(file.compounding));
    frequency_->setCurrentText(qs(file.frequency));
    ms.StartDate = file.startDate;
    ms.StartDateSet = true;
    ms.DatesOn = file.datesOn;
    datesButton_->setText(ms.DatesOn == 1 ? QStringLiteral("&View payment No.") : QStringLiteral("&View payment date"));
    const DaysOption days = daysOption(file.daysChoice);
    ms.DaysChoice = file.daysChoice;
    ms.DaysInYear = days.daysInYear;
    ms.BiweeklyPeriods = days.biweeklyPeriods;
    ms.WeeklyPeriods = days.weeklyPeriods;
    st.ToolMode = file.view == AllView ? AllView : AnnualView;
    (st.ToolMode == AllView ? allView_ : annualView_)->setChecked(true);
    emptyExtraPayments();
    ms.ExtraRows = file.extraRows;
    ms.ExtraCount = file.extraCount;
    ms.PIIncrease = file.piIncrease;
    for (std::size_t y = 0; y < file.years.size(); ++y) {
        ms.ExtraPayments[y + 1][1] = file.years[y].first;
        ms.ExtraPayments[y + 1][2] = file.years[y].second;
    }
    // The shown results belong to the plan that was on screen.
    clearResults();
    st.EditFlag = 0;
    setAddPmtsIndicator(ms.PIIncrease > 0 || ms.ExtraCount > 0);
}

void MortgageCalc::saveFile()
{
    shell_.hideWindow(this);
    if (state_.ResultsReady == 0) {
        dialogs_.message(15); // "No Records."
    } else if (const std::string path = chooseFile(true); !path.empty()) {
        const std::string text = serializeMortgageFile(currentFile());
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const QString error = saveAtomically(qs(path), QByteArray::fromStdString(text));
        QApplication::restoreOverrideCursor();
        if (error.isEmpty())
            rememberedFile() = fileNamePart(path);
        else
            dialogs_.message(loanMode_ == 2 ? 38 : 37);
    }
    shell_.showWindow(this);
}

void MortgageCalc::openFile()
{
    shell_.hideWindow(this);
    if (const std::string path = chooseFile(false); !path.empty()) {
        std::optional<MortgageFile> file;
        QFile in(qs(path));
        // A set-up file is a few lines; anything much larger is not one.
        if (in.open(QIODevice::ReadOnly) && in.size() < 1024 * 1024) {
            const QByteArray bytes = in.readAll();
            file = parseMortgageFile(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                                     [](const std::string& text) -> std::optional<Date> {
                                         const auto date = parseUserDate(qs(text));
                                         if (!date)
                                             return std::nullopt;
                                         return fromQDate(*date);
                                     });
        }
        if (file) {
            applyFile(*file);
            rememberedFile() = fileNamePart(path);
        } else {
            dialogs_.message(13);
            rememberedFile().clear();
        }
    }
    shell_.showWindow(this);
}

void MortgageCalc::releaseResults()
{
    AppState& st = state_;
    MortgageState& ms = st.Mortgage;
    ms.ScheduleTable.clear();
    ms.AnnualTable.clear();
    emptyExtraPayments();
    st.ReportLines = {};
    helpText_->clear();
    st.ToolMode = 0;
    st.EditFlag = 0;
    st.ResultsReady = 0;
    st.GraphKind = 0;
    ms.ExtraLines = 0;
    ms.RowCount = 0;
    ms.ExtraCount = 0;
    ms.PIIncrease = 0.0f;
}

} // namespace fiscalia
