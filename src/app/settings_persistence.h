// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/save_result.h"

struct SettingsRecords;

// How the clock window reaches the settings store: defaults, load and save of every record.
class SettingsPersistence {
public:
    virtual ~SettingsPersistence() = default;
    virtual void EnsureDefaults(SettingsRecords& records) = 0;
    virtual void LoadSettings(SettingsRecords& records) = 0;
    virtual SaveResult SaveSettings(SettingsRecords& records) = 0;
};
