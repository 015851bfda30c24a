// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/hide_under_mouse.h"

#include <gtest/gtest.h>

namespace {

using Action = HideUnderMouse::Action;

// One quarter-second tick.
Action Step(HideUnderMouse& hide, bool inside, int interval) {
    return hide.Step(true, inside, interval, 1);
}

// Runs quarter-second ticks with the cursor outside and returns on which tick the clock came
// back.
int TicksUntilRaised(HideUnderMouse& hide, int interval, int limit = 1000) {
    for (int tick = 1; tick <= limit; ++tick) {
        if (Step(hide, false, interval) == Action::BringToTop) {
            return tick;
        }
    }
    return -1;
}

} // namespace

TEST(HideUnderMouse, ComesBackOnTheFirstTickOutsideWithIntervalZero) {
    HideUnderMouse hide;
    EXPECT_EQ(Step(hide, false, 0), Action::BringToTop);
    EXPECT_EQ(Step(hide, true, 0), Action::SendToBottom);
    EXPECT_EQ(Step(hide, true, 0), Action::None) << "already down";
    EXPECT_EQ(TicksUntilRaised(hide, 0), 1);
}

TEST(HideUnderMouse, ReenteringDoesNotRestartTheDelay) {
    HideUnderMouse hide;
    Step(hide, false, 3);
    ASSERT_EQ(Step(hide, true, 3), Action::SendToBottom);
    EXPECT_EQ(hide.HideDelayTicks(), 12);
    for (int tick = 0; tick < 8; ++tick) { // two seconds outside
        EXPECT_EQ(Step(hide, false, 3), Action::None);
    }
    for (int tick = 0; tick < 6; ++tick) { // back inside: nothing counts, nothing restarts
        EXPECT_EQ(Step(hide, true, 3), Action::None);
    }
    EXPECT_EQ(hide.HideDelayTicks(), 4);
    // One more second outside, then up on the next tick.
    EXPECT_EQ(TicksUntilRaised(hide, 3), 5);
}

TEST(HideUnderMouse, DoesNothingWhileInactive) {
    HideUnderMouse hide;
    Step(hide, false, 0);
    EXPECT_EQ(hide.Step(false, true, 0, 1), Action::None);
    EXPECT_TRUE(hide.Raised()) << "a dialog open: the window neither drops nor rises";
}

TEST(HideUnderMouse, ResetDelayLetsTheClockComeBackAtOnce) {
    HideUnderMouse hide;
    Step(hide, false, 10);
    Step(hide, true, 10);
    hide.ResetDelay();
    EXPECT_EQ(TicksUntilRaised(hide, 10), 1);
}

TEST(HideUnderMouse, HugeIntervalSaturatesInsteadOfWrapping) {
    HideUnderMouse hide;
    Step(hide, false, 0x7FFFFFFF);
    Step(hide, true, 0x7FFFFFFF);
    EXPECT_GT(hide.HideDelayTicks(), 0);
    EXPECT_EQ(Step(hide, false, 0x7FFFFFFF), Action::None);
}

// Slower ticks count the quarter seconds that passed: the clock comes back on the first tick
// at or after the quarter-second tick that would have brought it back.
TEST(HideUnderMouse, CountsQuarterSecondsWhateverTheTickLength) {
    struct Case {
        int quartersPerTick;
        int raisedAtQuarter;
    };
    for (const Case& sample : {Case{1, 9}, Case{2, 10}, Case{3, 9}, Case{4, 12}}) {
        HideUnderMouse hide;
        Step(hide, false, 2);
        ASSERT_EQ(Step(hide, true, 2), Action::SendToBottom);
        EXPECT_EQ(hide.Step(true, false, 2, 0), Action::None) << "no time, no count";
        int quarters = 0;
        while (hide.Step(true, false, 2, sample.quartersPerTick) != Action::BringToTop &&
               quarters < 100) {
            quarters += sample.quartersPerTick;
        }
        EXPECT_EQ(quarters + sample.quartersPerTick, sample.raisedAtQuarter)
            << sample.quartersPerTick << " quarters a tick";
    }
}
