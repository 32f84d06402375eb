// fiscalia_monkey SECONDS [SEED]
//
// Drives the real program (the frame with its real modal windows) with random
// keys, clicks and wheel turns for SECONDS, and fails on what a user must
// never meet: a crash or a sanitizer report (the process ends), a hang (the
// event loop makes no progress for 5 s), or a Qt warning. The seed comes
// first in the output; the same seed replays the same choices.
//
// Every action comes from a timer that keeps firing inside the nested event
// loops of modal windows, so dialogs, message windows and popups get input
// too. The program runs in temporary folders: its program folder holds copies
// of the help files and samples, HOME and the XDG folders point into a
// scratch folder, the file dialog is only ever pointed at a scratch folder of
// files, and printing goes to a scratch PDF (FISCALIA_PRINT_TO).

#include "app/GuardedApplication.h"
#include "app/HelpViewer.h"
#include "app/MDIContainer.h"
#include "app/MenuMain.h"
#include "app/ProgramFolders.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QRegularExpression>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QLineEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>

#include <pthread.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_UNDEFINED__)
#include <sanitizer/common_interface_defs.h>
#define FISCALIA_MONKEY_SANITIZED 1
#endif

#if defined(__SANITIZE_ADDRESS__)
// A hang is ended with SIGABRT on the GUI thread; AddressSanitizer then prints
// that thread's stack, which shows where the program is stuck.
extern "C" __attribute__((used, visibility("default"))) const char* __asan_default_options()
{
    return "handle_abort=1:fast_unwind_on_fatal=0";
}
#endif

namespace {

using namespace std::chrono_literals;

constexpr auto HangLimit = 5s;       // no event-loop progress this long is a hang
constexpr auto TeardownLimit = 30s;  // closing the program at the end
constexpr int StepIntervalMs = 3;    // between two actions
constexpr int HeartbeatMs = 100;
constexpr int WindDownLimitMs = 20000; // to close the modal windows at the end
constexpr int ModalPatience = 400;     // actions on one modal window before it is answered

// ---------------------------------------------------------------------------
// What the watchdog and the message handler need, shared across threads.

std::uint32_t g_seed = 0;
bool g_verbose = false; // every action printed as it is sent (--verbose)
std::atomic<std::uint64_t> g_heartbeat{0};
std::atomic<bool> g_tearingDown{false};
std::atomic<bool> g_stopWatchdog{false};
std::atomic<bool> g_running{false}; // main() has not yet returned
pthread_t g_guiThread;

std::mutex g_logMutex;
std::deque<std::string> g_recent; // the last actions, newest last
std::uint64_t g_actionCount = 0;
std::vector<std::string> g_failures;
std::map<std::string, int> g_ignored; // harmless messages and how often they came

void noteAction(const QString& text)
{
    const std::lock_guard lock(g_logMutex);
    ++g_actionCount;
    g_recent.push_back(std::to_string(g_actionCount) + ": " + text.toStdString());
    if (g_verbose) {
        std::fprintf(stderr, "monkey: %s\n", g_recent.back().c_str());
        std::fflush(stderr);
    }
    if (g_recent.size() > 20)
        g_recent.pop_front();
}

// Caller holds g_logMutex.
void printRecentLocked()
{
    std::fprintf(stderr, "monkey: seed %u; the last actions:\n", g_seed);
    for (const std::string& line : g_recent)
        std::fprintf(stderr, "monkey:   %s\n", line.c_str());
    std::fflush(stderr);
}

// Messages that are not the program's fault: what a platform plugin says
// about itself, or the environment it runs in.
bool harmless(const QString& message)
{
    static const char* const allowed[] = {
        // The offscreen platform cannot size windows by their hints.
        "This plugin does not support propagateSizeHints()",
        // Platforms without a window manager cannot raise or activate.
        "This plugin does not support raise()",
        "This plugin does not support grabbing the keyboard",
        // Xvfb has no window manager and no input method, and reports
        // screens and fonts of its own making.
        "QXcbConnection: XCB error: 3 (BadWindow)",
        "Qt: Session management error",
        "qt.qpa.xcb: could not connect to display",
        "propagateSizeHints",
        // No print system on a test machine (the monkey points CUPS at
        // nothing so it never reaches a real printer).
        "cupsGetNamedDest",
        "QPrinter: Could not find printer",
        // Qt's page setup offers nothing for a PDF printer, the only kind
        // left then.
        "QPageSetupDialog: Cannot be used on non-native printers",
        // The session has no runtime folder (a CI container), or a shared one.
        "QStandardPaths: XDG_RUNTIME_DIR not set",
        "QStandardPaths: wrong permissions on runtime directory",
    };
    return std::any_of(std::begin(allowed), std::end(allowed),
                       [&](const char* text) { return message.contains(QLatin1String(text)); });
}

void onMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    const std::lock_guard lock(g_logMutex);
    const QByteArray text = message.toLocal8Bit();
    const char* category = context.category ? context.category : "default";
    if (harmless(message) && type != QtFatalMsg) {
        if (g_ignored[text.toStdString()]++ == 0 || g_verbose)
            std::fprintf(stderr, "monkey: ignored (harmless): %s\n", text.constData());
        return;
    }
    std::fprintf(stderr, "monkey: Qt %s [%s]: %s\n",
                 type == QtWarningMsg ? "warning" : type == QtCriticalMsg ? "critical" : "fatal", category,
                 text.constData());
    if (g_failures.size() < 5)
        printRecentLocked();
    g_failures.push_back(text.toStdString());
    if (type == QtFatalMsg)
        std::abort();
}

