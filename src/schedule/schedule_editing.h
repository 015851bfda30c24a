// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/schedule_entry.h"

#include <QString>

// The caption of the box that explains why an edited entry cannot be stored.
QString ScheduleEditErrorCaption();

// The first rule the edited entry breaks, as the text shown to the user; empty when the entry
// may be stored. `selectedDay` is the calendar's selected day, 0 when none is selected.
QString ScheduleEditError(const ScheduleEntry& edited, int selectedDay);

// Whether two editor states hold the same schedule (the fields the editor shows; the
// comparison mask and the fire state are not the editor's).
bool SameEditorFields(const ScheduleEntry& left, const ScheduleEntry& right);
