// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/tick_cadence.h"

TickCadence::Reasons TickCadence::ReasonsFor(const Facts& facts) {
    Reasons reasons;
    reasons.setFlag(Reason::StartingUp, facts.startingUp);
    reasons.setFlag(Reason::PointerOverWindow, facts.pointerOverWindow);
    // The pointer matters to no other mode than hiding under the mouse.
    if (facts.hidingUnderMouse) {
        reasons.setFlag(Reason::PointerUnseenByEvents, !facts.pointerEventsCoverWindow);
        if (!facts.raised) {
            reasons |=
                facts.hideDelayRunning ? Reason::HideDelayRunning : Reason::DroppedUnderMouse;
        }
    }
    reasons.setFlag(Reason::PlacingPart, facts.placingPart);
    reasons.setFlag(Reason::MailCheck, facts.mailCheck);
    reasons.setFlag(Reason::Correction, facts.correction);
    reasons.setFlag(Reason::WindowOpen, facts.windowOpen);
    return reasons;
}

int TickCadence::MillisecondsToNextTick(Rate rate, std::int64_t millisecondsSinceEpoch) {
    const std::int64_t period = rate == Rate::EverySecond ? 1000 : 250;
    // Instants before 1970 count backwards; the remainder is taken as a positive one.
    const std::int64_t intoPeriod = ((millisecondsSinceEpoch % period) + period) % period;
    return int(period - intoPeriod + MarginMilliseconds);
}
