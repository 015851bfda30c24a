// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>

// The local date and time as read once per tick. Everything drawn or checked during one
// tick reads these fields, so all parts of one face show the same instant.
struct ClockTime {
    int year = 2000; // four digits
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    int dayOfWeek = 7; // 1 Sunday .. 7 Saturday

    // Decodes a local date-time; a two-digit year (99 or less) is taken as 2000 + year.
    static ClockTime FromDateTime(const QDateTime& local);
    // The same for a local time given as milliseconds since 1970-01-01 00:00 local time.
    static ClockTime FromLocalMSecs(qint64 localMSecs);

    bool operator==(const ClockTime&) const = default;
};

// 1 Sunday .. 7 Saturday for a proleptic Gregorian date; 0 for an impossible date.
int DayOfWeek(int year, int month, int day);
