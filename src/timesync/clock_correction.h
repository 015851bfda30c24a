// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/dial_up.h"
#include "platform/system_clock.h"
#include "platform/user_prompt.h"
#include "settings/time_server_settings.h"
#include "timesync/correction_failure.h"
#include "timesync/correction_host.h"
#include "timesync/correction_state.h"

// One correction or check run against the time server, and the two menu commands that
// start one. Automatic runs are started by the CorrectionScheduler; both kinds share the run
// flags in CorrectionState, which the tick's due check reads to stay out of a running run.
class ClockCorrection {
public:
    enum class RunMode { Correct, Check };

    ClockCorrection(TimeServerSettings& settings, CorrectionHost& host, UserPrompt& prompt,
                    DialUpMonitor& dialUp, SystemClockSetter& clock);

    CorrectionState& State() { return state_; }
    const CorrectionState& State() const { return state_; }

    // One run with a copy of the settings; the run flags tell automatic from menu runs and
    // correction from check.
    void RunCorrection(TimeServerSettings settings);

    // "日時補正(&T)": fetch the server's time and set the computer's clock.
    void PP_DayTimeClick();
    // "日時チェック(&K)": fetch the server's time and compare, leaving the clock alone.
    void PP_DayTimeCheckClick();
    // The tick's automatic run, once the due check has decided on it.
    void StartAutomaticRun();

    // Waits, with the clock ticking, until no mail check run is in progress; the settings
    // dialog's menu handler waits here before opening the dialog. False when the program
    // started closing meanwhile.
    bool WaitWhileMailRuns();

private:
    void StartManualRun(RunMode mode);
    void Fail(const QString& message);

    TimeServerSettings& settings_;
    CorrectionHost& host_;
    UserPrompt& prompt_;
    DialUpMonitor& dialUp_;
    SystemClockSetter& clock_;
    CorrectionState state_;
};
