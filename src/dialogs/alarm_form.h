// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/clock_time.h"
#include "dialogs/notice_window.h"
#include "platform/app_launcher.h"
#include "platform/sound_player.h"
#include "schedule/alarm_collector.h"
#include "settings/schedule_entry.h"

#include <memory>

namespace Ui {
class AlarmForm;
}

// The alarm window: one line per schedule that fell due, always on top until the user
// confirms it. It collects the due entries when it is created and whenever the due check
// finds more while it is open.
class TAlarmForm : public NoticeWindow {
    Q_OBJECT
public:
    TAlarmForm(ScheduleTable& table, const ClockTime& lastTick, SoundPlayer& sound,
               AppLauncher& launcher, QWidget* parent = nullptr);
    ~TAlarmForm() override;

    // Shows every entry that is Due now and marks it Notified.
    void CollectDueAlarms();

private:
    std::unique_ptr<Ui::AlarmForm> ui_;
    AlarmCollector collector_;
};
