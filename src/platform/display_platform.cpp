// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/display_platform.h"

DisplayEnvironment DisplayEnvironment::FromProcess() {
    return {qEnvironmentVariable("QT_QPA_PLATFORM"), qEnvironmentVariable("XDG_SESSION_TYPE"),
            qEnvironmentVariable("WAYLAND_DISPLAY"), qEnvironmentVariable("DISPLAY")};
}

QString ChooseDisplayPlatform(const DisplayEnvironment& environment, ProgramUse use) {
    if (!environment.qtPlatform.trimmed().isEmpty()) {
        return QString();
    }
    if (use == ProgramUse::NoWindow) {
        return QStringLiteral("offscreen");
    }
    const bool waylandSession =
        environment.sessionType.compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0 ||
        !environment.waylandDisplay.isEmpty();
    if (waylandSession && !environment.x11Display.isEmpty()) {
        // Should the X server not answer after all, Qt falls back to Wayland.
        return QStringLiteral("xcb;wayland");
    }
    return QString();
}

bool IsWaylandPlatform(const QString& platformName) {
    return platformName.startsWith(QLatin1String("wayland"));
}
