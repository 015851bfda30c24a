#include "timesync/clock_adjustment.h"

bool SetComputerClock(SystemClockSetter& clock, const DaytimeValue& server) {
    const QDate date(server.year, server.month, server.day);
    const QDateTime beforeDate = clock.LocalTime();
    if (!date.isValid() || !clock.SetLocalTime(QDateTime(date, beforeDate.time()))) {
        return false;
    }
    const QTime time(server.hour, server.minute, server.second, server.millisecond);
    const QDateTime beforeTime = clock.LocalTime();
    return time.isValid() && clock.SetLocalTime(QDateTime(beforeTime.date(), time));
}
