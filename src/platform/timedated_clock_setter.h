#pragma once

#include "platform/system_clock.h"

#include <QString>

// Sets the clock through systemd-timedated on D-Bus rather than with clock_settime: a desktop
// program runs as an ordinary user, who never holds CAP_SYS_TIME; timedated lets the system's
// policy (polkit) decide, as the desktop's date settings do. Every call is asynchronous and
// waited for in a nested event loop with a time-out, so the clock keeps ticking meanwhile,
// also while polkit asks the user for a password.
class TimedatedClockSetter : public SystemClockSetter {
public:
    // The bus to reach timedated on: the system bus when `busAddress` is empty, else the bus
    // at that address (a private bus of the tests).
    explicit TimedatedClockSetter(const QString& busAddress = {});
    ~TimedatedClockSetter() override;
    TimedatedClockSetter(const TimedatedClockSetter&) = delete;
    TimedatedClockSetter& operator=(const TimedatedClockSetter&) = delete;

    QDateTime LocalTime() const override;
    ClockSetResult SetTime(const std::function<QDateTime()>& target,
                           ClockAuthorisation authorisation) override;

private:
    QString connectionName_; // empty for the system bus
};
