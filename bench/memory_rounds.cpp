// Rounds of ordinary use through the real widgets, to see whether the
// program's memory levels off. Each round goes through every tool from the
// Menu: open it, Calculate, show the graph and come back, print to a PDF,
// "E&xit to Menu". The mortgage window calculates in both views; the net
// worth statement opens NetSampl.KVW first; the Investment Manager opens
// DtaSampl.KVS, prices every fund at 20 and shows, graphs and prints the
// current value table. The resident size and the heap in use are printed
// after rounds 1, 10, 50, 100, 200, 300, 400 and 500 (and after the last
// round, when it is another); the first round also says what each tool did.
//
//   fiscalia_memory_rounds [rounds] [--keep]     (500 rounds when not given)
//
// --keep ends the program after the last round without deleting the frame
// or the application and without running static destructors, so that a
// heap profiler reports everything still held then, Qt's own caches too,
// as not freed.
#include "silent_dialogs.h"
#include "app/MDIContainer.h"
#include "app/ToolWindow.h"
#include "app/file_requests.h"
#include "app/Grid.h"
#include "app/MenuMain.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>

using namespace fiscalia;

namespace {

long residentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

long heapInUseKiB()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long>((info.uordblks + info.hblkhd) / 1024);
}

// Everything posted so far handled, windows unloaded with deleteLater()
// deleted.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

template <typename T>
T* child(QObject* parent, const char* name)
{
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    if (!found) {
        std::fprintf(stderr, "no %s found\n", name);
        std::exit(2);
    }
    return found;
}

// Silent dialogs that give what a round needs: the sample files to open, a
// header for every printout, and the print dialog confirmed onto one PDF.
class RoundDialogs : public SilentDialogs {
public:
    QString pdf;
    QString dataDir;
    int printed = 0;
    int opened = 0;
    std::optional<QString> lineInput(const QString&, const QString&) override { return QStringLiteral("Round"); }
    QString chooseFile(const FileRequest& request, const QString&) override
    {
        if (request.save)
            return {};
        ++opened;
        if (request.extension == "kvw")
            return QDir(dataDir).filePath(QStringLiteral("NetSampl.KVW"));
        if (request.extension == "kvs")
            return QDir(dataDir).filePath(QStringLiteral("DtaSampl.KVS"));
        return {};
    }
    PrintOutcome print(QPrinter& printer, const PagePainter& paint) override
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        const bool ok = paint(printer);
        printed += ok;
        return ok ? PrintOutcome::Printed : PrintOutcome::Failed;
    }
};

// The button of `window` whose caption is `caption`, or null.
QPushButton* captioned(QWidget* window, const char* caption)
{
    for (QPushButton* b : window->findChildren<QPushButton*>())
        if (b->text().trimmed() == QLatin1String(caption) && b->isVisible() && b->isEnabled())
            return b;
    return nullptr;
}

bool press(QWidget* window, const char* caption)
{
    QPushButton* b = captioned(window, caption);
    if (!b)
        return false;
    b->click();
    settle();
    return true;
}

// The graph window, when the last press showed it, closed again.
bool leaveGraph(MDIContainer& frame)
{
    for (QMdiSubWindow* sub : frame.area()->subWindowList())
        if (sub->isVisible() && sub->widget() && sub->widget()->objectName() == QLatin1String("GraphsAll")) {
            child<QPushButton>(sub->widget(), "ExitBut")->click();
            settle();
            return true;
        }
    return false;
}

struct ToolReport {
    bool calculated = false, graphed = false, printed = false;
};

ToolWindow* openTool(MDIContainer& frame, const char* menuButton)
{
    child<QPushButton>(frame.menu(), menuButton)->click();
    settle();
    ToolWindow* tool = frame.activeTool();
    if (!tool) {
        std::fprintf(stderr, "%s opened no tool\n", menuButton);
        std::exit(2);
    }
    return tool;
}

ToolReport calculator(MDIContainer& frame, RoundDialogs& dialogs, const char* menuButton)
{
    ToolReport report;
    ToolWindow* tool = openTool(frame, menuButton);
    if (std::string(menuButton) == "NetWorth")
        press(tool, "&Open File");
    const bool mortgage = std::string(menuButton) == "Canadian" || std::string(menuButton) == "LoanPmt";
    for (int view = 0; view < (mortgage ? 2 : 1); ++view) {
        if (mortgage)
            child<QRadioButton>(tool, view == 0 ? "Option1" : "Option2")->click();
        report.calculated = press(tool, "&Calculate");
    }
    if (press(tool, "&Show Graph"))
        report.graphed = leaveGraph(frame);
    const int before = dialogs.printed;
    press(tool, "To &Printer");
    report.printed = dialogs.printed > before;
    if (!press(tool, "E&xit to Menu")) {
        std::fprintf(stderr, "%s has no way back to the Menu\n", menuButton);
        std::exit(2);
    }
    return report;
}

