// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/clock_time.h"
#include "schedule/alarm_host.h"
#include "settings/schedule_entry.h"

// The per-tick due check over the clock window's schedule table. Each entry fires at most
// once per run: Idle -> Due here, Due -> Notified in the alarm window.
class ScheduleChecker {
public:
    ScheduleChecker(ScheduleTable& table, AlarmHost& host) : table_(table), host_(host) {}

    // Marks the entries that match the moment Due and shows them in an alarm window. Runs
    // again from nested ticks while that window is shown modally.
    void CheckSchedules(int year, int month, int day, int hour, int minute);

    // Whether an enabled entry that has not fired yet falls on the date of `today`.
    bool HasScheduleToday(const ClockTime& today) const;

private:
    static bool IsArmed(const ScheduleEntry& entry);

    ScheduleTable& table_;
    AlarmHost& host_;
};
