// Timings of what must feel instant: the largest mortgage table (40 years of
// weekly payments with dates, in the "All " view) through the engine alone
// and through Calculate with the grid, and the program's start.
#include "app/app_state.h"
#include "silent_dialogs.h"
#include "app/Grid.h"
#include "app/MDIContainer.h"
#include "app/MenuMain.h"
#include "app/QtText.h"
#include "growth/investment_growth.h"
#include "growth/FindCompoundCalc.h"
#include "growth/Plan401KCalc.h"
#include "growth/SavingsCalc.h"
#include "investments/FundImport.h"
#include "investments/FundRecordEntry.h"
#include "investments/FundTable.h"
#include "investments/fund_values.h"
#include "investments/fund_database.h"
#include "investments/fund_file.h"
#include "investments/fund_import.h"
#include "mortgage/amortization.h"
#include "mortgage/MortgageCalc.h"
#include "networth/NetWorthCalc.h"
#include "retirement/RetireCalc.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace fiscalia;

namespace {

AmortizationInput largest(Frequency frequency)
{
    AmortizationInput in;
    in.principal = Currency::fromInt(250000);
    in.rate = Currency::fromDouble(6.5);
    in.term = Currency::fromInt(40);
    in.frequency = frequency;
    in.view = ScheduleView::All;
    in.datesOn = true;
    in.startDate = *Date::fromYmd(2027, 1, 31);
    return in;
}

void engine(benchmark::State& state, Frequency frequency)
{
    const AmortizationInput in = largest(frequency);
    for (auto _ : state) {
        auto result = calculateAmortization(in);
        benchmark::DoNotOptimize(result.schedule.data());
    }
}
BENCHMARK_CAPTURE(engine, weekly_accelerated, Frequencies[5])->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(engine, weekly, Frequencies[3])->Unit(benchmark::kMicrosecond);

// A frame started in a scratch folder with dialogs that never show.
StartOptions quietStart(const QTemporaryDir& dir, SilentDialogs& dialogs)
{
    StartOptions options;
    options.programDir = dir.path();
    options.dialogs = &dialogs;
    options.changeDirectory = false;
    return options;
}

// Such a frame, shown, with the tool of a Menu button open (none when null).
struct QuietFrame {
    QTemporaryDir dir;
    SilentDialogs dialogs;
    MDIContainer frame{quietStart(dir, dialogs)};

    explicit QuietFrame(const char* menuButton = nullptr)
    {
        frame.show();
        if (menuButton)
            frame.menu()->button(QString::fromLatin1(menuButton))->click();
    }
};

void calculateWithGrid(benchmark::State& state, Frequency frequency)
{
    QuietFrame quiet("Canadian");
    MDIContainer& frame = quiet.frame;
    auto* calc = frame.findChild<MortgageCalc*>();
    AppState& st = frame.state();
    st.InputValues[1] = Currency::fromInt(250000);
    st.InputValues[2] = Currency::fromDouble(6.5);
    st.InputValues[3] = Currency::fromInt(40);
    calc->findChild<QRadioButton*>(QStringLiteral("Option1"))->click();
    calc->findChild<QComboBox*>(QStringLiteral("FreqPmt"))->setCurrentIndex(static_cast<int>(frequency));
    st.Mortgage.DatesOn = 1;
    st.Mortgage.StartDate = *Date::fromYmd(2027, 1, 31);
    auto* grid = calc->findChild<Grid*>(QStringLiteral("MGrid"));
    QCoreApplication::processEvents();
    for (auto _ : state) {
        calc->calculate();
        grid->viewport()->repaint(); // the visible rows drawn
    }
    state.counters["rows"] = grid->rows();
}
BENCHMARK_CAPTURE(calculateWithGrid, weekly_accelerated, Frequencies[5])->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculateWithGrid, weekly, Frequencies[3])->Unit(benchmark::kMillisecond);