// Checks the heartbeat the GUI thread beats every 100 ms; when it stands
// still for 5 s the event loop is stuck: the recent actions are printed and
// the GUI thread is stopped with SIGABRT, so its stack is printed.
void watchdog()
{
    std::uint64_t last = g_heartbeat.load();
    auto since = std::chrono::steady_clock::now();
    while (!g_stopWatchdog.load()) {
        std::this_thread::sleep_for(100ms);
        const std::uint64_t now = g_heartbeat.load();
        const auto time = std::chrono::steady_clock::now();
        if (now != last) {
            last = now;
            since = time;
            continue;
        }
        const auto limit = g_tearingDown.load() ? TeardownLimit : HangLimit;
        if (time - since < limit)
            continue;
        {
            const std::lock_guard lock(g_logMutex);
            std::fprintf(stderr, "monkey: HANG: no event-loop progress for %lld s\n",
                         static_cast<long long>(std::chrono::duration_cast<std::chrono::seconds>(limit).count()));
            printRecentLocked();
        }
        // Where the GUI thread is stuck, from a debugger when there is one
        // (a stack printed from inside a signal handler is often empty).
        if (std::system("command -v gdb >/dev/null 2>&1") == 0) {
            const std::string command = "gdb -p " + std::to_string(getpid())
                + " -batch -nx -ex 'thread 1' -ex 'bt 40' 2>/dev/null | grep '^#' >&2";
            [[maybe_unused]] const int shown = std::system(command.c_str());
        }
        pthread_kill(g_guiThread, SIGABRT);
        std::this_thread::sleep_for(10s);
        std::abort();
    }
}

// ---------------------------------------------------------------------------

QString nameOf(const QObject* object)
{
    if (!object)
        return QStringLiteral("-");
    return object->objectName().isEmpty() ? QString::fromLatin1(object->metaObject()->className())
                                          : object->objectName();
}

QString describe(const QWidget* widget)
{
    if (!widget)
        return QStringLiteral("-");
    const QWidget* window = widget->window();
    return window == widget ? nameOf(widget) : nameOf(window) + QLatin1Char('/') + nameOf(widget);
}

class Monkey : public QObject {
public:
    Monkey(std::uint32_t seed, double seconds, QString programDir, QString configDir, QString filesDir)
        : rng_(seed), seconds_(seconds), programDir_(std::move(programDir)), configDir_(std::move(configDir)),
          filesDir_(std::move(filesDir))
    {
    }

    void start()
    {
        startFrame();
        clock_.start();
        connect(&stepTimer_, &QTimer::timeout, this, &Monkey::tick);
        stepTimer_.start(StepIntervalMs);
        connect(&heartbeat_, &QTimer::timeout, this, [] { ++g_heartbeat; });
        heartbeat_.start(HeartbeatMs);
    }

