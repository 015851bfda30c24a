// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/app_launcher.h"
#include "platform/sound_player.h"
#include "schedule/schedule_pattern.h"
#include "service_fakes.h"
#include "settings/schedule_entry.h"

#include <QString>
#include <QStringList>
#include <vector>

// An entry as the dialog stores it: enabled, with its comparison mask.
inline ScheduleEntry StoredEntry(int attribute, int year, int month, int day, int week, int hour,
                                 int minute) {
    ScheduleEntry entry;
    entry.Attribute = attribute | ScheduleEnabled;
    entry.Check_Patt = CheckPatternFor(entry.Attribute);
    entry.Year = year;
    entry.Month = month;
    entry.Day = day;
    entry.Week = week;
    entry.Hour = hour;
    entry.Min = minute;
    return entry;
}

inline void Append(ScheduleTable& table, const ScheduleEntry& entry) {
    table.entries[table.entryCount++] = entry;
}
