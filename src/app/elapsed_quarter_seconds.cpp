// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/elapsed_quarter_seconds.h"

#include <algorithm>
#include <limits>

int ElapsedQuarterSeconds::Take(std::int64_t steadyMilliseconds) {
    // Rounding leaves the counted instant at most half a quarter ahead, so the difference
    // is never below minus half a quarter and the division rounds as intended.
    const std::int64_t quarters =
        (steadyMilliseconds - countedUpTo_ + QuarterMilliseconds / 2) / QuarterMilliseconds;
    const std::int64_t counted =
        std::clamp<std::int64_t>(quarters, 0, std::numeric_limits<int>::max());
    countedUpTo_ += counted * QuarterMilliseconds;
    return int(counted);
}