    void finish()
    {
        stepTimer_.stop();
        heartbeat_.stop();
        frame_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void report() const
    {
        const double elapsed = runTime_ > 0 ? runTime_ : clock_.elapsed() / 1000.0;
        std::uint64_t actions = 0;
        {
            const std::lock_guard lock(g_logMutex);
            actions = g_actionCount;
        }
        std::printf("monkey: seed %u: %.1f s, %llu actions (%.1f a second), %d starts of the frame\n", g_seed,
                    elapsed, static_cast<unsigned long long>(actions), elapsed > 0 ? actions / elapsed : 0.0,
                    starts_);
        QStringList seen;
        for (auto it = windows_.cbegin(); it != windows_.cend(); ++it)
            seen << QStringLiteral("%1(%2)").arg(it->first).arg(it->second);
        std::printf("monkey: windows seen (actions in each): %s\n", qPrintable(seen.join(QLatin1Char(' '))));
        const std::lock_guard lock(g_logMutex);
        for (const auto& [text, count] : g_ignored)
            std::printf("monkey: ignored %d time(s): %s\n", count, text.c_str());
        std::fflush(stdout);
    }

private:
    // --- random choices ----------------------------------------------------
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename T> const T& pick(const std::vector<T>& items) { return items[below(int(items.size()))]; }

    // --- the frame ------------------------------------------------------------
    void startFrame()
    {
        // As the program starts in its build folder: settings beside it.
        const fiscalia::ProgramFolders folders = fiscalia::locateProgramFolders(programDir_);
        fiscalia::StartOptions options;
        options.programDir = programDir_;
        options.dataDir = folders.dataDir;
        options.configDir = configDir_;
        options.settingsBesideProgram = !folders.installed;
        frame_ = std::make_unique<fiscalia::MDIContainer>(options);
        QApplication::setWindowIcon(frame_->windowIcon());
        frame_->show();
        frame_->activateWindow();
        ++starts_;
    }

    // The Menu's Exit closes the frame; the program is started again so the
    // run goes on (the old frame is destroyed as the program's end would).
    void restartFrame()
    {
        noteAction(QStringLiteral("start the frame again"));
        frame_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        startFrame();
    }

    // --- the loop ---------------------------------------------------------------
    // The timer only posts the step: a step that opens a modal window waits
    // in that window's event loop, and the timer must go on firing there.
    void tick()
    {
        if (posted_)
            return;
        posted_ = true;
        QMetaObject::invokeMethod(this, &Monkey::step, Qt::QueuedConnection);
    }

    void step()
    {
        posted_ = false;
        // A step runs events while it sends its input; a step posted meanwhile
        // waits for the next tick, unless the first waits in a modal window.
        const int level = QThread::currentThread()->loopLevel();
        if (!busy_.empty() && busy_.back() >= level)
            return;
        busy_.push_back(level);
        struct Done {
            std::vector<int>& busy;
            ~Done() { busy.pop_back(); }
        } done{busy_};

        if (!ending_ && clock_.elapsed() >= seconds_ * 1000.0) {
            ending_ = true;
            runTime_ = clock_.elapsed() / 1000.0;
            endClock_.start();
            noteAction(QStringLiteral("time is up: close the windows"));
        }
        if (ending_)
            windDown();
        else
            act();
    }

    // At the end the open popups and modal windows are answered until the
    // frame's own event loop is reached; then the run stops.
    void windDown()
    {
        if (endClock_.elapsed() > WindDownLimitMs) {
            fail(QStringLiteral("the modal windows did not close within %1 s at the end").arg(WindDownLimitMs / 1000));
            QCoreApplication::exit(1);
            return;
        }
        if (QWidget* popup = QApplication::activePopupWidget()) {
            noteAction(QStringLiteral("end: close popup %1").arg(nameOf(popup)));
            popup->close();
            return;
        }
        if (QWidget* modal = QApplication::activeModalWidget()) {
            noteAction(QStringLiteral("end: reject %1").arg(nameOf(modal)));
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
            return;
        }
        if (QThread::currentThread()->loopLevel() <= 1)
            QCoreApplication::exit(0);
    }

    void fail(const QString& what)
    {
        const std::lock_guard lock(g_logMutex);
        std::fprintf(stderr, "monkey: FAILURE: %s\n", qPrintable(what));
        printRecentLocked();
        g_failures.push_back(what.toStdString());
    }

    void see(const QString& window) { ++windows_[window]; }

    void act()
    {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            see(QStringLiteral("popup:") + nameOf(popup));
            popupInput(popup);
            return;
        }
        if (QWidget* modal = QApplication::activeModalWidget()) {
            see(nameOf(modal));
            if (modal != lastModal_) {
                lastModal_ = modal;
                modalActions_ = 0;
            }
            if (auto* files = qobject_cast<QFileDialog*>(modal)) {
                answerFileDialog(files);
                return;
            }
            if (auto* printing = qobject_cast<QPrintDialog*>(modal)) {
                printDialogInput(printing);
                return;
            }
            // The help window opened over a modal window is its child.
            const auto helps = modal->findChildren<fiscalia::HelpViewer*>(Qt::FindDirectChildrenOnly);
            for (fiscalia::HelpViewer* help : helps) {
                if (help->isVisible() && chance(20)) {
                    helpInput(help);
                    return;
                }
            }
            if (++modalActions_ > ModalPatience || chance(20)) {
                clickButton(modal, modalActions_ > ModalPatience);
                return;
            }
            input(modal);
            return;
        }
        lastModal_ = nullptr;
        // A nested event loop with no modal window left is one that is
        // ending (the dialog was answered, its exec() not yet returned): no
        // user input can reach the windows behind it then.
        if (QThread::currentThread()->loopLevel() > 1)
            return;
        if (!frame_->isVisible()) {
            if (QThread::currentThread()->loopLevel() <= 1)
                restartFrame();
            return;
        }
        if (QMdiSubWindow* active = frame_->area()->activeSubWindow(); active && active->widget())
            see(nameOf(active->widget()));
        if (fiscalia::HelpViewer* help = frame_->helpViewer(); help && help->isVisible() && chance(15)) {
            helpInput(help);
            return;
        }
        fiscalia::MenuMain* menu = frame_->menu();
        if (menu && menu->isVisible() && chance(10)) {
            menuChoice(menu);
            return;
        }
        input(frame_.get());
    }

