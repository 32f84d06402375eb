#pragma once
#include "app/Shell.h"

#include <QWidget>

class QPushButton;

namespace fiscalia {

// The common part of every tool window: its frame caption, its help topic,
// and the common exit to the Menu.
class ToolWindow : public QWidget {
    Q_OBJECT
public:
    ToolWindow(const ToolContext& context, QString caption, int helpContext, QWidget* parent = nullptr);

    const QString& caption() const { return caption_; }
    // "E&xit to Menu": frees the tool's results, resets ToolMode,
    // ResultsReady and GraphKind, restores the frame caption, unloads this
    // window and shows the Menu.
    void exitToMenu();
    // Whether the window may be closed with the program; a window holding
    // work not saved asks first and says no when the user goes back to it.
    virtual bool mayClose() { return true; }

protected:
    // The tool frees its own result tables here.
    virtual void releaseResults() {}

    // A button of the window, named as the program names it; Enter presses
    // it when it has the focus.
    QPushButton* addButton(const char* objectName, const char* caption);

    AppState& state_;
    Dialogs& dialogs_;
    Shell& shell_;

private:
    QString caption_;
};

} // namespace fiscalia
