#pragma once

class QString;
class QWidget;

namespace fiscalia {

struct AppState;
class Dialogs;

// What the frame offers the windows inside it.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void setFrameCaption(const QString& caption) = 0;
    // Shows a tool window inside the frame (adding it the first time) and
    // makes it the active window, placed by the frame's size.
    virtual void showWindow(QWidget* window) = 0;
    virtual void hideWindow(QWidget* window) = 0;
    // Closes a tool window for good; it is deleted once its event is done.
    virtual void unloadWindow(QWidget* window) = 0;
    virtual void showMenu() = 0;
    // Opens a help file of the program's folder at a topic.
    virtual void openHelp(const QString& fileName, int context) = 0;
    virtual QWidget* frameWidget() = 0;
};

// Everything a tool window needs from the program.
struct ToolContext {
    AppState& state;
    Dialogs& dialogs;
    Shell& shell;
};

} // namespace fiscalia
