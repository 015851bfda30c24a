// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/clock_program.h"
#include "platform/display_platform.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

namespace {

// Read by the toolkit's X11 connection when the application starts.
constexpr char NoSharedMemoryVariable[] = "QT_XCB_NO_MITSHM";

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
    // Each second repaints a few small rectangles of the face. Sent through X11 shared memory,
    // every repaint makes the toolkit wait for the X server before it paints there again, a
    // round trip that wakes the clock a second time each second; the few kilobytes cost no
    // more sent with the request. A setting of the user's own wins.
    const bool plainPuts = !qEnvironmentVariableIsSet(NoSharedMemoryVariable);
    if (plainPuts) {
        qputenv(NoSharedMemoryVariable, "1");
    }
    QApplication application(argc, argv);
    // Programs that schedules start get the desktop's own choices, not ours.
    if (!platform.isEmpty()) {
        qunsetenv("QT_QPA_PLATFORM");
    }
    if (plainPuts) {
        qunsetenv(NoSharedMemoryVariable);
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
