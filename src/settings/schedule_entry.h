// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <array>

// Bits of ScheduleEntry::Attribute.
enum ScheduleAttribute : int {
    ScheduleEnabled = 0x001,
    ScheduleMessage = 0x002,
    ScheduleSound = 0x008,
    ScheduleApplication = 0x010,
    ScheduleTimeSpecified = 0x020,
    ScheduleYearly = 0x040,
    ScheduleMonthly = 0x080,
    ScheduleWeekly = 0x100,
    ScheduleDaily = 0x200,
    ScheduleOneOff = 0x400,
};

// Bits of ScheduleEntry::Check_Patt: which date and time components take part in the match.
enum ScheduleMatch : int {
    MatchYear = 0x01,
    MatchMonth = 0x02,
    MatchDay = 0x04,
    MatchDayOfWeek = 0x08,
    MatchHour = 0x10,
    MatchMinute = 0x20,
};

// Run-time only: whether an entry has fallen due and been shown in this program run.
enum class FireState { Idle = 0, Due = 1, Notified = 2 };

struct ScheduleEntry {
    int Check_Patt = 0;
    int Attribute = 0;
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int Week = 0;
    int Hour = 0;
    int Min = 0;
    QString SoundFile;
    QString Message;
    QString APL_Name;
    QString APL_File;
    QString APL_Dir;
    QString APL_Opt;
    int APL_Type = 0;
    FireState fireState = FireState::Idle;
};

struct ScheduleTable {
    static constexpr int Capacity = 20;
    std::array<ScheduleEntry, Capacity> entries;
    int entryCount = 0;
    bool scheduleTableBusy = false; // set while the schedule dialog hands its table back
};
