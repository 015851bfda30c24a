// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Whether this run of the program shows the clock or only writes to files and the terminal.
enum class ProgramUse { Window, NoWindow };

// The variables that decide which window system Qt connects to.
struct DisplayEnvironment {
    QString qtPlatform;     // QT_QPA_PLATFORM: the user's own choice wins
    QString sessionType;    // XDG_SESSION_TYPE
    QString waylandDisplay; // WAYLAND_DISPLAY
    QString x11Display;     // DISPLAY

    static DisplayEnvironment FromProcess();
};

// The platform to ask Qt for through QT_QPA_PLATFORM, or an empty text to leave Qt's own
// choice. In a Wayland session with an X display the clock goes through the X server, since
// a Wayland client can neither place itself nor choose its stacking; without one it runs as
// a Wayland client. Runs without a window need no display at all.
QString ChooseDisplayPlatform(const DisplayEnvironment& environment, ProgramUse use);

// True for the names Qt gives its Wayland platforms ("wayland", "wayland-egl", ...).
bool IsWaylandPlatform(const QString& platformName);
