// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "schedule/alarm_collector.h"
#include "schedule_fakes.h"

#include <gtest/gtest.h>

namespace {

class ScheduleAlarmLinesTest : public ::testing::Test {
protected:
    ScheduleAlarmLinesTest() {
        tick = ClockTime::FromDateTime(QDateTime(QDate(2002, 12, 6), QTime(7, 5, 9)));
    }

    ScheduleEntry& AddDue(int attribute) {
        ScheduleEntry entry = StoredEntry(attribute, 2002, 12, 6, 0, 7, 5);
        entry.fireState = FireState::Due;
        Append(table, entry);
        return table.entries[table.entryCount - 1];
    }

    ScheduleTable table;
    ClockTime tick;
    RecordingSound sound;
    RecordingLauncher launcher;
    AlarmCollector collector{table, tick, sound, launcher};
};

TEST_F(ScheduleAlarmLinesTest, LineTextsFollowTheNotificationBits) {
    struct LineCase {
        int attribute;
        bool launchSucceeds;
        QString expected;
    };
    const LineCase cases[] = {
        {0, true, QStringLiteral("2002/12/6 7:5 ")},
        {ScheduleMessage, true, QStringLiteral("2002/12/6 7:5 会議 ")},
        {ScheduleSound, true, QStringLiteral("2002/12/6 7:5 ")},
        {ScheduleApplication, true, QStringLiteral("2002/12/6 7:5 メーラーを実行しました")},
        {ScheduleApplication, false,
         QStringLiteral("2002/12/6 7:5 メーラーを実行できませんでした")},
        {ScheduleMessage | ScheduleApplication | ScheduleSound, true,
         QStringLiteral("2002/12/6 7:5 会議 メーラーを実行しました")},
    };
    for (const LineCase& line : cases) {
        table = ScheduleTable{};
        ScheduleEntry& entry = AddDue(line.attribute);
        entry.Message = QStringLiteral("会議");
        entry.APL_Name = QStringLiteral("メーラー");
        launcher.succeeds = line.launchSucceeds;
        EXPECT_EQ(collector.CollectDueAlarms(), QStringList{line.expected}) << line.attribute;
    }
}

TEST_F(ScheduleAlarmLinesTest, TimeStampIsTheLastTickNotTheEntryTime) {
    AddDue(ScheduleMessage).Message = QStringLiteral("x");
    tick = ClockTime::FromDateTime(QDateTime(QDate(2010, 1, 2), QTime(0, 0)));
    EXPECT_EQ(collector.CollectDueAlarms(), QStringList{QStringLiteral("2010/1/2 0:0 x ")});
}

TEST_F(ScheduleAlarmLinesTest, WindowsLineBreaksInTheMessageStartNewLines) {
    AddDue(ScheduleMessage).Message = QStringLiteral("one\r\ntwo");
    EXPECT_EQ(collector.CollectDueAlarms(), QStringList{QStringLiteral("2002/12/6 7:5 one\ntwo ")});
}

TEST_F(ScheduleAlarmLinesTest, OnlyEnabledDueEntriesAreNotifiedInTableOrder) {
    AddDue(ScheduleMessage).Message = QStringLiteral("first");
    ScheduleEntry& idle = AddDue(ScheduleMessage);
    idle.fireState = FireState::Idle;
    ScheduleEntry& disabled = AddDue(ScheduleMessage);
    disabled.Attribute &= ~ScheduleEnabled;
    ScheduleEntry& notified = AddDue(ScheduleMessage);
    notified.fireState = FireState::Notified;
    AddDue(ScheduleMessage).Message = QStringLiteral("last");

    EXPECT_EQ(collector.CollectDueAlarms(), QStringList({QStringLiteral("2002/12/6 7:5 first "),
                                                         QStringLiteral("2002/12/6 7:5 last ")}));
    EXPECT_EQ(table.entries[0].fireState, FireState::Notified);
    EXPECT_EQ(table.entries[1].fireState, FireState::Idle);
    EXPECT_EQ(table.entries[2].fireState, FireState::Due);
    EXPECT_EQ(table.entries[4].fireState, FireState::Notified);
    EXPECT_TRUE(collector.CollectDueAlarms().isEmpty());
}

TEST_F(ScheduleAlarmLinesTest, SoundsArePlayedInOrderOnlyForTheSoundBit) {
    AddDue(ScheduleSound).SoundFile = QStringLiteral("/sounds/a.wav");
    AddDue(ScheduleMessage).SoundFile = QStringLiteral("/sounds/ignored.wav");
    AddDue(ScheduleSound | ScheduleMessage).SoundFile = QStringLiteral("/sounds/b.wav");
    collector.CollectDueAlarms();
    EXPECT_EQ(sound.played,
              QStringList({QStringLiteral("/sounds/a.wav"), QStringLiteral("/sounds/b.wav")}));
}

TEST_F(ScheduleAlarmLinesTest, ApplicationIsStartedWithTheEntrysSettings) {
    ScheduleEntry& entry = AddDue(ScheduleApplication);
    entry.APL_File = QStringLiteral("/opt/tool");
    entry.APL_Opt = QStringLiteral("-v \"a b\"");
    entry.APL_Dir = QStringLiteral("/tmp");
    entry.APL_Type = 2;
    AddDue(ScheduleMessage);
    collector.CollectDueAlarms();
    ASSERT_EQ(launcher.starts.size(), 1u);
    EXPECT_EQ(launcher.starts[0].file, QStringLiteral("/opt/tool"));
    EXPECT_EQ(launcher.starts[0].options, QStringLiteral("-v \"a b\""));
    EXPECT_EQ(launcher.starts[0].folder, QStringLiteral("/tmp"));
    EXPECT_EQ(launcher.starts[0].showType, 2);
}

TEST_F(ScheduleAlarmLinesTest, LaunchApplicationReportsZeroOrMinusOne) {
    AddDue(ScheduleApplication);
    launcher.succeeds = true;
    EXPECT_EQ(collector.LaunchApplication(0), 0);
    launcher.succeeds = false;
    EXPECT_EQ(collector.LaunchApplication(0), -1);
}

} // namespace
