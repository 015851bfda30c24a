#include "platform/system_clock.h"

#include <windows.h>

namespace {

// SetLocalTime converts with the current time-zone settings itself. The program neither
// requests nor enables the system-time privilege: a user without it gets a failure.
class WindowsClockSetter : public SystemClockSetter {
public:
    QDateTime LocalTime() const override {
        SYSTEMTIME now{};
        ::GetLocalTime(&now);
        return QDateTime(QDate(now.wYear, now.wMonth, now.wDay),
                         QTime(now.wHour, now.wMinute, now.wSecond, now.wMilliseconds));
    }

    bool SetLocalTime(const QDateTime& local) override {
        if (!local.isValid()) {
            return false;
        }
        const QDate date = local.date();
        const QTime time = local.time();
        SYSTEMTIME wanted{};
        wanted.wYear = static_cast<WORD>(date.year());
        wanted.wMonth = static_cast<WORD>(date.month());
        wanted.wDay = static_cast<WORD>(date.day());
        wanted.wDayOfWeek = static_cast<WORD>(date.dayOfWeek() % 7);
        wanted.wHour = static_cast<WORD>(time.hour());
        wanted.wMinute = static_cast<WORD>(time.minute());
        wanted.wSecond = static_cast<WORD>(time.second());
        wanted.wMilliseconds = static_cast<WORD>(time.msec());
        return ::SetLocalTime(&wanted) != FALSE;
    }
};

} // namespace

std::unique_ptr<SystemClockSetter> CreateSystemClockSetter() {
    return std::make_unique<WindowsClockSetter>();
}
