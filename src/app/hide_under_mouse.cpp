// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/hide_under_mouse.h"

#include <algorithm>
#include <limits>

HideUnderMouse::Action HideUnderMouse::Step(bool active, bool cursorInside, int hideIntervalSeconds,
                                            int elapsedQuarterSeconds) {
    if (!active) {
        return Action::None;
    }
    cursorInside_ = cursorInside;
    if (cursorInside) {
        const Action action = raised_ ? Action::SendToBottom : Action::None;
        if (raised_) {
            // A stored interval too large for four quarters a second saturates rather than
            // wrapping into a negative delay.
            const long long ticks = static_cast<long long>(hideIntervalSeconds) * 4;
            hideDelayTicks_ = ticks > std::numeric_limits<int>::max()
                                  ? std::numeric_limits<int>::max()
                                  : static_cast<int>(ticks);
        }
        raised_ = false;
        return action;
    }
    // As many quarter-second ticks as have passed: each counts the delay down by one, and
    // the first that finds it run out brings the clock back.
    if (hideDelayTicks_ > 0 && hideDelayTicks_ >= elapsedQuarterSeconds) {
        hideDelayTicks_ -= elapsedQuarterSeconds;
        return Action::None;
    }
    hideDelayTicks_ = std::min(hideDelayTicks_, 0);
    if (!raised_) {
        raised_ = true;
        return Action::BringToTop;
    }
    return Action::None;
}
