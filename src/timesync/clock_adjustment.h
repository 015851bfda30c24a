// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/system_clock.h"
#include "platform/user_prompt.h"
#include "timesync/correction_failure.h"
#include "timesync/server_time_fetch.h"

#include <QDateTime>

// Who started a correction. A person may be asked before a large step, and the system may
// ask them for a password; an automatic run puts no question in front of anyone.
enum class CorrectionStarter { User, Automatic };

// The largest step a correction takes without a person's consent: ntpd's panic threshold. A
// larger difference more likely comes from a wrong server, or someone on the way, than from
// a wrong clock, and a step of years breaks certificates, logs and one-time passwords.
inline constexpr qint64 LargestUnconfirmedStepSeconds = 1000;

// The server's time against the computer's at one moment, both in local time.
struct ClockDifference {
    QDateTime server;
    QDateTime computer;

    // Whole seconds, rounded up, so that a step just over the bound never reads as the
    // bound itself.
    qint64 Seconds() const;
    bool IsLarge() const { return Seconds() > LargestUnconfirmedStepSeconds; }
};

struct ClockAdjustment {
    enum class Outcome { Set, Declined, Failed };
    Outcome outcome = Outcome::Failed;
    CorrectionFailure failure = CorrectionFailure::None; // why, when Failed
    ClockDifference difference;                          // as measured before setting

    // The failure's message for the user.
    QString FailureMessage() const;
};

// Sets the computer's clock in one step to the server's time, carried on from its reply to
// the moment of setting. A step over LargestUnconfirmedStepSeconds is refused on an
// automatic run (StepTooLarge) and asked about first on a run the user started; their No
// (the default) sets nothing and is Declined. Otherwise ClockNotSet when refused, and
// AutomaticSyncOn when the system's automatic synchronisation owns the clock and nothing was
// tried.
ClockAdjustment SetComputerClock(SystemClockSetter& clock, const ServerTime& server,
                                 CorrectionStarter starter, UserPrompt& prompt);