    // --- input --------------------------------------------------------------------
    void activate(QWidget* window)
    {
        if (QApplication::activeWindow() != window)
            window->activateWindow();
    }

    // Random input into a window: keys to its focus, clicks on its controls.
    void input(QWidget* window)
    {
        const int roll = below(100);
        if (roll < 55)
            key(window);
        else if (roll < 82)
            click(window);
        else if (roll < 87)
            wheel(window);
        else
            clickButton(window, false);
    }

    void key(QWidget* window)
    {
        QWindow* handle = window->windowHandle();
        if (!handle)
            return;
        activate(window);
        const QWidget* focus = window->focusWidget();
        const int roll = below(100);
        if (roll < 30) {
            const char c = "0123456789"[below(10)];
            sendChar(handle, c, focus);
        } else if (roll < 38) {
            const char c = ".-,$%/ "[below(7)];
            sendChar(handle, c, focus);
        } else if (roll < 48) {
            const char c = static_cast<char>((chance(70) ? 'a' : 'A') + below(26));
            sendChar(handle, c, focus);
        } else if (roll < 50) {
            static const std::vector<std::pair<Qt::Key, QString>> accented = {
                {Qt::Key_Eacute, QStringLiteral("\u00e9")},
                {Qt::Key_Udiaeresis, QStringLiteral("\u00fc")},
                {Qt::Key_sterling, QStringLiteral("\u00a3")},
                {Qt::Key_unknown, QStringLiteral("\u20ac")},
            };
            const auto& [code, text] = pick(accented);
            noteAction(QStringLiteral("key '%1' -> %2").arg(text, describe(focus)));
            QTest::sendKeyEvent(QTest::Click, handle, code, text, Qt::NoModifier);
        } else if (roll < 82) {
            static const std::vector<std::pair<Qt::Key, const char*>> keys = {
                {Qt::Key_Return, "Enter"}, {Qt::Key_Return, "Enter"},     {Qt::Key_Tab, "Tab"},
                {Qt::Key_Tab, "Tab"},      {Qt::Key_Backspace, "Backspace"}, {Qt::Key_Delete, "Delete"},
                {Qt::Key_Left, "Left"},    {Qt::Key_Right, "Right"},       {Qt::Key_Up, "Up"},
                {Qt::Key_Down, "Down"},    {Qt::Key_Home, "Home"},         {Qt::Key_End, "End"},
                {Qt::Key_PageUp, "PageUp"}, {Qt::Key_PageDown, "PageDown"}, {Qt::Key_Space, "Space"},
            };
            const auto& [code, label] = pick(keys);
            Qt::KeyboardModifiers modifiers = Qt::NoModifier;
            if (code == Qt::Key_Tab && chance(30))
                modifiers = Qt::ShiftModifier;
            sendKey(handle, code, modifiers, QString::fromLatin1(label), focus);
        } else if (roll < 93) {
            // A button or box reached by its underlined letter.
            const char c = static_cast<char>('a' + below(26));
            noteAction(QStringLiteral("key Alt+%1 -> %2").arg(QChar::fromLatin1(c)).arg(describe(focus)));
            QTest::keyClick(handle, c, Qt::AltModifier);
        } else if (roll < 96) {
            static const std::vector<std::pair<char, const char*>> edits = {
                {'a', "Ctrl+A"}, {'c', "Ctrl+C"}, {'v', "Ctrl+V"}, {'x', "Ctrl+X"}, {'z', "Ctrl+Z"}};
            const auto& [c, label] = pick(edits);
            noteAction(QStringLiteral("key %1 -> %2").arg(QString::fromLatin1(label), describe(focus)));
            QTest::keyClick(handle, c, Qt::ControlModifier);
        } else if (roll < 98) {
            sendKey(handle, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("Escape"), focus);
        } else {
            sendKey(handle, Qt::Key_F1, Qt::NoModifier, QStringLiteral("F1"), focus);
        }
    }

