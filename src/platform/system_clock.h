#pragma once

#include <QDateTime>
#include <memory>

// The computer's clock as local time: read it, and set it. The clock correction sets it in
// two steps (date, then time of day), each through SetLocalTime. Tests use a fake, so they
// never change the machine's clock.
class SystemClockSetter {
public:
    virtual ~SystemClockSetter() = default;
    // The local date and time now, to the millisecond.
    virtual QDateTime LocalTime() const = 0;
    // Sets the computer's clock to a local date and time. False when the system refuses, for
    // example because the user has no right to change the time.
    virtual bool SetLocalTime(const QDateTime& local) = 0;
};

// The platform's clock.
std::unique_ptr<SystemClockSetter> CreateSystemClockSetter();
