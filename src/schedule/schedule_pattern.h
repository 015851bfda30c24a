// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/schedule_entry.h"

// The comparison mask an entry gets when it is stored: the date components of its pattern,
// plus hour and minute when a time is specified.
int CheckPatternFor(int attribute);

// The components of a moment that equal the entry's fields, as ScheduleMatch bits.
int MatchingComponents(const ScheduleEntry& entry, int year, int month, int day, int dayOfWeek,
                       int hour, int minute);

// Whether every component named by the entry's Check_Patt matches the moment.
bool MatchesMoment(const ScheduleEntry& entry, int year, int month, int day, int dayOfWeek,
                   int hour, int minute);

// Whether the entry's pattern falls on the given date, whatever its time of day.
bool FallsOnDate(const ScheduleEntry& entry, int year, int month, int day, int dayOfWeek);
