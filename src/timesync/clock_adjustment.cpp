#include "timesync/clock_adjustment.h"

CorrectionFailure SetComputerClock(SystemClockSetter& clock, const ServerTime& server,
                                   ClockAuthorisation authorisation) {
    switch (clock.SetTime([&server] { return server.UtcNow(); }, authorisation)) {
    case ClockSetResult::Set:
        return CorrectionFailure::None;
    case ClockSetResult::AutomaticSyncOn:
        return CorrectionFailure::AutomaticSyncOn;
    case ClockSetResult::Refused:
        break;
    }
    return CorrectionFailure::ClockNotSet;
}
