// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Why a correction or a check did not get through.
enum class CorrectionFailure {
    None,
    NoReply,        // lookup, connection, time-out or socket error
    NotConvertible, // the reply holds no calendar date
    RollOverFailed, // the zone rules could not place the server's time in local time
    ClockNotSet,    // the computer refused the new date and time
    // The system's automatic time synchronisation owns the clock; setting was not tried.
    AutomaticSyncOn,
    NoDialUpConnection,
    // The server's time is too far from the computer's for a correction nobody confirmed.
    StepTooLarge,
};

// The text shown to the user for a failure; empty for None. `differenceSeconds` is the
// difference StepTooLarge names.
QString CorrectionFailureMessage(CorrectionFailure failure, qint64 differenceSeconds = 0);
