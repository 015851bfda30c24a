// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/clock_time.h"

namespace {

ClockTime Decode(const QDate& date, const QTime& time) {
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

constexpr qint64 MSecsPerDay = 24 * 60 * 60 * 1000;
constexpr qint64 JulianDayOf1970 = 2440588;

} // namespace

ClockTime ClockTime::FromDateTime(const QDateTime& local) {
    return Decode(local.date(), local.time());
}

ClockTime ClockTime::FromLocalMSecs(qint64 localMSecs) {
    const qint64 days =
        localMSecs >= 0 ? localMSecs / MSecsPerDay : -((-localMSecs - 1) / MSecsPerDay) - 1;
    const int msecsOfDay = int(localMSecs - days * MSecsPerDay);
    // The proleptic Gregorian calendar by whole 400-year eras, four times a second without
    // building a QDate. Years before 100 keep the decoding above, with its two-digit rule.
    const qint64 shifted = days + 719468; // days since 0000-03-01
    const qint64 era = (shifted >= 0 ? shifted : shifted - 146096) / 146097;
    const qint64 dayOfEra = shifted - era * 146097;
    const qint64 yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const qint64 dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const qint64 monthFromMarch = (5 * dayOfYear + 2) / 153;
    const int day = int(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    const int month = int(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    const qint64 year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    if (year < 100 || year > 9999) {
        return Decode(QDate::fromJulianDay(JulianDayOf1970 + days),
                      QTime::fromMSecsSinceStartOfDay(msecsOfDay));
    }
    ClockTime decoded;
    decoded.year = int(year);
    decoded.month = month;
    decoded.day = day;
    decoded.hour = msecsOfDay / 3600000;
    decoded.minute = msecsOfDay / 60000 % 60;
    decoded.second = msecsOfDay / 1000 % 60;
    decoded.millisecond = msecsOfDay % 1000;
    // 1970-01-01 was a Thursday, 5 on the program's scale of 1 Sunday .. 7 Saturday.
    decoded.dayOfWeek = int(((days % 7) + 7 + 4) % 7) + 1;
    return decoded;
}

int DayOfWeek(int year, int month, int day) {
    const QDate date(year, month, day);
    if (!date.isValid()) {
        return 0;
    }
    // Qt counts Monday 1 .. Sunday 7; the program counts Sunday 1 .. Saturday 7.
    return date.dayOfWeek() % 7 + 1;
}
