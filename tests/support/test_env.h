#pragma once
#include "app/GuardedApplication.h"

#include <QString>
#include <QTemporaryDir>
#include <QTest>

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

// The main function of a window test: the program's own application object,
// with its last-resort guard, in place of Qt Test's.
#define FISCALIA_TEST_MAIN(TestObject)                                                                                 \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        fiscalia::GuardedApplication app(argc, argv);                                                                  \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                                       \
        TestObject test;                                                                                               \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
