// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFlags>
#include <cstdint>

// How often the clock window's tick runs. A clock left alone wakes once a second, just after
// each second of the system clock, so the face shows the new second at once and the process
// sleeps in between. Whatever must react within a quarter of a second, or moves on every
// tick, brings back four ticks a second; each such reason is named here and decided in
// ReasonsFor, nowhere else.
class TickCadence {
public:
    enum class Rate { EverySecond, EveryQuarterSecond };

    enum class Reason : std::uint32_t {
        // The first two ticks only prepare the window; the face follows on the third.
        StartingUp = 0x001,
        // The pointer is over the window: the user is about to act on it.
        PointerOverWindow = 0x002,
        // Hiding under the mouse where pointer events cannot tell the pointer's arrival: a
        // shape with cut-off corners, or another program's window over the clock. Every
        // tick asks the server where the pointer is.
        PointerUnseenByEvents = 0x004,
        // Dropped behind with the pointer over it: every tick asks whether it has left.
        DroppedUnderMouse = 0x008,
        // The pointer has left the dropped clock; the hide delay counts down to its return.
        HideDelayRunning = 0x010,
        // A face part is being placed (the tick is stopped meanwhile).
        PlacingPart = 0x020,
        // A mail check runs, is asked for, or has a result waiting to be shown: one account
        // per tick, and the activity mark moves on every tick.
        MailCheck = 0x040,
        // A clock correction runs or waits for the mail check: its mark moves on every tick.
        Correction = 0x080,
        // A secondary window of the clock is open.
        WindowOpen = 0x100,
    };
    Q_DECLARE_FLAGS(Reasons, Reason)

    // What the clock window knows at the moment; ReasonsFor turns it into reasons.
    struct Facts {
        bool startingUp = false;
        bool pointerOverWindow = false;
        bool hidingUnderMouse = false;        // the display mode hides under the mouse
        bool pointerEventsCoverWindow = true; // false: cut-off corners, covered by others
        bool raised = true;                   // hiding under the mouse: in front
        bool hideDelayRunning = false;        // dropped, and the pointer has left
        bool placingPart = false;
        bool mailCheck = false;
        bool correction = false;
        bool windowOpen = false;
    };

    // How long after a boundary of the system clock's seconds the tick comes, so that it
    // reads the new second even when the timer fires a little early.
    static constexpr int MarginMilliseconds = 2;

    static Reasons ReasonsFor(const Facts& facts);
    static Rate RateFor(Reasons reasons) {
        return reasons ? Rate::EveryQuarterSecond : Rate::EverySecond;
    }
    // Milliseconds from the instant `millisecondsSinceEpoch` of the system clock until the
    // next tick at `rate`: the next whole second (or quarter second) plus the margin.
    static int MillisecondsToNextTick(Rate rate, std::int64_t millisecondsSinceEpoch);
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TickCadence::Reasons)
