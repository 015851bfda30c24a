// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/display_platform.h"

#include <gtest/gtest.h>

TEST(DisplayPlatform, ChoiceForEachSession) {
    struct Case {
        DisplayEnvironment
            environment; // QT_QPA_PLATFORM, XDG_SESSION_TYPE, WAYLAND_DISPLAY, DISPLAY
        ProgramUse use;
        const char* expected;
        const char* why;
    };
    const ProgramUse window = ProgramUse::Window;
    const ProgramUse headless = ProgramUse::NoWindow;
    const Case cases[] = {
        {{"", "wayland", "wayland-0", ":0"}, window, "xcb;wayland", "Wayland with XWayland"},
        {{"", "", "wayland-0", ":0"},
         window,
         "xcb;wayland",
         "Wayland socket without a session type"},
        {{"", "wayland", "", ":0"}, window, "xcb;wayland", "session type without a socket"},
        {{"", "Wayland", "", ":1"}, window, "xcb;wayland", "session type in capitals"},
        {{"", "wayland", "wayland-0", ""}, window, "", "Wayland without an X display"},
        {{"", "x11", "", ":0"}, window, "", "an X session is Qt's own choice"},
        {{"", "", "", ":0"}, window, "", "no session type"},
        {{"", "tty", "", ""}, window, "", "a console without any display"},
        {{"wayland", "wayland", "wayland-0", ":0"}, window, "", "the user asked for Wayland"},
        {{"xcb", "x11", "", ":0"}, window, "", "the user asked for X"},
        {{" ", "wayland", "wayland-0", ":0"}, window, "xcb;wayland", "a blank choice is none"},
        {{"", "wayland", "wayland-0", ":0"}, headless, "offscreen", "a command needs no display"},
        {{"", "", "", ""}, headless, "offscreen", "a command without any display"},
        {{"minimal", "", "", ":0"}, headless, "", "the user's platform also for a command"},
    };
    for (const Case& item : cases) {
        EXPECT_EQ(ChooseDisplayPlatform(item.environment, item.use),
                  QString::fromLatin1(item.expected))
            << item.why;
    }
}

TEST(DisplayPlatform, WaylandNames) {
    EXPECT_TRUE(IsWaylandPlatform(QStringLiteral("wayland")));
    EXPECT_TRUE(IsWaylandPlatform(QStringLiteral("wayland-egl")));
    EXPECT_FALSE(IsWaylandPlatform(QStringLiteral("xcb")));
    EXPECT_FALSE(IsWaylandPlatform(QStringLiteral("offscreen")));
}