    void sendChar(QWindow* handle, char c, const QWidget* focus)
    {
        noteAction(QStringLiteral("key '%1' -> %2").arg(QChar::fromLatin1(c)).arg(describe(focus)));
        QTest::keyClick(handle, c);
    }

    void sendKey(QWindow* handle, Qt::Key code, Qt::KeyboardModifiers modifiers, const QString& label,
                 const QWidget* focus)
    {
        noteAction(QStringLiteral("key %1%2 -> %3")
                       .arg(modifiers & Qt::ShiftModifier ? QStringLiteral("Shift+") : QString(), label,
                            describe(focus)));
        QTest::keyClick(handle, code, modifiers);
    }

    // The visible widgets of a window (not those of other windows inside it).
    std::vector<QWidget*> visibleWidgets(QWidget* window)
    {
        std::vector<QWidget*> widgets{window};
        const auto children = window->findChildren<QWidget*>();
        for (QWidget* child : children)
            if (child->isVisible() && child->window() == window && child->width() > 0 && child->height() > 0)
                widgets.push_back(child);
        return widgets;
    }

    // A point inside the window, in its own coordinates.
    static QPoint inside(const QWidget* window, QPoint point)
    {
        return QPoint(std::clamp(point.x(), 0, std::max(0, window->width() - 1)),
                      std::clamp(point.y(), 0, std::max(0, window->height() - 1)));
    }