// The largest savings plan: 40 years of monthly contributions, 480 periods.
SavingsInput largestSavings()
{
    SavingsInput in;
    in.lumpSum = Currency::fromInt(10000);
    in.contribution = Currency::fromInt(300);
    in.rate = Currency::fromInt(7);
    in.increase = Currency::fromInt(3);
    in.inflation = Currency::fromDouble(2.5);
    in.term = Currency::fromInt(40);
    in.frequency = Contribution::Monthly;
    return in;
}

void savingsEngine(benchmark::State& state)
{
    const SavingsInput in = largestSavings();
    for (auto _ : state) {
        auto result = calculateSavings(in);
        benchmark::DoNotOptimize(result.table.data());
    }
}
BENCHMARK(savingsEngine)->Unit(benchmark::kMicrosecond);

void savingsWithGrid(benchmark::State& state)
{
    QuietFrame quiet("Savings");
    MDIContainer& frame = quiet.frame;
    auto* calc = frame.findChild<SavingsCalc*>();
    AppState& st = frame.state();
    const SavingsInput in = largestSavings();
    st.InputValues[1] = in.lumpSum;
    st.InputValues[2] = in.contribution;
    st.InputValues[4] = in.rate;
    st.InputValues[5] = in.increase;
    st.InputValues[6] = in.inflation;
    st.InputValues[7] = in.term;
    calc->findChild<QComboBox*>(QStringLiteral("InMonthsYrs"))->setCurrentIndex(2);
    auto* grid = calc->findChild<Grid*>(QStringLiteral("SGrid"));
    QCoreApplication::processEvents();
    for (auto _ : state) {
        calc->calculate();
        grid->viewport()->repaint(); // the visible rows drawn
    }
    state.counters["rows"] = grid->rows();
}
BENCHMARK(savingsWithGrid)->Unit(benchmark::kMillisecond);

// A 50-year 401(k) plan and its grid.
void plan401KWithGrid(benchmark::State& state)
{
    QuietFrame quiet("Plan401K");
    MDIContainer& frame = quiet.frame;
    auto* calc = frame.findChild<Plan401KCalc*>();
    frame.state().InputValues[8] = Currency::fromInt(50);
    auto* grid = calc->findChild<Grid*>(QStringLiteral("KGrid"));
    QCoreApplication::processEvents();
    for (auto _ : state) {
        calc->calculate();
        grid->viewport()->repaint();
    }
    state.counters["rows"] = grid->rows();
}
BENCHMARK(plan401KWithGrid)->Unit(benchmark::kMillisecond);

