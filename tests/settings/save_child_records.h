// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/settings_records.h"

// The two record sets the save child writes in turn; each differs from the other in every
// record, so a file that mixes them is told apart from both.
SettingsRecords SaveChildRecords(int which);

// Which of the two sets the records hold: 0, 1, or -1 for neither.
int WhichSaveChildRecords(const SettingsRecords& records);
