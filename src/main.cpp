#include "app/GuardedApplication.h"
#include "app/HelpViewer.h"
#include "app/MDIContainer.h"
#include "app/ProgramFolders.h"
#include "app/SettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <cstring>

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

bool hasOption(int argc, char* argv[], const char* option)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], option) == 0)
            return true;
    return false;
}

void say(std::FILE* to, const QString& line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), to);
}

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// --check-install: builds the frame as a start would, then says where it
// looks for its files and whether each help file and sample file is there.
// Exits 0 when all are found, 1 naming what is missing.
int checkInstallation(const fiscalia::StartOptions& options)
{
    using namespace fiscalia;
    MDIContainer frame(options);
    say(stdout, QStringLiteral("program folder: %1").arg(native(options.programDir)));
    say(stdout, QStringLiteral("data folder:    %1 (%2)")
                    .arg(native(frame.dataDir()),
                         options.settingsBesideProgram ? QStringLiteral("beside the program")
                                                       : QStringLiteral("installed")));
    const SettingsStore& store = frame.settingsStore();
    const QString settings = store.programFile().isEmpty() ? store.configFile() : store.programFile();
    say(stdout, QStringLiteral("settings file:  %1").arg(native(settings)));

    QStringList missing;
    const QStringList helpFiles = helpFileNames();
    for (const QString& name : helpFiles + sampleFileNames()) {
        const QString path = frame.dataFile(name);
        if (!QFileInfo(path).isFile() || !QFileInfo(path).isReadable()) {
            say(stdout, QStringLiteral("missing:        %1").arg(name));
            missing << name;
            continue;
        }
        // A help file must also open in the help window.
        if (helpFiles.contains(name)) {
            HelpViewer viewer;
            if (!viewer.openAt(path, name == helpFiles.first() ? HelpTopic::Menu : 1)) {
                say(stdout, QStringLiteral("unreadable:     %1").arg(native(path)));
                missing << name;
                continue;
            }
        }
        say(stdout, QStringLiteral("found:          %1").arg(native(path)));
    }
    if (!missing.isEmpty()) {
        say(stderr, QStringLiteral("fiscalia: not found in %1: %2")
                        .arg(native(frame.dataDir()), missing.join(QStringLiteral(", "))));
        return 1;
    }
    say(stdout, QStringLiteral("all help files and sample files were found"));
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    const bool checkInstall = hasOption(argc, argv, "--check-install");
    // The check shows no window; it runs without a display too.
    if (checkInstall && !displayAvailable())
        qputenv("QT_QPA_PLATFORM", "offscreen");
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
    if (checkInstall)
        return checkInstallation(options);

    fiscalia::MDIContainer frame(options);
    QApplication::setWindowIcon(frame.windowIcon());
    frame.show();
    frame.activateWindow();
    return QApplication::exec();
}
