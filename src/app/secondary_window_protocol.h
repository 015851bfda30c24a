// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/window_bits.h"
#include "platform/user_prompt.h"

#include <cstdint>
#include <functional>

// What opening and closing a secondary window needs from the clock window.
class WindowBandHost {
public:
    virtual ~WindowBandHost() = default;
    virtual void ResetHideDelay() = 0;
    // Leaves the topmost band without moving or sizing, so the new window stands above.
    virtual void LeaveTopmostBand() = 0;
    // Back to the band of the current display mode (topmost only for always-on-top).
    virtual void RestoreDisplayBand() = 0;
    virtual void RestartTick() = 0;
};

// Keeps one bit per open secondary window. Every secondary window is opened and closed
// through here, so the tray menu, hide-under-mouse, the mail run and the correction can ask
// which windows are open, and the clock window's band is restored when the last one closes.
class SecondaryWindowProtocol {
public:
    SecondaryWindowProtocol(WindowBandHost& host, UserPrompt& prompt)
        : host_(host), prompt_(prompt) {}

    // createAndRun creates the window and shows it modally; it returns when the window has
    // closed, or false at once when the window could not be created.
    void OpenSecondaryWindow(WindowBit bit, const std::function<bool()>& createAndRun);
    void CloseSecondaryWindow(WindowBit bit);

    std::uint32_t OpenWindowMask() const { return mask_; }
    bool IsOpen(WindowBit bit) const { return (mask_ & bit) != 0; }
    bool AnyOpen() const { return mask_ != 0; }

private:
    WindowBandHost& host_;
    UserPrompt& prompt_;
    std::uint32_t mask_ = 0;
};
