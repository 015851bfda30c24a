// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "schedule/schedule_pattern.h"

int CheckPatternFor(int attribute) {
    int pattern = 0;
    if (attribute & ScheduleOneOff) {
        pattern = MatchYear | MatchMonth | MatchDay;
    } else if (attribute & ScheduleYearly) {
        pattern = MatchMonth | MatchDay;
    } else if (attribute & ScheduleMonthly) {
        pattern = MatchDay;
    } else if (attribute & ScheduleWeekly) {
        pattern = MatchDayOfWeek;
    }
    if (attribute & ScheduleTimeSpecified) {
        pattern |= MatchHour | MatchMinute;
    }
    return pattern;
}

int MatchingComponents(const ScheduleEntry& entry, int year, int month, int day, int dayOfWeek,
                       int hour, int minute) {
    int matched = 0;
    if (year == entry.Year) {
        matched |= MatchYear;
    }
    if (month == entry.Month) {
        matched |= MatchMonth;
    }
    if (day == entry.Day) {
        matched |= MatchDay;
    }
    if (dayOfWeek == entry.Week) {
        matched |= MatchDayOfWeek;
    }
    if (hour == entry.Hour) {
        matched |= MatchHour;
    }
    if (minute == entry.Min) {
        matched |= MatchMinute;
    }
    return matched;
}

bool MatchesMoment(const ScheduleEntry& entry, int year, int month, int day, int dayOfWeek,
                   int hour, int minute) {
    const int matched = MatchingComponents(entry, year, month, day, dayOfWeek, hour, minute);
    return (entry.Check_Patt & matched) == entry.Check_Patt;
}

bool FallsOnDate(const ScheduleEntry& entry, int year, int month, int day, int dayOfWeek) {
    const int attribute = entry.Attribute;
    return ((attribute & ScheduleOneOff) && entry.Year == year && entry.Month == month &&
            entry.Day == day) ||
           (attribute & ScheduleDaily) ||
           ((attribute & ScheduleWeekly) && entry.Week == dayOfWeek) ||
           ((attribute & ScheduleMonthly) && entry.Day == day) ||
           ((attribute & ScheduleYearly) && entry.Month == month && entry.Day == day);
}