ToolReport investmentManager(MDIContainer& frame, RoundDialogs& dialogs)
{
    ToolReport report;
    ToolWindow* menu = openTool(frame, "Manager");
    press(menu, "&Open a File from Disk");
    press(menu, "&Compute Current Value");
    QWidget* pricing = frame.findChild<QWidget*>(QStringLiteral("FundCurrValue"));
    if (pricing && pricing->isVisible()) {
        Grid* prices = child<Grid>(pricing, "CPGrid");
        for (int row = 1; row < prices->rows(); ++row) {
            if (prices->text(row, 0).trimmed().isEmpty())
                continue;
            prices->setFocus();
            prices->setCurrentCell(row, 1);
            QTest::keyClick(prices, Qt::Key_Backspace);
            QTest::keyClicks(prices, QStringLiteral("20"));
        }
        report.calculated = press(pricing, "&Calculate");
    }
    QWidget* table = frame.findChild<QWidget*>(QStringLiteral("FundTable"));
    if (table && table->isVisible()) {
        if (press(table, "&Show Graph"))
            report.graphed = leaveGraph(frame);
        const int before = dialogs.printed;
        press(table, "To &Printer");
        report.printed = dialogs.printed > before;
        press(table, "E&xit to Menu");
    }
    if (!press(menu, "E&xit to Main Menu")) {
        std::fprintf(stderr, "the Investment Manager has no way back to the Menu\n");
        std::exit(2);
    }
    return report;
}

void round(MDIContainer& frame, RoundDialogs& dialogs, int number)
{
    static const char* const calculators[] = {"Canadian", "LoanPmt",  "Savings",  "SavingComp", "Plan401K",
                                              "Retirement", "HowMuch", "Compound", "NetWorth"};
    for (const char* name : calculators) {
        const ToolReport r = calculator(frame, dialogs, name);
        if (number == 1)
            std::printf("  %-10s calculated %d, graph %d, printed %d\n", name, r.calculated, r.graphed, r.printed);
    }
    const ToolReport r = investmentManager(frame, dialogs);
    if (number == 1)
        std::printf("  %-10s calculated %d, graph %d, printed %d\n", "Manager", r.calculated, r.graphed, r.printed);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    auto* app = new QApplication(argc, argv);
    int rounds = 500;
    bool keep = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--keep")
            keep = true;
        else
            rounds = std::atoi(argv[i]);
    }

    QTemporaryDir dir;
    RoundDialogs dialogs;
    dialogs.pdf = dir.filePath(QStringLiteral("round.pdf"));
    dialogs.dataDir = QString::fromLocal8Bit(qgetenv("FISCALIA_DATA_DIR"));
    if (dialogs.dataDir.isEmpty())
        dialogs.dataDir = QStringLiteral(FISCALIA_SOURCE_DATA);
    StartOptions options;
    options.programDir = dir.path();
    options.dialogs = &dialogs;
    options.changeDirectory = false;
    auto* framePointer = new MDIContainer(options);
    MDIContainer& frame = *framePointer;
    frame.show();
    settle();

    std::printf("%8s %10s %10s %6s\n", "round", "RSS KiB", "heap KiB", "subs");
    std::printf("%8d %10ld %10ld %6lld\n", 0, residentKiB(), heapInUseKiB(),
                static_cast<long long>(frame.area()->subWindowList().size()));
    const std::set<int> marks{1, 10, 50, 100, 200, 300, 400, 500, 1000};
    long residentAt50 = 0, heapAt50 = 0;
    for (int n = 1; n <= rounds; ++n) {
        round(frame, dialogs, n);
        if (n == 50) {
            residentAt50 = residentKiB();
            heapAt50 = heapInUseKiB();
        }
        if (marks.count(n) || n == rounds)
            std::printf("%8d %10ld %10ld %6lld\n", n, residentKiB(), heapInUseKiB(),
                        static_cast<long long>(frame.area()->subWindowList().size()));
        std::fflush(stdout);
    }
    // After the warm-up of 50 rounds the memory must stay within 2 MB.
    int status = 0;
    if (rounds > 50) {
        const long grownResident = residentKiB() - residentAt50;
        const long grownHeap = heapInUseKiB() - heapAt50;
        std::printf("grown since round 50: RSS %ld KiB, heap %ld KiB\n", grownResident, grownHeap);
        if (grownResident > 2048 || grownHeap > 2048) {
            std::printf("the memory grew by more than 2 MB after the warm-up\n");
            status = 1;
        }
    }
    if (keep)
        std::quick_exit(status); // no static destructors: Qt's caches stay as they are
    delete framePointer;
    delete app;
    return status;
}
