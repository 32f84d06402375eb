#pragma once
#include "app/Shell.h"
#include "app/ToolFactory.h"

#include <QMainWindow>

#include <memory>

class QMdiArea;
class QMdiSubWindow;

namespace fiscalia {

struct AppState;
class HelpViewer;
class MenuMain;
class SettingsStore;
class ToolWindow;

// Where the program keeps its files, and how it shows modal windows.
struct StartOptions {
    QString programDir;          // the program's folder
    QString dataDir;             // the help files and sample files; empty: the program's folder
    QString configDir;           // the user's configuration folder
    // Personal.fsc is kept in the program's folder first (a build folder);
    // false: in the configuration folder only (an installed program).
    bool settingsBesideProgram = true;
    Dialogs* dialogs = nullptr;  // null: the program's real modal windows
    bool changeDirectory = true; // make the data folder the current one
};

// True when `event` is the delayed click of a button (a button pressed by
// its underlined letter clicks itself a moment later) in a window that a
// modal window now blocks (or while a modal window that has just closed
// finishes its event loop). Such a click is held back until then: it would otherwise run that window's action (leave it, say)
// while one of its own actions still waits on the modal window.
bool clickHeldByModal(const QObject* receiver, const QEvent* event);
// Whether `event` is the delayed click of a button (pressed by its letter)
// whose window has been hidden since: another action left that window, so
// the click is dropped rather than act on a window the user no longer sees.
bool clickOfHiddenButton(const QObject* receiver, const QEvent* event);

// The frame window: it owns the program-wide state, holds the Menu and the
// tool windows, places them by its size and ends the program when closed.
class MDIContainer : public QMainWindow, public Shell {
    Q_OBJECT
public:
    explicit MDIContainer(StartOptions options);
    ~MDIContainer() override;

    AppState& state() { return *state_; }
    Dialogs& dialogs() { return *dialogs_; }
    MenuMain* menu() const { return menu_; }
    QMdiArea* area() const { return area_; }
    const SettingsStore& settingsStore() const { return *store_; }
    // The tool window in use, if any.
    ToolWindow* activeTool() const;
    HelpViewer* helpViewer() const { return helpViewer_; }
    // The folder of the help files and sample files, and where a file of
    // that folder is looked for.
    QString dataDir() const;
    QString dataFile(const QString& name) const;

    // The Menu's actions.
    void openTool(Tool tool);
    void openSettings();

    // Shell
    void setFrameCaption(const QString& caption) override;
    void showWindow(QWidget* window) override;
    void hideWindow(QWidget* window) override;
    void unloadWindow(QWidget* window) override;
    void showMenu() override;
    void openHelp(const QString& fileName, int context) override;
    QWidget* frameWidget() override { return this; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    // The program ends only when every tool window agrees to close.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void loadSettings();
    QMdiSubWindow* subWindowOf(QWidget* window) const;
    void placeWindow(QMdiSubWindow* sub);
    void makeRoomFor(QMdiSubWindow* sub);

    std::unique_ptr<AppState> state_;
    std::unique_ptr<Dialogs> ownDialogs_;
    Dialogs* dialogs_ = nullptr;
    std::unique_ptr<SettingsStore> store_;
    StartOptions options_;
    QMdiArea* area_ = nullptr;
    MenuMain* menu_ = nullptr;
    QMdiSubWindow* menuWindow_ = nullptr;
    HelpViewer* helpViewer_ = nullptr;
};

} // namespace fiscalia
