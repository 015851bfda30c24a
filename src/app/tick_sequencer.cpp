// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/tick_sequencer.h"

void TickSequencer::DrawTimerTimer(int elapsedQuarterSeconds) {
    switch (phase_) {
    case Phase::BeforeFirstTick:
        phase_ = Phase::AfterFirstTick;
        steps_.FollowWindowGeometry();
        steps_.RequestRepaint();
        return;
    case Phase::AfterFirstTick:
        steps_.PaintButtonFace();
        // The correction step of every running tick sees the time of the tick before; the
        // first one too, or it would judge its day by the time's default, 2000-01-01.
        steps_.ReadClockTime();
        phase_ = Phase::Running;
        steps_.RequestRepaint();
        return;
    case Phase::Running:
        break;
    }
    steps_.AdvanceTickCounters(elapsedQuarterSeconds);
    steps_.MailCheckTick();
    steps_.CheckCorrectionDue();
    if (steps_.IsExiting()) {
        return;
    }
    steps_.HideUnderMouseStep(elapsedQuarterSeconds);
    steps_.ReadClockTime();
    steps_.FollowClockGeometry();
    steps_.DrawFace();
    steps_.CheckSchedules();
}
