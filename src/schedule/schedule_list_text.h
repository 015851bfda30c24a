// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/schedule_entry.h"

#include <QString>

// The line that stands for an entry in the schedule dialog's list, for example
// "毎月6日7:5「会議」 サウンド有り". A one-off entry starts with its date ("2002/12/6 ").
QString ScheduleListText(const ScheduleEntry& entry);

// "日" .. "土" for 1 (Sunday) .. 7 (Saturday); empty for other numbers.
QString ShortWeekdayName(int dayOfWeek);
