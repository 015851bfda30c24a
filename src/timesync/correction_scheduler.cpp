// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "timesync/correction_scheduler.h"

#include "core/window_bits.h"

#include <algorithm>

CorrectionScheduler::CorrectionScheduler(TimeServerSettings& settings, const ClockTime& lastTick,
                                         CorrectionHost& host, DialUpMonitor& dialUp,
                                         ClockCorrection& correction)
    : settings_(settings), lastTick_(lastTick), host_(host), dialUp_(dialUp),
      correction_(correction) {}

void CorrectionScheduler::AdvanceTickCounter(int elapsedQuarterSeconds) {
    correction_.State().correctionTicks += std::uint32_t(elapsedQuarterSeconds);
}

void CorrectionScheduler::CheckCorrectionDue() {
    CorrectionState& state = correction_.State();
    if (host_.IsExiting()) {
        return;
    }
    // The dialogs that edit what a run uses hold every automatic run back.
    if ((host_.OpenWindowMask() & (MailSettingsWindow | CorrectionSettingsWindow)) != 0 ||
        state.AnyRunInProgress()) {
        return;
    }
    if (state.correctionDeferred) {
        // Due and cleared for dial-up before the mail run started; it only waited.
        if (host_.MailCheckRunning()) {
            return;
        }
    } else {
        if ((settings_.Attribute & AutoCorrection) == 0 || !RunIsDue(state)) {
            return;
        }
        if ((settings_.Attribute & CorrectOnlyDialUp) != 0 && !dialUp_.CheckDialUpConnected()) {
            return;
        }
        if (host_.MailCheckRunning()) {
            state.correctionDeferred = true;
            return;
        }
    }
    state.correctionDeferred = false;
    correction_.StartAutomaticRun();
}

bool CorrectionScheduler::RunIsDue(CorrectionState& state) {
    switch (settings_.Pattern) {
    case CorrectMonthly:
        return !settings_.correctionDone && settings_.Day == lastTick_.day && AtStartupOrTime();
    case CorrectDaily:
        return !settings_.correctionDone && AtStartupOrTime();
    case CorrectWeekly:
        return !settings_.correctionDone && settings_.Week == lastTick_.dayOfWeek &&
               AtStartupOrTime();
    case CorrectEveryHours:
        return IntervalElapsed(state, settings_.Interval_Hour, 3600);
    case CorrectEveryMinutes:
        return IntervalElapsed(state, settings_.Interval_Min, 60);
    default:
        return false;
    }
}

bool CorrectionScheduler::AtStartupOrTime() const {
    return (settings_.Attribute & CorrectAtStartup) != 0 ||
           (settings_.Hour == lastTick_.hour && settings_.Min == lastTick_.minute);
}

bool CorrectionScheduler::IntervalElapsed(CorrectionState& state, int interval,
                                          int secondsPerUnit) {
    // An interval of 0 or less can only come from a settings file edited by hand; it counts
    // as 1 rather than starting a run on every tick.
    const std::uint64_t seconds = std::uint64_t(std::max(1, interval)) * secondsPerUnit;
    if ((state.correctionTicks >> 2) < seconds) {
        return false;
    }
    state.correctionTicks = 0;
    return true;
}
