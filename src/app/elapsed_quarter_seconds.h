// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// Counts the quarter seconds that pass between ticks on a steady clock, so that what the
// program measures in quarter seconds (the mail and correction intervals, the hide delay, the
// blink of the mail counts) keeps its length in time whatever the tick's cadence: a tick
// after a second counts four. Each reading is rounded to the nearest quarter and the rest is
// carried into the next, so over many ticks no time is lost or counted twice.
class ElapsedQuarterSeconds {
public:
    static constexpr std::int64_t QuarterMilliseconds = 250;

    // Counting starts again from `steadyMilliseconds`; the time before it is not counted.
    void Restart(std::int64_t steadyMilliseconds) { countedUpTo_ = steadyMilliseconds; }
    // The quarter seconds since the last reading (or the restart), up to `steadyMilliseconds`.
    int Take(std::int64_t steadyMilliseconds);

private:
    std::int64_t countedUpTo_ = 0;
};
