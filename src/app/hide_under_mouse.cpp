#include "app/hide_under_mouse.h"

#include <limits>

HideUnderMouse::Action HideUnderMouse::Step(bool active, bool cursorInside,
                                            int hideIntervalSeconds) {
    if (!active) {
        return Action::None;
    }
    if (cursorInside) {
        const Action action = raised_ ? Action::SendToBottom : Action::None;
        if (raised_) {
            // A stored interval too large for four ticks a second saturates rather than
            // wrapping into a negative delay.
            const long long ticks = static_cast<long long>(hideIntervalSeconds) * 4;
            hideDelayTicks_ = ticks > std::numeric_limits<int>::max()
                                  ? std::numeric_limits<int>::max()
                                  : static_cast<int>(ticks);
        }
        raised_ = false;
        return action;
    }
    if (hideDelayTicks_ <= 0) {
        if (!raised_) {
            raised_ = true;
            return Action::BringToTop;
        }
        return Action::None;
    }
    --hideDelayTicks_;
    return Action::None;
}
