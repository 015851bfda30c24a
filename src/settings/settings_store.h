// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/settings_field.h"
#include "settings/settings_records.h"
#include "settings/settings_saver.h"

class RegistryBackend;
class UserPrompt;

// Moves the clock window's records between memory and the settings registry. Every
// operation opens the keys it needs and closes them again; the store keeps nothing between
// calls. EnsureDefaults and SaveSettings end by flushing the registry.
//
// Gaps in the numbering are closed when reading: the picture values "00".."49" and the keys
// "Alarm00".."Alarm19" that exist are taken in order into consecutive slots (empty picture
// names are passed over), so nothing after a gap is lost when the next save writes the
// run 00, 01, ... again.
class SettingsStore : public SettingsSaver {
public:
    SettingsStore(SettingsRecords& records, RegistryBackend& registry, UserPrompt& prompt,
                  DefaultsContext context);

    // Writes every missing value with its default and leaves the stored ones alone.
    void EnsureDefaults();
    // Reads the whole layout into the records and resets their run-time fields. A stored
    // file that could not be read is reported here, through the prompt.
    void LoadSettings();
    // Writes every record back.
    SaveResult SaveSettings() override;

private:
    void LoadPictureList();
    void LoadSchedules();
    void LoadAccounts();
    void LoadTimeServer();
    void SavePictureList();
    void SaveSchedules();

    SettingsRecords& records_;
    RegistryBackend& registry_;
    UserPrompt& prompt_;
    DefaultsContext context_;
};
