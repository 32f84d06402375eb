#include "support/test_env.h"

#include "app/MDIContainer.h"
#include "support/ScriptedDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTest>

namespace fiscalia::test {

void pinTestEnvironment()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        qWarning("window tests expect QT_QPA_PLATFORM=offscreen");
}

void pressAlt(QWidget* target, int key)
{
    QWidget* window = target->window();
    QTest::keyClick(target, static_cast<Qt::Key>(key), Qt::AltModifier);
    // A button reached by its letter goes down and clicks a moment later.
    [[maybe_unused]] const bool released = QTest::qWaitFor([window] {
        for (auto* button : window->findChildren<QAbstractButton*>())
            if (button->isDown())
                return false;
        return true;
    }, 2000);
}

void typeKeys(QWidget* target, const QString& text)
{
    for (const QChar c : text) {
        const int key = c.unicode() < 128 ? QChar(c).toUpper().unicode() : int(Qt::Key_unknown);
        QTest::sendKeyEvent(QTest::Click, target, static_cast<Qt::Key>(key), QString(c), Qt::NoModifier);
    }
}

void copyHelpFiles(const QString& toDir)
{
    const QString source = qEnvironmentVariable("FISCALIA_DATA_DIR");
    for (const char* name : {"fscuse35.hlp", "fscdat35.grs"})
        QFile::copy(QDir(source).filePath(QString::fromLatin1(name)), QDir(toDir).filePath(QString::fromLatin1(name)));
}

TestProgram::TestProgram(bool withHelpFiles, const QByteArray& settingsFile)
    : dialogs(std::make_unique<ScriptedDialogs>())
{
    if (withHelpFiles)
        copyHelpFiles(programDir.path());
    if (!settingsFile.isNull()) {
        QFile file(QDir(programDir.path()).filePath(QStringLiteral("Personal.fsc")));
        if (file.open(QIODevice::WriteOnly))
            file.write(settingsFile);
    }
    StartOptions options;
    options.programDir = programDir.path();
    options.configDir = QDir(configDir.path()).filePath(QStringLiteral("Fiscalia"));
    options.dialogs = dialogs.get();
    options.changeDirectory = false;
    frame = std::make_unique<MDIContainer>(options);
    frame->show();
    QApplication::setActiveWindow(frame.get());
    if (!QTest::qWaitForWindowExposed(frame.get()))
        qWarning("frame not exposed");
}

TestProgram::~TestProgram()
{
    frame.reset();
    // Windows closed for good are deleted by the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace fiscalia::test
