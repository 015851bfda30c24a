// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// What the due check needs from the clock window: which secondary windows are open, and a
// way to show due entries in an alarm window.
class AlarmHost {
public:
    virtual ~AlarmHost() = default;
    // One bit per open secondary window (WindowBit).
    virtual std::uint32_t OpenWindowMask() const = 0;
    // Opens a new alarm window through the secondary-window protocol. The window collects the
    // due entries when it is created; the call returns after it has been closed.
    virtual void OpenAlarmWindow() = 0;
    // Adds the entries that have just fallen due to the alarm window that is already open, and
    // gives that window the keyboard focus.
    virtual void CollectIntoOpenAlarmWindow() = 0;
};
