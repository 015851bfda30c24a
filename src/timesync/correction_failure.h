#pragma once

#include <QString>

// Why a correction or a check did not get through.
enum class CorrectionFailure {
    None,
    NoReply,        // lookup, connection, time-out or socket error
    NotConvertible, // the reply holds no calendar date
    RollOverFailed, // the date after the move to Japan Standard Time is no date
    ClockNotSet,    // the computer refused the new date or time
    NoDialUpConnection,
};

// The text shown to the user for a failure; empty for None.
QString CorrectionFailureMessage(CorrectionFailure failure);
