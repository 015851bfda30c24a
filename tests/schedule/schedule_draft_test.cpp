// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "schedule/schedule_draft.h"
#include "schedule_fakes.h"

#include <gtest/gtest.h>

namespace {

ScheduleEntry Named(const QString& message, int attribute = ScheduleDaily | ScheduleMessage) {
    ScheduleEntry entry = StoredEntry(attribute, 2002, 12, 6, 6, 7, 5);
    entry.Message = message;
    return entry;
}

QStringList Messages(const ScheduleDraft& draft) {
    QStringList messages;
    for (int i = 0; i < draft.Count(); ++i) {
        messages.append(draft.Entry(i).Message);
    }
    return messages;
}

TEST(ScheduleDraftCopy, TakesUsedSlotsBelowTheCountWithoutGaps) {
    ScheduleTable table;
    Append(table, Named("a"));
    Append(table, ScheduleEntry{}); // an empty slot inside the count
    Append(table, Named("c"));
    table.entries[5] = Named("beyond the count");
    const ScheduleDraft draft(table);
    EXPECT_EQ(Messages(draft), QStringList({"a", "c"}));
}

TEST(ScheduleDraftStore, AddAndUpdateStoreEnabledIdleEntriesWithTheirMask) {
    ScheduleTable table;
    ScheduleDraft draft(table);
    ScheduleEntry edited = Named("x", ScheduleOneOff | ScheduleTimeSpecified | ScheduleMessage);
    edited.Attribute &= ~ScheduleEnabled;
    edited.Check_Patt = 0;
    edited.fireState = FireState::Notified;
    ASSERT_TRUE(draft.Add(edited));
    EXPECT_EQ(draft.Entry(0).Attribute & ScheduleEnabled, ScheduleEnabled);
    EXPECT_EQ(draft.Entry(0).Check_Patt, 0x37);
    EXPECT_EQ(draft.Entry(0).fireState, FireState::Idle);

    edited.Attribute = ScheduleWeekly | ScheduleSound;
    ASSERT_TRUE(draft.Update(0, edited));
    EXPECT_EQ(draft.Entry(0).Check_Patt, 0x08);
    EXPECT_FALSE(draft.Update(1, edited));
}

TEST(ScheduleDraftStore, RefusesTheTwentyFirstEntry) {
    ScheduleTable table;
    ScheduleDraft draft(table);
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(draft.Add(Named(QString::number(i))));
    }
    EXPECT_TRUE(draft.IsFull());
    EXPECT_FALSE(draft.Add(Named("21")));
    EXPECT_EQ(draft.Count(), 20);
}

TEST(ScheduleDraftDelete, ShiftsTheFollowingEntriesUp) {
    ScheduleTable table;
    for (const char* name : {"a", "b", "c", "d"}) {
        Append(table, Named(name));
    }
    ScheduleDraft draft(table);
    draft.Remove(1);
    EXPECT_EQ(Messages(draft), QStringList({"a", "c", "d"}));
    draft.Remove(2);
    EXPECT_EQ(Messages(draft), QStringList({"a", "c"}));
    draft.Remove(7);
    EXPECT_EQ(draft.Count(), 2);

    ScheduleTable committed;
    draft.CommitTo(committed);
    EXPECT_EQ(committed.entryCount, 2);
    EXPECT_EQ(committed.entries[2].Attribute, 0) << "vacated slots are cleared";
}

TEST(ScheduleDraftDelete, DeletingTheOnlyEntryAndAllEntriesEmptiesTheTable) {
    ScheduleTable table;
    Append(table, Named("only"));
    ScheduleDraft draft(table);
    draft.Remove(0);
    EXPECT_EQ(draft.Count(), 0);
    EXPECT_EQ(draft.Entry(0).Attribute, 0);

    for (int i = 0; i < 20; ++i) {
        draft.Add(Named(QString::number(i)));
    }
    draft.RemoveAll();
    EXPECT_EQ(draft.Count(), 0);
}

TEST(ScheduleDraftChecks, EnableAndDisableFlipOnlyTheEnabledBit) {
    ScheduleTable table;
    Append(table, Named("a"));
    Append(table, Named("b"));
    ScheduleDraft draft(table);
    draft.SetEnabled(1, Enablement::Disabled);
    EXPECT_EQ(draft.Entry(1).Attribute, ScheduleDaily | ScheduleMessage);
    draft.SetAllEnabled(Enablement::Disabled);
    EXPECT_EQ(draft.Entry(0).Attribute & ScheduleEnabled, 0);
    draft.SetAllEnabled(Enablement::Enabled);
    EXPECT_EQ(draft.Entry(0).Attribute, ScheduleDaily | ScheduleMessage | ScheduleEnabled);
    EXPECT_EQ(draft.Entry(1).Attribute, ScheduleDaily | ScheduleMessage | ScheduleEnabled);
}

TEST(ScheduleDraftCommit, UntouchedEntriesKeepTheClockWindowsCurrentFireState) {
    ScheduleTable table;
    for (const char* name : {"a", "b", "c", "d"}) {
        Append(table, Named(name));
    }
    table.entries[0].fireState = FireState::Notified;
    table.entries[2].fireState = FireState::Notified;
    ScheduleDraft draft(table);

    // While the dialog is open, the alarm for "d" goes off in the clock window.
    table.entries[3].fireState = FireState::Notified;
    draft.Remove(1);              // "b" goes, "c" and "d" move up
    draft.Update(0, Named("a2")); // stored again: armed anew
    draft.Add(Named("e"));
    table.scheduleTableBusy = false;
    draft.CommitTo(table);

    EXPECT_FALSE(table.scheduleTableBusy);
    ASSERT_EQ(table.entryCount, 4);
    EXPECT_EQ(table.entries[0].Message, "a2");
    EXPECT_EQ(table.entries[0].fireState, FireState::Idle);
    EXPECT_EQ(table.entries[1].Message, "c");
    EXPECT_EQ(table.entries[1].fireState, FireState::Notified);
    EXPECT_EQ(table.entries[2].Message, "d");
    EXPECT_EQ(table.entries[2].fireState, FireState::Notified);
    EXPECT_EQ(table.entries[3].Message, "e");
    EXPECT_EQ(table.entries[3].fireState, FireState::Idle);
}

} // namespace
