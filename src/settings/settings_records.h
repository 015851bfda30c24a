// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/clock_settings.h"
#include "settings/mail_account.h"
#include "settings/schedule_entry.h"
#include "settings/time_server_settings.h"

// Everything the user sets, as the clock window owns it for the whole run.
struct SettingsRecords {
    ClockSettings clock;
    ScheduleTable schedules;
    AccountTable accounts;
    TimeServerSettings timeServer;
};
