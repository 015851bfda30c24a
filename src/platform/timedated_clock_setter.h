// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/system_clock.h"

#include <QString>
#include <chrono>

// Sets the clock through systemd-timedated on D-Bus rather than with clock_settime: a desktop
// program runs as an ordinary user, who never holds CAP_SYS_TIME; timedated lets the system's
// policy (polkit) decide, as the desktop's date settings do. Every call is asynchronous and
// waited for in a nested event loop, so the clock keeps ticking meanwhile, also while polkit
// asks the user for a password.
//
// timedated's answer decides: a SetTime that may ask the user waits for it as long as the
// user takes, and counts as failed only on a refusal or when timedated or the bus goes away.
// Calls that ask no one are answered at once and have a time-out.
class TimedatedClockSetter : public SystemClockSetter {
public:
    static constexpr std::chrono::milliseconds DefaultAnswerTimeOut{10000};

    // The bus to reach timedated on: the system bus when `busAddress` is empty, else the bus
    // at that address (a private bus of the tests). `answerTimeOut` bounds every call that
    // asks no one.
    explicit TimedatedClockSetter(const QString& busAddress = {},
                                  std::chrono::milliseconds answerTimeOut = DefaultAnswerTimeOut);
    ~TimedatedClockSetter() override;
    TimedatedClockSetter(const TimedatedClockSetter&) = delete;
    TimedatedClockSetter& operator=(const TimedatedClockSetter&) = delete;

    QDateTime LocalTime() const override;
    ClockSetResult SetTime(const std::function<QDateTime()>& target,
                           ClockAuthorisation authorisation) override;

private:
    QString connectionName_; // empty for the system bus
    std::chrono::milliseconds answerTimeOut_;
};
