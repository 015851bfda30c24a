// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// One bit per secondary window in the clock window's OpenWindowMask.
enum WindowBit : std::uint32_t {
    DisplaySettingsWindow = 0x01,
    ScheduleSettingsWindow = 0x02,
    AlarmWindow = 0x04,
    MailNotificationWindow = 0x08,
    MailSettingsWindow = 0x10,
    CorrectionSettingsWindow = 0x20,
    AboutWindow = 0x40,
    CorrectionResultWindow = 0x80,
};

// Which face part the user is placing with the mouse.
enum PlacementMode : int {
    PlacementNone = 0,
    PlacementAnalog = 1,
    PlacementTime = 2,
    PlacementDate = 3,
    PlacementIconBar = 4,
};
