// Rounds of ordinary use through the real widgets, to see whether the
// program's memory levels off: open the mortgage window from the Menu,
// three Calculates in each of the "All " and "Annual" views, the graph
// window every tenth round and back, then "E&xit to Menu". The resident
// size and the heap in use are printed after rounds 50, 100, 200 and 400
// (and after the last round, when it is another).
//
//   fiscalia_memory_rounds [rounds] [--keep]     (400 rounds when not given)
//
// --keep ends the program after the last round without deleting the frame
// or the application and without running static destructors, so that a
// heap profiler reports everything still held then, Qt's own caches too,
// as not freed.
#include "silent_dialogs.h"
#include "app/MDIContainer.h"
#include "app/MenuMain.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

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

// The visible window of the frame that is named `name`.
QWidget* shownWindow(MDIContainer& frame, const char* name)
{
    for (QMdiSubWindow* sub : frame.area()->subWindowList())
        if (sub->isVisible() && sub->widget() && sub->widget()->objectName() == QLatin1String(name))
            return sub->widget();
    std::fprintf(stderr, "window %s is not shown\n", name);
    std::exit(2);
}

void round(MDIContainer& frame, int number)
{
    child<QPushButton>(frame.menu(), "Canadian")->click();
    settle();
    QWidget* mortgage = shownWindow(frame, "MortgageCalc");
    for (const char* view : {"Option1", "Option2"}) {
        child<QRadioButton>(mortgage, view)->click();
        settle();
        for (int i = 0; i < 3; ++i) {
            child<QPushButton>(mortgage, "MCalc")->click();
            settle();
        }
    }
    if (number % 10 == 0) {
        child<QPushButton>(mortgage, "MGraphs")->click();
        settle();
        child<QPushButton>(shownWindow(frame, "GraphsAll"), "ExitBut")->click();
        settle();
        shownWindow(frame, "MortgageCalc");
    }
    child<QPushButton>(mortgage, "MExit")->click();
    settle();
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    auto* app = new QApplication(argc, argv);
    int rounds = 400;
    bool keep = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--keep")
            keep = true;
        else
            rounds = std::atoi(argv[i]);
    }

    QTemporaryDir dir;
    SilentDialogs dialogs;
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
    const std::set<int> marks{1, 10, 50, 100, 200, 400, 800, 1600};
    for (int n = 1; n <= rounds; ++n) {
        round(frame, n);
        if (marks.count(n) || n == rounds)
            std::printf("%8d %10ld %10ld %6lld\n", n, residentKiB(), heapInUseKiB(),
                        static_cast<long long>(frame.area()->subWindowList().size()));
        std::fflush(stdout);
    }
    if (keep)
        std::quick_exit(0); // no static destructors: Qt's caches stay as they are
    delete framePointer;
    delete app;
    return 0;
}
