// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The hide-under-mouse behaviour: the clock drops behind every window as soon as the cursor
// touches its rectangle, and comes back on top once the cursor has spent the hide interval
// outside since it dropped. Time spent inside does not count and re-entering does not restart
// the delay. The delay is kept in quarter seconds, the length of the quickest tick; a tick
// counts the quarter seconds that passed since the one before.
class HideUnderMouse {
public:
    enum class Action { None, SendToBottom, BringToTop };

    // One running tick, `elapsedQuarterSeconds` after the one before. `active` is false when
    // the mode is off or a secondary window is open.
    Action Step(bool active, bool cursorInside, int hideIntervalSeconds, int elapsedQuarterSeconds);
    // Opening a secondary window lets the clock come back at the first tick outside.
    void ResetDelay() { hideDelayTicks_ = 0; }

    bool Raised() const { return raised_; }
    // Dropped, and the cursor was outside at the last tick: the delay counts down.
    bool DelayRunning() const { return !raised_ && !cursorInside_; }
    int HideDelayTicks() const { return hideDelayTicks_; }

private:
    bool raised_ = false;
    bool cursorInside_ = false;
    int hideDelayTicks_ = 0;
};
