// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/imap_idle_schedule.h"

#include <algorithm>

using std::chrono::milliseconds;

void ImapIdleSchedule::Start(WatchInstant now) {
    state_ = State::Waiting;
    due_ = now.monotonic;
    pause_ = FirstPause;
    lastReading_ = now;
}

void ImapIdleSchedule::Opening(WatchInstant now) {
    if (state_ != State::Stopped) {
        state_ = State::Opening;
    }
    lastReading_ = now;
}

void ImapIdleSchedule::Idling(WatchInstant now) {
    if (state_ != State::Stopped) {
        state_ = State::Idling;
        due_ = now.monotonic + RenewalInterval;
    }
    lastReading_ = now;
}

void ImapIdleSchedule::Dropped(WatchInstant now) {
    if (state_ != State::Stopped) {
        state_ = State::Waiting;
        due_ = now.monotonic + pause_;
        pause_ = std::min<milliseconds>(pause_ * 2, LongestPause);
    }
    lastReading_ = now;
}

void ImapIdleSchedule::Stop() {
    state_ = State::Stopped;
}

bool ImapIdleSchedule::WallClockJumped(WatchInstant now) {
    const std::optional<WatchInstant> last = lastReading_;
    lastReading_ = now;
    if (!last) {
        return false;
    }
    const milliseconds drift = (now.wall - last->wall) - (now.monotonic - last->monotonic);
    return drift > WallClockTolerance || drift < -WallClockTolerance;
}

ImapIdleSchedule::Due ImapIdleSchedule::Poll(WatchInstant now) {
    const bool jumped = WallClockJumped(now);
    if (state_ == State::Stopped) {
        return Due::Nothing;
    }
    if (jumped) {
        pause_ = FirstPause; // whatever failed before the jump may work now
        return Due::Open;
    }
    if (state_ == State::Opening || now.monotonic < due_) {
        return Due::Nothing;
    }
    if (state_ == State::Waiting) {
        return Due::Open;
    }
    // The connection idled through a whole interval: it is a good one.
    pause_ = FirstPause;
    due_ = now.monotonic + RenewalInterval; // until the renewed IDLE is acknowledged
    return Due::Renew;
}

std::optional<milliseconds> ImapIdleSchedule::NextDue() const {
    if (state_ == State::Waiting || state_ == State::Idling) {
        return due_;
    }
    return std::nullopt;
}