// Twenty-two compound growth comparisons, each added to the grid.
void compoundRows(benchmark::State& state)
{
    QuietFrame quiet;
    MDIContainer& frame = quiet.frame;
    auto* grid = static_cast<Grid*>(nullptr);
    for (auto _ : state) {
        state.PauseTiming();
        frame.menu()->button(QStringLiteral("Compound"))->click();
        auto* calc = frame.findChild<FindCompoundCalc*>();
        grid = calc->findChild<Grid*>(QStringLiteral("FGrid"));
        QCoreApplication::processEvents();
        state.ResumeTiming();
        for (int i = 0; i < 22; ++i)
            calc->calculate();
        grid->viewport()->repaint();
        state.PauseTiming();
        calc->exitToMenu();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(compoundRows)->Unit(benchmark::kMillisecond);

// The longest retirement table: $500,000.00 at 10% drawn by $1,000.00 a
// month never runs out, so all 50 years are worked month by month.
void retirementWithGrid(benchmark::State& state)
{
    QuietFrame quiet("Retirement");
    MDIContainer& frame = quiet.frame;
    auto* calc = frame.findChild<RetireCalc*>();
    calc->setUpOption(Withdrawal::FixedAmount);
    AppState& st = frame.state();
    st.InputValues[1] = Currency::fromInt(500000);
    st.InputValues[2] = Currency::fromInt(10);
    st.InputValues[3] = Currency::fromInt(1000);
    st.InputValues[4] = Currency();
    auto* grid = calc->findChild<Grid*>(QStringLiteral("RGrid"));
    QCoreApplication::processEvents();
    for (auto _ : state) {
        calc->calculate();
        grid->viewport()->repaint();
    }
    state.counters["rows"] = grid->rows();
}
BENCHMARK(retirementWithGrid)->Unit(benchmark::kMillisecond);

// A full statement, 30 asset and 30 liability lines with subtotals,
// calculated and shown in both grids.
void netWorthFull(benchmark::State& state)
{
    QuietFrame quiet("NetWorth");
    MDIContainer& frame = quiet.frame;
    auto* calc = frame.findChild<NetWorthCalc*>();
    NetStatement& st = frame.state().NetWorth.Statement;
    for (std::size_t r = 1; r <= 30; ++r) {
        const bool sub = r % 5 == 0;
        st.AssetList[r] = NetLine{sub ? std::string("Sub Total") : "Asset " + std::to_string(r), 1000.0 * r + 0.25};
        st.LiabilityList[r] = NetLine{sub ? std::string("Sub Total") : "Debt " + std::to_string(r), 250.5 * r};
    }
    QCoreApplication::processEvents();
    for (auto _ : state) {
        calc->calculate();
        for (auto* grid : calc->findChildren<Grid*>())
            grid->viewport()->repaint();
    }
    state.counters["lines"] = frame.state().NetWorth.Statement.AssetCount + frame.state().NetWorth.Statement.LiabilityCount;
}
BENCHMARK(netWorthFull)->Unit(benchmark::kMillisecond);

// A full database: `funds` funds sharing 1000 records, stored newest first
// so that the sort has everything to do.
FundState fullDatabase(int funds)
{
    FundState db = emptyFundDatabase();
    for (int f = 1; f <= funds; ++f)
        addFund(db, "Fund " + std::to_string(funds + 1 - f));
    const Date start = *Date::fromYmd(1990, 1, 1);
    for (int r = 1; r <= RecordLimit; ++r) {
        const EntryValues values{Currency::fromInt(10 + r % 7), Currency::fromInt(1 + r % 50), Currency::fromInt(5), {}};
        db.RecordTable[static_cast<std::size_t>(r)] =
            storeRecord(r % 3 == 0 ? TransactionType::Sold : TransactionType::Bought, values, 1 + r % funds,
                        start.addDays(RecordLimit - r), r);
    }
    db.RecordCount = RecordLimit;
    return db;
}

// Opening a 1000-record file: read, funds sorted by name, records by date.
void fundFileLoadAndSort(benchmark::State& state)
{
    const std::string text = serializeFundFile(fullDatabase(30));
    for (auto _ : state) {
        Result<FundState> db = parseFundFile(text);
        sortFundsByName(*db);
        sortRecordsByDate(*db);
        benchmark::DoNotOptimize(db->RecordTable.data());
    }
    state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(fundFileLoadAndSort)->Unit(benchmark::kMillisecond);

// One fund holding all 1000 records chosen in record entry: its grid of
// 1004 rows filled and drawn.
void fundRecordsGrid(benchmark::State& state)
{
    QuietFrame quiet("Manager");
    MDIContainer& frame = quiet.frame;
    FundState db = fullDatabase(1);
    sortRecordsByDate(db);
    frame.state().Funds = db;
    frame.activeTool()->findChild<QPushButton*>(QStringLiteral("Editrec"))->click();
    auto* entry = frame.findChild<FundRecordEntry*>();
    auto* funds = entry->findChild<QComboBox*>(QStringLiteral("Funds"));
    auto* grid = entry->findChild<Grid*>(QStringLiteral("EGrid"));
    QCoreApplication::processEvents();
    for (auto _ : state) {
        state.PauseTiming();
        funds->setCurrentIndex(-1);
        state.ResumeTiming();
        funds->setCurrentIndex(0);
        grid->viewport()->repaint();
    }
    state.counters["rows"] = grid->rows();
}
BENCHMARK(fundRecordsGrid)->Unit(benchmark::kMillisecond);

// The current value table of 30 funds over 1000 records: the sums, the
// values, every fund's annual return and the grid, filled and drawn.
void currentValueTable(benchmark::State& state)
{
    QuietFrame quiet("Manager");
    MDIContainer& frame = quiet.frame;
    FundState& db = frame.state().Funds;
    db = fullDatabase(30);
    sortRecordsByDate(db);
    for (int f = 1; f <= db.FundCount; ++f)
        db.FundValueTable[static_cast<std::size_t>(f)][2] = Currency::fromInt(12);
    ToolContext context{frame.state(), frame.dialogs(), frame};
    for (auto _ : state) {
        sumFundRecords(db);
        computeCurrentValues(db);
        db.ValuesReady = 1;
        FundTable table(context, {}, FundTable::Mode::CurrentValues);
        table.show();
        table.findChild<Grid*>()->viewport()->repaint();
        state.PauseTiming();
        frame.setFrameCaption(QStringLiteral(" Investment Management Menu"));
        state.ResumeTiming();
    }
}
BENCHMARK(currentValueTable)->Unit(benchmark::kMillisecond);

// One fund's records table of 1000 records, built and drawn.
void oneFundRecordsTable(benchmark::State& state)
{
    QuietFrame quiet("Manager");
    MDIContainer& frame = quiet.frame;
    FundState& db = frame.state().Funds;
    db = fullDatabase(1);
    sortRecordsByDate(db);
    db.ActiveFund = 1;
    ToolContext context{frame.state(), frame.dialogs(), frame};
    for (auto _ : state) {
        FundTable table(context, {}, FundTable::Mode::Records);
        table.show();
        table.findChild<Grid*>()->viewport()->repaint();
    }
}
BENCHMARK(oneFundRecordsTable)->Unit(benchmark::kMillisecond);

// A broker's file of 1000 transactions over 30 funds, dates in the system's
// short form: its preview built and the preview window's grid filled (the
// window made, not shown).
void importThousandLines(benchmark::State& state)
{
    const FundState db = fullDatabase(30);
    std::string text = "Date,Fund,Type,Shares,Price,Amount,Commission\r\n";
    for (int r = 1; r <= RecordLimit; ++r) {
        const FundRecord& record = db.RecordTable[static_cast<std::size_t>(r)];
        const int fund = static_cast<int>(record.fund.toDouble());
        text += ss(toShortDate(record.date)) + ",\"" + db.FundList[static_cast<std::size_t>(fund)].name + "\","
                + (record.type == "S" ? "Sell," : "Buy,") + record.shares.toPlainString() + ","
                + record.price.toPlainString() + ",," + record.commission.toPlainString() + "\r\n";
    }
    ImportOptions options;
    options.decimal = localeNumberSymbols().decimal;
    options.readDate = [](const std::string& written) -> std::optional<Date> {
        const auto date = parseUserDate(qs(written));
        return date ? std::optional<Date>(fromQDate(*date)) : std::nullopt;
    };
    const FundState empty = emptyFundDatabase();
    int accepted = 0;
    for (auto _ : state) {
        Result<ImportPreview> preview = previewImport(empty, text, options);
        FundImport dialog(*preview, QStringLiteral("broker.csv"), localeNumberSymbols());
        accepted = preview->accepted;
        benchmark::DoNotOptimize(&dialog);
    }
    state.counters["accepted"] = accepted;
    state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(importThousandLines)->Unit(benchmark::kMillisecond);

// Start-up: the frame with its Menu, settings read, shown and laid out.
void startUp(benchmark::State& state)
{
    QTemporaryDir dir;
    SilentDialogs dialogs;
    for (auto _ : state) {
        MDIContainer frame(quietStart(dir, dialogs));
        frame.show();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(startUp)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