    void click(QWidget* window)
    {
        QWindow* handle = window->windowHandle();
        if (!handle || window->width() <= 0 || window->height() <= 0)
            return;
        QWidget* widget = pick(visibleWidgets(window));
        const QPoint local(below(std::max(1, widget->width())), below(std::max(1, widget->height())));
        const QPoint at = inside(window, widget->mapTo(window, local));
        QWidget* under = window->childAt(at);
        activate(window);
        const int roll = below(100);
        if (roll < 75) {
            noteAction(QStringLiteral("click at %1,%2 on %3").arg(at.x()).arg(at.y()).arg(describe(under ? under : window)));
            QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier, at);
        } else if (roll < 92) {
            noteAction(QStringLiteral("double click at %1,%2 on %3")
                           .arg(at.x())
                           .arg(at.y())
                           .arg(describe(under ? under : window)));
            QTest::mouseDClick(handle, Qt::LeftButton, Qt::NoModifier, at);
        } else {
            noteAction(QStringLiteral("right click at %1,%2 on %3")
                           .arg(at.x())
                           .arg(at.y())
                           .arg(describe(under ? under : window)));
            QTest::mouseClick(handle, Qt::RightButton, Qt::NoModifier, at);
        }
    }

    void wheel(QWidget* window)
    {
        QWidget* widget = pick(visibleWidgets(window));
        const QPoint local(below(std::max(1, widget->width())), below(std::max(1, widget->height())));
        const QPoint at = inside(window, widget->mapTo(window, local));
        QWidget* target = window->childAt(at);
        if (!target)
            target = window;
        const QPoint targetLocal = target->mapFrom(window, at);
        const int notches = (below(2) ? 1 : -1) * (1 + below(3));
        noteAction(QStringLiteral("wheel %1 on %2").arg(notches).arg(describe(target)));
        QWheelEvent event(QPointF(targetLocal), QPointF(target->mapToGlobal(targetLocal)), QPoint(),
                          QPoint(0, notches * 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
    }

    // Clicks one of the window's buttons (boxes and options too) as a user
    // would; `answer`: only the dialog's push buttons, to close it.
    void clickButton(QWidget* window, bool answer)
    {
        QWindow* handle = window->windowHandle();
        if (!handle)
            return;
        std::vector<QAbstractButton*> buttons;
        const auto all = window->findChildren<QAbstractButton*>();
        for (QAbstractButton* button : all) {
            if (button->isVisible() && button->isEnabled() && button->window() == window
                && (!answer || button->inherits("QPushButton")))
                buttons.push_back(button);
        }
        if (buttons.empty()) {
            if (answer) {
                noteAction(QStringLiteral("Escape to %1 (no buttons)").arg(nameOf(window)));
                QTest::keyClick(handle, Qt::Key_Escape);
            }
            return;
        }
        QAbstractButton* button = pick(buttons);
        const QPoint at = inside(window, button->mapTo(window, button->rect().center()));
        activate(window);
        noteAction(QStringLiteral("click button %1").arg(describe(button)));
        QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier, at);
    }

    void menuChoice(fiscalia::MenuMain* menu)
    {
        auto buttons = menu->findChildren<QAbstractButton*>();
        if (buttons.isEmpty())
            return;
        QAbstractButton* button = buttons.at(below(int(buttons.size())));
        // Leaving the program is rarer than opening a tool.
        if (button->objectName() == QLatin1String("ExitButten") && !chance(25))
            button = buttons.at(below(int(buttons.size())));
        QWidget* window = menu->window();
        QWindow* handle = window->windowHandle();
        if (!handle || !button->isVisible())
            return;
        activate(window);
        noteAction(QStringLiteral("Menu: %1").arg(nameOf(button)));
        QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier,
                          inside(window, button->mapTo(window, button->rect().center())));
    }

    void popupInput(QWidget* popup)
    {
        QWindow* handle = popup->windowHandle();
        if (!handle)
            return;
        const int roll = below(100);
        if (roll < 30) {
            noteAction(QStringLiteral("Escape to popup %1").arg(nameOf(popup)));
            QTest::keyClick(handle, Qt::Key_Escape);
        } else if (roll < 55) {
            const Qt::Key code = chance(50) ? Qt::Key_Down : chance(50) ? Qt::Key_Up : Qt::Key_Return;
            noteAction(QStringLiteral("key %1 to popup %2").arg(int(code)).arg(nameOf(popup)));
            QTest::keyClick(handle, code);
        } else {
            const QPoint at(below(std::max(1, popup->width())), below(std::max(1, popup->height())));
            noteAction(QStringLiteral("click at %1,%2 in popup %3").arg(at.x()).arg(at.y()).arg(nameOf(popup)));
            QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier, at);
        }
    }

    void helpInput(fiscalia::HelpViewer* help)
    {
        see(QStringLiteral("HelpViewer"));
        if (chance(25)) {
            noteAction(QStringLiteral("close the help window"));
            help->close();
            return;
        }
        input(help);
    }

    // The print dialog's file name is typed text that the print writes to,
    // so it is put back to a scratch file before every action, and the
    // dialog gets clicks only (its own file chooser is a file dialog, which
    // is answered as above).
    void printDialogInput(QPrintDialog* dialog)
    {
        const QString target = QDir(filesDir_).filePath(QStringLiteral("printed.pdf"));
        const auto edits = dialog->findChildren<QLineEdit*>(QStringLiteral("filename"));
        for (QLineEdit* edit : edits)
            edit->setText(target);
        if (++modalActions_ > ModalPatience || chance(15)) {
            clickButton(dialog, true);
            return;
        }
        if (chance(70))
            click(dialog);
        else
            clickButton(dialog, false);
    }

    // The file dialog is never given random input (it could reach the user's
    // files): it is cancelled, or pointed at a file of the scratch folder.
    void answerFileDialog(QFileDialog* dialog)
    {
        if (chance(35)) {
            noteAction(QStringLiteral("FileDir: cancel"));
            dialog->reject();
            return;
        }
        QString name;
        if (dialog->acceptMode() == QFileDialog::AcceptSave) {
            static const std::vector<QString> names = {
                QStringLiteral("monkey.umd"),     QStringLiteral("monkey.uld"),   QStringLiteral("monkey.KVS"),
                QStringLiteral("monkey.KVW"),     QStringLiteral("monkey.csv"),   QStringLiteral("monkey.txt"),
                QStringLiteral("monkey"),         QStringLiteral("two words.KVS"), QStringLiteral("\u00e9t\u00e9.KVW"),
                QStringLiteral("MortSampl.umd"),  QStringLiteral("DtaSampl.KVS"), QStringLiteral("no-folder/x.umd"),
                QString(300, QLatin1Char('n')) + QStringLiteral(".umd"),
            };
            name = pick(names);
        } else {
            const QStringList files = QDir(filesDir_).entryList(QDir::Files, QDir::Name);
            // Mostly a file of the kind asked for (a sample, whole or cut
            // short), so the windows behind an opened file get input too.
            static const QRegularExpression extension(QStringLiteral("\\*\\.(\\w+)"));
            const QRegularExpressionMatch wanted = extension.match(dialog->selectedNameFilter());
            QStringList fitting;
            if (wanted.hasMatch())
                for (const QString& file : files)
                    if (file.endsWith(QLatin1Char('.') + wanted.captured(1), Qt::CaseInsensitive))
                        fitting << file;
            const QStringList& from = !fitting.isEmpty() && chance(75) ? fitting : files;
            if (!from.isEmpty())
                name = from.at(below(int(from.size())));
        }
        if (name.isEmpty()) {
            dialog->reject();
            return;
        }
        noteAction(QStringLiteral("FileDir: %1 %2")
                       .arg(dialog->acceptMode() == QFileDialog::AcceptSave ? QStringLiteral("save as")
                                                                            : QStringLiteral("open"),
                            name.left(60)));
        dialog->setDirectory(filesDir_);
        dialog->selectFile(name);
        static_cast<QDialog*>(dialog)->accept(); // as its Open/Save button does
    }

    std::mt19937 rng_;
    double seconds_;
    QString programDir_;
    QString configDir_;
    QString filesDir_;
    std::unique_ptr<fiscalia::MDIContainer> frame_;
    QTimer stepTimer_;
    QTimer heartbeat_;
    QElapsedTimer clock_;
    QElapsedTimer endClock_;
    double runTime_ = 0;
    bool ending_ = false;
    bool posted_ = false;
    std::vector<int> busy_;
    QPointer<QWidget> lastModal_;
    int modalActions_ = 0;
    int starts_ = 0;
    std::map<QString, int> windows_;
};

