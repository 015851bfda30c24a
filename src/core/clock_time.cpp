#include "core/clock_time.h"

ClockTime ClockTime::FromDateTime(const QDateTime& local) {
    const QDate date = local.date();
    const QTime time = local.time();
    ClockTime decoded;
    decoded.year = date.year() <= 99 ? 2000 + date.year() : date.year();
    decoded.month = date.month();
    decoded.day = date.day();
    decoded.hour = time.hour();
    decoded.minute = time.minute();
    decoded.second = time.second();
    decoded.millisecond = time.msec();
    decoded.dayOfWeek = DayOfWeek(decoded.year, decoded.month, decoded.day);
    return decoded;
}

QDateTime ClockTime::ToDateTime() const {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second, millisecond));
}

int DayOfWeek(int year, int month, int day) {
    const QDate date(year, month, day);
    if (!date.isValid()) {
        return 0;
    }
    // Qt counts Monday 1 .. Sunday 7; the program counts Sunday 1 .. Saturday 7.
    return date.dayOfWeek() % 7 + 1;
}
