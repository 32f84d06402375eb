#include "app/GuardedApplication.h"
#include "app/MDIContainer.h"
#include "app/ProgramFolders.h"

#include <QApplication>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt would abort with a long trace; say what to do instead.
bool displayAvailable()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform)
        return true;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

} // namespace

int main(int argc, char* argv[])
{
    if (!displayAvailable()) {
        std::fputs("fiscalia: no display found (DISPLAY is not set); to run without a screen use "
                   "QT_QPA_PLATFORM=offscreen build/fiscalia\n",
                   stderr);
        return 1;
    }
    fiscalia::GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fiscalia"));
    QApplication::setOrganizationName(QStringLiteral("Fiscalia"));

    // Installed, the help files and samples are in the share folder and the
    // settings in the user's configuration folder; in a build folder all lie
    // beside the program.
    const QString programDir = QApplication::applicationDirPath();
    const fiscalia::ProgramFolders folders = fiscalia::locateProgramFolders(programDir);
    fiscalia::StartOptions options;
    options.programDir = programDir;
    options.dataDir = folders.dataDir;
    options.configDir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    options.settingsBesideProgram = !folders.installed;
    fiscalia::MDIContainer frame(options);
    QApplication::setWindowIcon(frame.windowIcon());
    frame.show();
    frame.activateWindow();
    return QApplication::exec();
}
