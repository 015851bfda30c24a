#include "app/hide_under_mouse.h"

#include <gtest/gtest.h>

namespace {

using Action = HideUnderMouse::Action;

// Runs ticks with the cursor outside and returns on which tick the clock came back.
int TicksUntilRaised(HideUnderMouse& hide, int interval, int limit = 1000) {
    for (int tick = 1; tick <= limit; ++tick) {
        if (hide.Step(true, false, interval) == Action::BringToTop) {
            return tick;
        }
    }
    return -1;
}

} // namespace

TEST(HideUnderMouse, ComesBackOnTheFirstTickOutsideWithIntervalZero) {
    HideUnderMouse hide;
    EXPECT_EQ(hide.Step(true, false, 0), Action::BringToTop);
    EXPECT_EQ(hide.Step(true, true, 0), Action::SendToBottom);
    EXPECT_EQ(hide.Step(true, true, 0), Action::None) << "already down";
    EXPECT_EQ(TicksUntilRaised(hide, 0), 1);
}

TEST(HideUnderMouse, ReenteringDoesNotRestartTheDelay) {
    HideUnderMouse hide;
    hide.Step(true, false, 3);
    ASSERT_EQ(hide.Step(true, true, 3), Action::SendToBottom);
    EXPECT_EQ(hide.HideDelayTicks(), 12);
    for (int tick = 0; tick < 8; ++tick) { // two seconds outside
        EXPECT_EQ(hide.Step(true, false, 3), Action::None);
    }
    for (int tick = 0; tick < 6; ++tick) { // back inside: nothing counts, nothing restarts
        EXPECT_EQ(hide.Step(true, true, 3), Action::None);
    }
    EXPECT_EQ(hide.HideDelayTicks(), 4);
    // One more second outside, then up on the next tick.
    EXPECT_EQ(TicksUntilRaised(hide, 3), 5);
}

TEST(HideUnderMouse, DoesNothingWhileInactive) {
    HideUnderMouse hide;
    hide.Step(true, false, 0);
    EXPECT_EQ(hide.Step(false, true, 0), Action::None);
    EXPECT_TRUE(hide.Raised()) << "a dialog open: the window neither drops nor rises";
}

TEST(HideUnderMouse, ResetDelayLetsTheClockComeBackAtOnce) {
    HideUnderMouse hide;
    hide.Step(true, false, 10);
    hide.Step(true, true, 10);
    hide.ResetDelay();
    EXPECT_EQ(TicksUntilRaised(hide, 10), 1);
}

TEST(HideUnderMouse, HugeIntervalSaturatesInsteadOfWrapping) {
    HideUnderMouse hide;
    hide.Step(true, false, 0x7FFFFFFF);
    hide.Step(true, true, 0x7FFFFFFF);
    EXPECT_GT(hide.HideDelayTicks(), 0);
    EXPECT_EQ(hide.Step(true, false, 0x7FFFFFFF), Action::None);
}
