#pragma once

#include "net/daytime_reply.h"
#include "platform/system_clock.h"

// Sets the computer's clock to the server's time as local time: first the date (keeping the
// current time of day), then the time of day (keeping the date just set). False when either
// step is refused; the date may then already be set.
bool SetComputerClock(SystemClockSetter& clock, const DaytimeValue& server);
