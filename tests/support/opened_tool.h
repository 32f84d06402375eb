#pragma once
#include "support/test_env.h"

#include <QString>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace fiscalia {
struct AppState;
class Grid;
class ToolWindow;
namespace test {

// A tool window opened from the Menu of a test program, with the ways a
// user works it: typing into a box, pressing a button after leaving the
// box, checking an option as a screen reader does.
struct OpenedTool {
    TestProgram program;
    ToolWindow* tool = nullptr;

    explicit OpenedTool(const char* menuButton, bool withHelp = false);

    AppState& state();
    ScriptedDialogs& dialogs();
    // A green box: the line edit named so, or the one inside the list box
    // named so.
    QLineEdit* box(const char* name) const;
    QComboBox* combo(const char* name) const;
    QString text(const char* name) const { return textOf(box(name)); }
    QString label(const char* name) const;
    QPushButton* button(const char* name) const;
    Grid* grid(const char* name) const;
    // Keys typed into the control named so, which gets the focus first.
    void type(const char* name, const QString& keys);
    // A button pressed the way a user does: the box left first.
    void press(const char* name);
    // An option checked through the accessibility interface: no click.
    void toggle(const char* name);
    // The plain text of a help topic.
    QString helpAt(int topic);

private:
    static QString textOf(const QLineEdit* edit);
};

} // namespace test
} // namespace fiscalia
