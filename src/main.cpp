#include "app/GuardedApplication.h"
#include "app/MDIContainer.h"

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

    fiscalia::StartOptions options;
    options.programDir = QApplication::applicationDirPath();
    options.configDir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    fiscalia::MDIContainer frame(options);
    frame.show();
    frame.activateWindow();
    return QApplication::exec();
}
