// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "schedule/schedule_draft.h"

#include "schedule/schedule_pattern.h"

#include <algorithm>

ScheduleDraft::ScheduleDraft(const ScheduleTable& source) {
    Clear();
    const int count = std::clamp(source.entryCount, 0, Capacity);
    for (int i = 0; i < count; ++i) {
        if (source.entries[i].Attribute == 0) {
            continue;
        }
        table_.entries[table_.entryCount] = source.entries[i];
        origin_[table_.entryCount] = i;
        ++table_.entryCount;
    }
}

void ScheduleDraft::Clear() {
    table_.entries.fill(ScheduleEntry{});
    table_.entryCount = 0;
    origin_.fill(StoredByDialog);
}

ScheduleEntry ScheduleDraft::Stored(const ScheduleEntry& edited) {
    ScheduleEntry entry = edited;
    entry.Attribute |= ScheduleEnabled;
    entry.Check_Patt = CheckPatternFor(entry.Attribute);
    entry.fireState = FireState::Idle;
    return entry;
}

bool ScheduleDraft::Add(const ScheduleEntry& edited) {
    if (IsFull()) {
        return false;
    }
    table_.entries[table_.entryCount] = Stored(edited);
    origin_[table_.entryCount] = StoredByDialog;
    ++table_.entryCount;
    return true;
}

bool ScheduleDraft::Update(int index, const ScheduleEntry& edited) {
    if (index < 0 || index >= table_.entryCount) {
        return false;
    }
    table_.entries[index] = Stored(edited);
    origin_[index] = StoredByDialog;
    return true;
}

void ScheduleDraft::Remove(int index) {
    if (index < 0 || index >= table_.entryCount) {
        return;
    }
    if (table_.entryCount <= 1) {
        Clear();
        return;
    }
    for (int i = index; i + 1 < table_.entryCount; ++i) {
        table_.entries[i] = table_.entries[i + 1];
        origin_[i] = origin_[i + 1];
    }
    --table_.entryCount;
    table_.entries[table_.entryCount] = ScheduleEntry{};
    origin_[table_.entryCount] = StoredByDialog;
}

void ScheduleDraft::RemoveAll() {
    for (int pass = 0; pass <= Capacity && table_.entryCount > 0; ++pass) {
        Remove(0);
    }
}

void ScheduleDraft::SetEnabled(int index, Enablement enablement) {
    if (index < 0 || index >= table_.entryCount) {
        return;
    }
    int& attribute = table_.entries[index].Attribute;
    attribute = enablement == Enablement::Enabled ? (attribute | ScheduleEnabled)
                                                  : (attribute & ~ScheduleEnabled);
}

void ScheduleDraft::SetAllEnabled(Enablement enablement) {
    for (int i = 0; i < table_.entryCount; ++i) {
        SetEnabled(i, enablement);
    }
}

void ScheduleDraft::CommitTo(ScheduleTable& target) const {
    // Read the current states first: the copy below overwrites the slots they come from.
    std::array<FireState, Capacity> states{};
    for (int i = 0; i < Capacity; ++i) {
        states[i] = origin_[i] == StoredByDialog ? table_.entries[i].fireState
                                                 : target.entries[origin_[i]].fireState;
    }
    target.scheduleTableBusy = true;
    for (int i = 0; i < Capacity; ++i) {
        target.entries[i] = table_.entries[i];
        target.entries[i].fireState = states[i];
    }
    target.entryCount = table_.entryCount;
    target.scheduleTableBusy = false;
}
