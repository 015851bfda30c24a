// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

// Whether the cursor is inside the clock's outer rectangle, for the hide-under-mouse step.
// Asking the display server where the pointer is costs a round trip on every tick, so the
// answer is reused while nothing can have changed it: the clock is in front, the cursor was
// last seen outside, and the window's own events would tell if the cursor reached it.
// Everything that can change that (crossing the window's edge, a drag passing over it while
// another program holds the pointer, moving, resizing or reshaping the window, restacking it,
// a pause of the step) makes the next tick ask again. While the clock is dropped behind other
// windows, or other windows lie over it, every tick asks.
class CursorPresence {
public:
    enum class Stacking { InFront, DroppedBehind };
    // Whether pointer events reach the window over the whole of its rectangle: not so when a
    // shape cuts corners off or another window lies over it, where the cursor counts as
    // inside without entering the window.
    enum class EventCoverage { WholeRectangle, PartOfRectangle };

    // The next reading asks the server.
    void Forget() { outsideKnown_ = false; }

    // `ask` queries the server and applies the inside rule to the answer.
    bool Inside(Stacking stacking, EventCoverage coverage, const std::function<bool()>& ask);

private:
    bool outsideKnown_ = false;
};
