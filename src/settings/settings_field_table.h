// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/clock_settings.h"
#include "settings/mail_account.h"
#include "settings/schedule_entry.h"
#include "settings/settings_field.h"
#include "settings/time_server_settings.h"

#include <span>

class RegistryKey;

// The stored values of one record type as a table, so that writing defaults, reading and
// writing a record all walk the same list instead of repeating it.
template <class Record> class SettingsFieldTable {
public:
    explicit SettingsFieldTable(std::span<const SettingsField<Record>> fields);

    // Writes the default of every value the key lacks (or holds with another type); values
    // that are present are left as they are.
    void WriteMissingDefaults(RegistryKey& key, const DefaultsContext& context,
                              Record& record) const;
    // A missing text reads as the empty text; a missing integer as its default.
    void Read(const RegistryKey& key, const DefaultsContext& context, Record& record) const;
    // Writes every value of the record.
    void Write(RegistryKey& key, const Record& record) const;

    std::span<const SettingsField<Record>> Fields() const { return fields_; }

private:
    std::span<const SettingsField<Record>> fields_;
};

extern template class SettingsFieldTable<ClockSettings>;
extern template class SettingsFieldTable<ScheduleEntry>;
extern template class SettingsFieldTable<MailAccount>;
extern template class SettingsFieldTable<TimeServerSettings>;
