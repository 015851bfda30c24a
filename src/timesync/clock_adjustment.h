#pragma once

#include "platform/system_clock.h"
#include "timesync/correction_failure.h"
#include "timesync/server_time_fetch.h"

// Sets the computer's clock in one step to the server's time, carried on from its reply to
// the moment of setting. None when set; ClockNotSet when refused; AutomaticSyncOn when the
// system's automatic synchronisation owns the clock and nothing was tried.
CorrectionFailure SetComputerClock(SystemClockSetter& clock, const ServerTime& server,
                                   ClockAuthorisation authorisation);
