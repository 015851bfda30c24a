// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/clock_time.h"
#include "platform/dial_up.h"
#include "settings/time_server_settings.h"
#include "timesync/clock_correction.h"
#include "timesync/correction_host.h"

// The tick's decision whether an automatic correction is due, by the stored pattern, and
// its start. Patterns 0 to 2 run at most once per program run (correctionDone); patterns 3
// and 4 repeat, measured in quarter seconds from the last time they fired or a run succeeded.
class CorrectionScheduler {
public:
    CorrectionScheduler(TimeServerSettings& settings, const ClockTime& lastTick,
                        CorrectionHost& host, DialUpMonitor& dialUp, ClockCorrection& correction);

    // Called first in every tick, with the quarter seconds since the tick before.
    void AdvanceTickCounter(int elapsedQuarterSeconds);
    // Called in every tick after the mail check's step; reads the previous tick's time.
    void CheckCorrectionDue();

private:
    bool RunIsDue(CorrectionState& state);
    bool AtStartupOrTime() const;
    bool IntervalElapsed(CorrectionState& state, int interval, int secondsPerUnit);

    TimeServerSettings& settings_;
    const ClockTime& lastTick_;
    CorrectionHost& host_;
    DialUpMonitor& dialUp_;
    ClockCorrection& correction_;
};