bool copyInto(const QString& from, const QString& toDir)
{
    const QString target = QDir(toDir).filePath(QFileInfo(from).fileName());
    QFile::remove(target);
    return QFile::copy(from, target);
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// The files the file dialog may be pointed at: the samples, cut short
// copies of them, an empty file and noise.
void fillScratchFolder(const QString& dataDir, const QString& filesDir, std::uint32_t seed)
{
    std::mt19937 rng(seed ^ 0x5eed5eedU);
    for (const QString& name : fiscalia::sampleFileNames()) {
        const QString source = QDir(dataDir).filePath(name);
        copyInto(source, filesDir);
        QFile file(source);
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray all = file.readAll();
            writeFile(QDir(filesDir).filePath(QStringLiteral("cut-") + name),
                      all.left(int(std::uniform_int_distribution<int>(0, int(all.size()))(rng))));
        }
    }
    writeFile(QDir(filesDir).filePath(QStringLiteral("empty.umd")), {});
    QByteArray noise(4096, '\0');
    for (char& c : noise)
        c = static_cast<char>(rng() & 0xff);
    writeFile(QDir(filesDir).filePath(QStringLiteral("noise.KVS")), noise);
    writeFile(QDir(filesDir).filePath(QStringLiteral("noise.umd")), noise.left(700));
    writeFile(QDir(filesDir).filePath(QStringLiteral("lines.KVW")),
              QByteArray("\"a\",\"b\"\r\n1,2,3,4,5,6,7,8,9\r\n-1e308,1e308,nan,inf\r\n\"unterminated\r\n"));
}

