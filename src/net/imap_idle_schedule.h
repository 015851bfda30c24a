// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <optional>

// A moment as two clocks read it: one that only runs forward while the machine runs (it
// stands still in suspend), and the wall clock, which a resume or a clock setting moves.
struct WatchInstant {
    std::chrono::milliseconds monotonic{0};
    std::chrono::milliseconds wall{0};
};

// When an IDLE watch renews its IDLE, re-opens a dropped connection and gives up waiting.
// The moments are passed in, so the rules can be tested without waiting for them.
//
// IDLE is renewed before servers forget a quiet connection (RFC 2177 allows them to after
// 30 minutes). A dropped connection is re-opened after a pause that starts at FirstPause and
// doubles with each failure up to LongestPause; a connection that idled through a renewal
// counts as good again. When the wall clock moves against the monotonic one by more than
// WallClockTolerance, the machine was most likely suspended and every connection is dead
// without knowing it: the watch re-opens at once.
class ImapIdleSchedule {
public:
    static constexpr std::chrono::minutes RenewalInterval{24};
    static constexpr std::chrono::seconds FirstPause{30};
    static constexpr std::chrono::minutes LongestPause{15};
    static constexpr std::chrono::seconds WallClockTolerance{30};

    enum class Due {
        Nothing,
        Open,  // open a connection (closing any still there)
        Renew, // renew the IDLE of the open connection
    };

    // Starts the watch: the first connection is due at once.
    void Start(WatchInstant now);
    // The connection is being opened; it has its own time-outs.
    void Opening(WatchInstant now);
    // The server accepted IDLE (again).
    void Idling(WatchInstant now);
    // The connection was lost or could not be opened.
    void Dropped(WatchInstant now);
    // No more connections: the watch ends.
    void Stop();

    // What is due at `now`. Also notices a jump of the wall clock since the last reading.
    Due Poll(WatchInstant now);
    // The monotonic moment at which Poll will next have something due, if any.
    std::optional<std::chrono::milliseconds> NextDue() const;
    // The pause before the next re-opening after a drop.
    std::chrono::milliseconds Pause() const { return pause_; }
    bool Stopped() const { return state_ == State::Stopped; }

private:
    enum class State { Stopped, Waiting, Opening, Idling };

    // Whether the wall clock moved against the monotonic one since the last reading.
    bool WallClockJumped(WatchInstant now);

    State state_ = State::Stopped;
    std::chrono::milliseconds due_{0}; // monotonic: re-open (Waiting) or renew (Idling)
    std::chrono::milliseconds pause_ = FirstPause;
    std::optional<WatchInstant> lastReading_;
};
