// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/clock_time.h"
#include "platform/app_launcher.h"
#include "platform/sound_player.h"
#include "settings/schedule_entry.h"

#include <QString>
#include <QStringList>

// What the alarm window does for each due entry: start its application, play its sound,
// mark it Notified, and say so in one line of text.
class AlarmCollector {
public:
    AlarmCollector(ScheduleTable& table, const ClockTime& lastTick, SoundPlayer& sound,
                   AppLauncher& launcher)
        : table_(table), lastTick_(lastTick), sound_(sound), launcher_(launcher) {}

    // Handles every enabled Due entry in slot order and returns one line for each, for
    // example "2002/12/6 7:5 会議 メーラーを実行しました". A line may hold line breaks of
    // the entry's message.
    QStringList CollectDueAlarms();

    // Starts the entry's application: 0 on success, -1 when it could not be started.
    int LaunchApplication(int slot);

private:
    QString TimeStamp() const;
    QString NotifyEntry(int slot);

    ScheduleTable& table_;
    const ClockTime& lastTick_;
    SoundPlayer& sound_;
    AppLauncher& launcher_;
};
