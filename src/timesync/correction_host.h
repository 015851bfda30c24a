// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/command_state.h"

#include <cstdint>

// What the clock correction needs from the clock window.
class CorrectionHost {
public:
    virtual ~CorrectionHost() = default;
    // One bit per open secondary window (WindowBit).
    virtual std::uint32_t OpenWindowMask() const = 0;
    // Whether the program is closing; nothing new starts then.
    virtual bool IsExiting() const = 0;
    // Whether a mail check run is in progress.
    virtual bool MailCheckRunning() const = 0;
    // Menu_MailCheck, PP_DayTimeCheck, PP_DayTime and PP_Option, which no run may overlap.
    virtual void SetRunCommandsEnabled(CommandState state) = 0;
    // Sets HideDelayTicks to 0, so the window does not hide right after a run.
    virtual void ResetHideDelay() = 0;
    // Opens the result window (bit 0x80) through the secondary-window protocol; returns
    // when it has been closed.
    virtual void OpenCorrectionResultWindow() = 0;
    // Puts the clock window's tick back to its 250 ms interval.
    virtual void RestartTick() = 0;
};