int usage()
{
    std::fputs("usage: fiscalia_monkey SECONDS [SEED] [--data FOLDER] [--verbose]\n"
               "Drives the program with random input for SECONDS; the same SEED replays a run.\n"
               "--verbose prints every action as it is sent.\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    QString dataDir = QStringLiteral(FISCALIA_SOURCE_DATA);
    if (const int at = int(args.indexOf(QStringLiteral("--data"))); at >= 0) {
        if (at + 1 >= args.size())
            return usage();
        dataDir = args.at(at + 1);
        args.remove(at, 2);
    }
    if (args.removeAll(QStringLiteral("--verbose")) > 0)
        g_verbose = true;
    if (args.isEmpty() || args.size() > 2 || args.contains(QStringLiteral("--help")))
        return usage();
    bool ok = false;
    const double seconds = args.at(0).toDouble(&ok);
    if (!ok || seconds <= 0)
        return usage();
    if (args.size() == 2) {
        g_seed = args.at(1).toUInt(&ok);
        if (!ok)
            return usage();
    } else {
        g_seed = std::random_device{}();
    }
    std::printf("monkey: seed %u\n", g_seed);
    std::fflush(stdout);

    // Everything the program writes stays in a temporary folder.
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        std::fputs("monkey: no temporary folder\n", stderr);
        return 1;
    }
    const QDir root(scratch.path());
    for (const char* sub : {"program", "config", "files", "home/Documents", "xdg/config", "xdg/data", "xdg/cache"})
        root.mkpath(QString::fromLatin1(sub));
    const QString programDir = root.filePath(QStringLiteral("program"));
    const QString filesDir = root.filePath(QStringLiteral("files"));
    for (const QString& name : fiscalia::helpFileNames() + fiscalia::sampleFileNames()) {
        if (!copyInto(QDir(dataDir).filePath(name), programDir)) {
            std::fprintf(stderr, "monkey: %s not found in %s\n", qPrintable(name), qPrintable(dataDir));
            return 1;
        }
    }
    fillScratchFolder(dataDir, filesDir, g_seed);
    qputenv("HOME", root.filePath(QStringLiteral("home")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", root.filePath(QStringLiteral("xdg/config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", root.filePath(QStringLiteral("xdg/data")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", root.filePath(QStringLiteral("xdg/cache")).toLocal8Bit());
    // The real print dialog is driven, so it must never reach a real
    // printer: CUPS is pointed at a socket that does not exist, which leaves
    // only printing to a PDF file, named in the scratch folder (the working
    // folder and HOME).
    qunsetenv("FISCALIA_PRINT_TO");
    qputenv("CUPS_SERVER", root.filePath(QStringLiteral("no-cups.sock")).toLocal8Bit());
    QDir::setCurrent(root.filePath(QStringLiteral("home")));

    qInstallMessageHandler(onMessage);
#if defined(FISCALIA_MONKEY_SANITIZED)
    // A sanitizer report ends the process: the actions that led to it first.
    g_running = true;
    __sanitizer_set_death_callback([] {
        if (!g_running)
            return; // at exit (a leak report): the actions are gone
        std::fprintf(stderr, "monkey: FAILED with seed %u: the process is ending on a sanitizer report\n", g_seed);
        printRecentLocked(); // the GUI thread may hold the lock no longer: it is stopped
    });
#endif
    g_guiThread = pthread_self();
    std::thread guard(watchdog);

    int status = 0;
    {
        fiscalia::GuardedApplication app(argc, argv);
        QApplication::setApplicationName(QStringLiteral("Fiscalia"));
        QApplication::setOrganizationName(QStringLiteral("Fiscalia"));
        // The frame is started again when the Menu's Exit closes it.
        QApplication::setQuitOnLastWindowClosed(false);
        std::printf("monkey: platform %s, %g s\n", qPrintable(QGuiApplication::platformName()), seconds);
        std::fflush(stdout);

        Monkey monkey(g_seed, seconds, programDir, root.filePath(QStringLiteral("config/Fiscalia")), filesDir);
        monkey.start();
        status = QApplication::exec();
        g_tearingDown = true;
        monkey.finish();
        monkey.report();
    }
    g_stopWatchdog = true;
    guard.join();
    qInstallMessageHandler(nullptr);

    g_running = false;
    const std::lock_guard lock(g_logMutex);
    if (!g_failures.empty()) {
        std::printf("monkey: FAILED with seed %u: %zu problem(s); the first: %s\n", g_seed, g_failures.size(),
                    g_failures.front().c_str());
        return 1;
    }
    if (status != 0) {
        std::printf("monkey: FAILED with seed %u: the event loop ended with %d\n", g_seed, status);
        return 1;
    }
    std::printf("monkey: passed (seed %u)\n", g_seed);
    return 0;
}
