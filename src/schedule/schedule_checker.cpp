// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "schedule/schedule_checker.h"

#include "core/window_bits.h"
#include "schedule/schedule_pattern.h"

#include <algorithm>

bool ScheduleChecker::IsArmed(const ScheduleEntry& entry) {
    return (entry.Attribute & ScheduleEnabled) && entry.fireState == FireState::Idle;
}

void ScheduleChecker::CheckSchedules(int year, int month, int day, int hour, int minute) {
    if (table_.scheduleTableBusy) {
        return;
    }
    const int dayOfWeek = DayOfWeek(year, month, day);
    // The count is read on every pass: a nested tick or the dialog may change the table while
    // an alarm window opened from here is shown.
    for (int i = 0; i < std::min(table_.entryCount, ScheduleTable::Capacity); ++i) {
        ScheduleEntry& entry = table_.entries[i];
        if (!IsArmed(entry) || !MatchesMoment(entry, year, month, day, dayOfWeek, hour, minute)) {
            continue;
        }
        entry.fireState = FireState::Due;
        // Join the alarm window only when nothing else is open; under another window the
        // alarm must stand on its own so it is not hidden behind a dialog.
        if (host_.OpenWindowMask() == AlarmWindow) {
            host_.CollectIntoOpenAlarmWindow();
        } else {
            host_.OpenAlarmWindow();
        }
    }
}

bool ScheduleChecker::HasScheduleToday(const ClockTime& today) const {
    const int count = std::min(table_.entryCount, ScheduleTable::Capacity);
    return std::any_of(table_.entries.begin(), table_.entries.begin() + std::max(count, 0),
                       [&today](const ScheduleEntry& entry) {
                           return IsArmed(entry) && FallsOnDate(entry, today.year, today.month,
                                                                today.day, today.dayOfWeek);
                       });
}
