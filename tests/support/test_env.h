#pragma once
#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace fiscalia {
class MDIContainer;
namespace test {
class ScriptedDialogs;

// Pins the locale of a window test to English (United States) and checks that
// the offscreen platform is in use.
void pinTestEnvironment();

// A frame started in its own temporary program and configuration folders,
// with scripted dialogs.
struct TestProgram {
    TestProgram(bool withHelpFiles = false, const QByteArray& settingsFile = {});
    ~TestProgram();
    QTemporaryDir programDir;
    QTemporaryDir configDir;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<MDIContainer> frame;
};

// Presses Alt+key on a window, as a user reaches a button by its underlined
// letter, and lets the button's click happen.
void pressAlt(QWidget* target, int key);

// Types a text of any characters into a widget, one key a character.
void typeKeys(QWidget* target, const QString& text);

// Copies the help files of the source tree into a folder.
void copyHelpFiles(const QString& toDir);

} // namespace test
} // namespace fiscalia
