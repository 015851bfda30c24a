// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Turns the wheel's angle deltas into notches. A mouse wheel sends 120 units per notch;
// touchpads and free-spinning wheels send many smaller deltas that make a notch only
// together, so that one turn of the finger changes a size or a month once, not once per
// event. Turning the other way drops what had gathered.
class WheelNotches {
public:
    static constexpr int UnitsPerNotch = 120;

    // Adds one event's delta (QWheelEvent::angleDelta); returns the whole notches it
    // completes: positive away from the user (up), negative towards the user (down).
    int Add(int angleDelta);

private:
    int gathered_ = 0; // always less than a notch either way
};
