#pragma once

// The hide-under-mouse behaviour: the clock drops behind every window as soon as the cursor
// touches its rectangle, and comes back on top once the cursor has spent the hide interval
// outside since it dropped. Ticks spent inside do not count and re-entering does not restart
// the delay.
class HideUnderMouse {
public:
    enum class Action { None, SendToBottom, BringToTop };

    // One running tick. `active` is false when the mode is off or a secondary window is open.
    Action Step(bool active, bool cursorInside, int hideIntervalSeconds);
    // Opening a secondary window lets the clock come back at the first tick outside.
    void ResetDelay() { hideDelayTicks_ = 0; }

    bool Raised() const { return raised_; }
    int HideDelayTicks() const { return hideDelayTicks_; }

private:
    bool raised_ = false;
    int hideDelayTicks_ = 0;
};
