// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/system_clock.h"

#include <windows.h>

namespace {

// SetSystemTime takes UTC, so no zone rule is involved in setting. The program neither
// requests nor enables the system-time privilege: a user without it gets a refusal. Windows
// has no authorisation prompt for this call, so the authorisation makes no difference.
class WindowsClockSetter : public SystemClockSetter {
public:
    QDateTime LocalTime() const override {
        SYSTEMTIME now{};
        ::GetLocalTime(&now);
        return QDateTime(QDate(now.wYear, now.wMonth, now.wDay),
                         QTime(now.wHour, now.wMinute, now.wSecond, now.wMilliseconds));
    }

    ClockSetResult SetTime(const std::function<QDateTime()>& target, ClockAuthorisation) override {
        const QDateTime utc = target().toUTC();
        if (!utc.isValid()) {
            return ClockSetResult::Refused;
        }
        const QDate date = utc.date();
        const QTime time = utc.time();
        SYSTEMTIME wanted{};
        wanted.wYear = static_cast<WORD>(date.year());
        wanted.wMonth = static_cast<WORD>(date.month());
        wanted.wDay = static_cast<WORD>(date.day());
        wanted.wDayOfWeek = static_cast<WORD>(date.dayOfWeek() % 7);
        wanted.wHour = static_cast<WORD>(time.hour());
        wanted.wMinute = static_cast<WORD>(time.minute());
        wanted.wSecond = static_cast<WORD>(time.second());
        wanted.wMilliseconds = static_cast<WORD>(time.msec());
        return ::SetSystemTime(&wanted) != FALSE ? ClockSetResult::Set : ClockSetResult::Refused;
    }
};

} // namespace

std::unique_ptr<SystemClockSetter> CreateSystemClockSetter() {
    return std::make_unique<WindowsClockSetter>();
}
