// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/schedule_entry.h"

#include <array>

enum class Enablement { Disabled, Enabled };

// The schedule dialog's own copy of the table. It is edited freely and handed back to the
// clock window only on commit. Each slot remembers which slot of the clock window it came
// from, so that an entry the dialog did not store again keeps the fire state it has in the
// clock window at the moment of the commit, even when an alarm fired while the dialog was open.
class ScheduleDraft {
public:
    static constexpr int Capacity = ScheduleTable::Capacity;

    // Takes the used slots (non-zero Attribute) below the count, in order and without gaps.
    explicit ScheduleDraft(const ScheduleTable& source);

    int Count() const { return table_.entryCount; }
    bool IsFull() const { return table_.entryCount >= Capacity; }
    const ScheduleEntry& Entry(int index) const { return table_.entries[index]; }

    // Stores an edited entry after the last one; false when the table is full.
    bool Add(const ScheduleEntry& edited);
    // Stores an edited entry over an existing one; false for an index not in use.
    bool Update(int index, const ScheduleEntry& edited);
    // Deletes one entry; the following entries move up one slot.
    void Remove(int index);
    void RemoveAll();
    void SetEnabled(int index, Enablement enablement);
    void SetAllEnabled(Enablement enablement);

    // Writes all slots and the count into the clock window's table under scheduleTableBusy.
    void CommitTo(ScheduleTable& target) const;

private:
    static constexpr int StoredByDialog = -1;

    static ScheduleEntry Stored(const ScheduleEntry& edited);
    void Clear();

    ScheduleTable table_;
    std::array<int, Capacity> origin_{};
};
