// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "timesync/clock_correction.h"

#include "core/event_wait.h"
#include "timesync/clock_adjustment.h"
#include "timesync/correction_texts.h"
#include "timesync/server_time_fetch.h"

#include <chrono>

ClockCorrection::ClockCorrection(TimeServerSettings& settings, CorrectionHost& host,
                                 UserPrompt& prompt, DialUpMonitor& dialUp,
                                 SystemClockSetter& clock)
    : settings_(settings), host_(host), prompt_(prompt), dialUp_(dialUp), clock_(clock) {}

void ClockCorrection::RunCorrection(TimeServerSettings settings) {
    state_.correctionError = CorrectionError::None;
    // The client lives only as long as the exchange.
    const ServerTime server = FetchServerTime(StoredServerAddress(settings));
    if (server.failure != CorrectionFailure::None) {
        Fail(CorrectionFailureMessage(server.failure));
        return;
    }
    if (state_.correctionTestMode) {
        state_.pcTimeText = PcTimeText(clock_.LocalTime());
    } else {
        const CorrectionStarter starter =
            state_.manualCorrectionRunning ? CorrectionStarter::User : CorrectionStarter::Automatic;
        const ClockAdjustment adjustment = SetComputerClock(clock_, server, starter, prompt_);
        switch (adjustment.outcome) {
        case ClockAdjustment::Outcome::Set:
            break;
        case ClockAdjustment::Outcome::Declined:
            // The user saw both times in the question and chose to keep the clock.
            state_.manualCorrectionRunning = false;
            return;
        case ClockAdjustment::Outcome::Failed:
            Fail(adjustment.FailureMessage());
            return;
        }
    }
    state_.serverTimeText = ServerTimeText(server.Local());

    if (state_.manualCorrectionRunning) {
        if (!state_.correctionTestMode) {
            state_.correctionResultText = CorrectionResultText(state_.serverTimeText);
        }
        host_.OpenCorrectionResultWindow();
        state_.manualCorrectionRunning = false;
        state_.correctionTicks = 0;
    }
    if (state_.autoCorrectionRunning) {
        state_.correctionTicks = 0;
        host_.ResetHideDelay();
        state_.autoCorrectionRunning = false;
        host_.SetRunCommandsEnabled(CommandState::Enabled);
    }
}

void ClockCorrection::Fail(const QString& message) {
    host_.SetRunCommandsEnabled(CommandState::Enabled);
    state_.correctionError = CorrectionError::Failed;
    state_.correctionResultText = message;
    if (state_.manualCorrectionRunning) {
        prompt_.ShowMessage(WarningCaption(), message);
        state_.manualCorrectionRunning = false;
    }
    // An automatic run fails silently; the icon bar shows the error mark until the next run,
    // and the result text keeps why.
    state_.autoCorrectionRunning = false;
}

void ClockCorrection::PP_DayTimeClick() {
    StartManualRun(RunMode::Correct);
}

void ClockCorrection::PP_DayTimeCheckClick() {
    StartManualRun(RunMode::Check);
}

void ClockCorrection::StartManualRun(RunMode mode) {
    // A menu run never overlaps another run; the items are disabled meanwhile, but the tray
    // menu may still hold a command chosen just before.
    if (state_.AnyRunInProgress()) {
        return;
    }
    if (mode == RunMode::Check) {
        state_.correctionError = CorrectionError::None;
    }
    if ((settings_.Attribute & CorrectOnlyDialUp) != 0 && !dialUp_.CheckDialUpConnected()) {
        prompt_.ShowMessage(WarningCaption(),
                            CorrectionFailureMessage(CorrectionFailure::NoDialUpConnection));
        return;
    }
    host_.SetRunCommandsEnabled(CommandState::Disabled);
    const TimeServerSettings copy = settings_;
    state_.manualCorrectionRunning = true;
    settings_.correctionDone = true;
    state_.correctionTestMode = mode == RunMode::Check;
    try {
        RunCorrection(copy);
    } catch (...) {
        // Whatever escapes the run must not take the clock window down with it.
    }
    state_.manualCorrectionRunning = false;
    host_.SetRunCommandsEnabled(CommandState::Enabled);
}

void ClockCorrection::StartAutomaticRun() {
    host_.SetRunCommandsEnabled(CommandState::Disabled);
    const TimeServerSettings copy = settings_;
    state_.autoCorrectionRunning = true;
    settings_.correctionDone = true;
    state_.correctionTestMode = false;
    try {
        RunCorrection(copy);
    } catch (...) {
        state_.autoCorrectionRunning = false;
        state_.correctionError = CorrectionError::Failed;
    }
    host_.SetRunCommandsEnabled(CommandState::Enabled);
}

bool ClockCorrection::WaitWhileMailRuns() {
    // The run ends in a tick, which no signal announces: the wait looks again now and then
    // and sleeps in between.
    constexpr std::chrono::milliseconds LookInterval{50};
    EventWait runEnded;
    const auto outcome = runEnded.Until(
        [this] { return !host_.MailCheckRunning() || host_.IsExiting(); }, LookInterval);
    return outcome == EventWait::Outcome::ConditionMet && !host_.IsExiting();
}
