// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/settings_persistence.h"
#include "settings/settings_records.h"

// Keeps the "stored" records in memory: defaults as a first start would write them, and
// the last saved copy for the test to inspect.
class FakePersistence : public SettingsPersistence {
public:
    FakePersistence() {
        ClockSettings& clock = stored.clock;
        clock.Version = QStringLiteral("Version4.00");
        clock.Width = 320;
        clock.Height = 200;
        clock.Left = 100;
        clock.Top = 80;
        clock.Attrib = DefaultAttrib;
        clock.BG_Color = 0x000000;
    }
    void EnsureDefaults(SettingsRecords&) override { ++ensureCalls; }
    void LoadSettings(SettingsRecords& records) override { records = stored; }
    SaveResult SaveSettings(SettingsRecords& records) override {
        ++saveCalls;
        if (saveResult.Ok()) {
            stored = records;
        }
        return saveResult;
    }

    SettingsRecords stored;
    SaveResult saveResult = SaveResult::Saved(); // what every save answers
    int ensureCalls = 0;
    int saveCalls = 0;
};
