#include "app/clock_program.h"
#include "platform/display_platform.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

namespace {

// The commands that write a picture or print results need no display.
ProgramUse UseOf(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        for (const char* command :
             {"--render", "--check-time", "--check-mail", "--help", "-h", "--version"}) {
            if (std::strcmp(argv[i], command) == 0) {
                return ProgramUse::NoWindow;
            }
        }
    }
    return ProgramUse::Window;
}

} // namespace

int main(int argc, char** argv) {
    const ProgramUse use = UseOf(argc, argv);
    const QString platform = ChooseDisplayPlatform(DisplayEnvironment::FromProcess(), use);
    if (!platform.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", platform.toLocal8Bit());
    }
    QApplication application(argc, argv);
    if (!platform.isEmpty()) {
        // Programs that schedules start get the desktop's own choice, not ours.
        qunsetenv("QT_QPA_PLATFORM");
    }
    // Wayland compositors find the icon and name through the desktop entry's name.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZORBEL_APPLICATION_ID));
    if (use == ProgramUse::Window && IsWaylandPlatform(QGuiApplication::platformName())) {
        std::fputs("zorbel: running as a Wayland client; the compositor decides the window's "
                   "position and stacking\n",
                   stderr);
    }
    return RunClockProgram(application);
}
