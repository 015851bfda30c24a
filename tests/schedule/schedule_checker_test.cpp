// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/window_bits.h"
#include "schedule/alarm_collector.h"
#include "schedule/schedule_checker.h"
#include "schedule_fakes.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// Plays the clock window's part: opening an alarm window sets its bit, lets the window
// collect, runs what happens while it is shown modally (nested ticks), and closes it.
class RecordingAlarmHost : public AlarmHost {
public:
    RecordingAlarmHost(ScheduleTable& table, const ClockTime& tick)
        : collector_(table, tick, sound_, launcher_) {}

    std::uint32_t OpenWindowMask() const override { return mask; }
    void OpenAlarmWindow() override {
        ++opened;
        if (failsToCreate) {
            return;
        }
        const std::uint32_t before = mask;
        mask |= AlarmWindow;
        windows.push_back(collector_.CollectDueAlarms());
        if (whileOpen) {
            auto nested = std::exchange(whileOpen, nullptr);
            nested();
        }
        mask = before;
    }
    void CollectIntoOpenAlarmWindow() override {
        ++joined;
        if (windows.empty()) {
            windows.emplace_back();
        }
        windows.back() += collector_.CollectDueAlarms();
    }

    std::uint32_t mask = 0;
    int opened = 0;
    int joined = 0;
    bool failsToCreate = false;
    std::function<void()> whileOpen;
    std::vector<QStringList> windows;

private:
    RecordingSound sound_;
    RecordingLauncher launcher_;
    AlarmCollector collector_;
};

class ScheduleCheckTest : public ::testing::Test {
protected:
    void Tick(int year, int month, int day, int hour, int minute) {
        tick = ClockTime::FromDateTime(QDateTime(QDate(year, month, day), QTime(hour, minute)));
        checker.CheckSchedules(year, month, day, hour, minute);
    }

    ScheduleTable table;
    ClockTime tick;
    RecordingAlarmHost host{table, tick};
    ScheduleChecker checker{table, host};
};

struct DueCase {
    const char* name;
    ScheduleEntry entry;
    int year, month, day, hour, minute;
    bool fires;
};

constexpr int Message = ScheduleMessage;
constexpr int Timed = ScheduleTimeSpecified;

class ScheduleDueMatchTest : public ScheduleCheckTest,
                             public ::testing::WithParamInterface<DueCase> {};

TEST_P(ScheduleDueMatchTest, FiresExactlyOnMatchingMoments) {
    const DueCase& due = GetParam();
    Append(table, due.entry);
    Tick(due.year, due.month, due.day, due.hour, due.minute);
    EXPECT_EQ(host.opened, due.fires ? 1 : 0);
    EXPECT_EQ(table.entries[0].fireState, due.fires ? FireState::Notified : FireState::Idle);
}

INSTANTIATE_TEST_SUITE_P(
    ScheduleDue, ScheduleDueMatchTest,
    ::testing::Values(DueCase{"MonthlyDay31InJanuary",
                              StoredEntry(ScheduleMonthly | Message, 2000, 1, 31, 0, 0, 0), 2023, 1,
                              31, 10, 0, true},
                      DueCase{"MonthlyDay31NotOnApril30",
                              StoredEntry(ScheduleMonthly | Message, 2000, 1, 31, 0, 0, 0), 2023, 4,
                              30, 10, 0, false},
                      DueCase{"MonthlyDay31NotOnFebruary28",
                              StoredEntry(ScheduleMonthly | Message, 2000, 1, 31, 0, 0, 0), 2023, 2,
                              28, 10, 0, false},
                      DueCase{"Yearly29FebruaryInLeapYear",
                              StoredEntry(ScheduleYearly | Message, 2000, 2, 29, 0, 0, 0), 2024, 2,
                              29, 0, 0, true},
                      DueCase{"Yearly29FebruaryNotOnMarch1",
                              StoredEntry(ScheduleYearly | Message, 2000, 2, 29, 0, 0, 0), 2023, 3,
                              1, 0, 0, false},
                      DueCase{"YearlyIgnoresStoredYear",
                              StoredEntry(ScheduleYearly | Message, 1999, 7, 4, 0, 0, 0), 2030, 7,
                              4, 12, 0, true},
                      DueCase{"OneOffInThePastNever",
                              StoredEntry(ScheduleOneOff | Message | Timed, 2020, 5, 1, 0, 9, 0),
                              2023, 5, 1, 9, 0, false},
                      DueCase{"OneOffOnItsMinute",
                              StoredEntry(ScheduleOneOff | Message | Timed, 2023, 5, 1, 0, 9, 0),
                              2023, 5, 1, 9, 0, true},
                      DueCase{"OneOffNotAMinuteEarly",
                              StoredEntry(ScheduleOneOff | Message | Timed, 2023, 5, 1, 0, 9, 0),
                              2023, 5, 1, 8, 59, false},
                      DueCase{"WeeklySundayIsOne",
                              StoredEntry(ScheduleWeekly | Message, 2000, 1, 1, 1, 0, 0), 2023, 10,
                              1, 6, 0, true},
                      DueCase{"WeeklySundayNotOnMonday",
                              StoredEntry(ScheduleWeekly | Message, 2000, 1, 1, 1, 0, 0), 2023, 10,
                              2, 6, 0, false},
                      DueCase{"DailyAtStartUpAnyMoment",
                              StoredEntry(ScheduleDaily | Message, 2000, 1, 1, 0, 23, 59), 2023, 6,
                              15, 3, 17, true},
                      DueCase{"DailyAt730On730",
                              StoredEntry(ScheduleDaily | Message | Timed, 2000, 1, 1, 0, 7, 30),
                              2023, 6, 15, 7, 30, true},
                      DueCase{"DailyAt730Not731",
                              StoredEntry(ScheduleDaily | Message | Timed, 2000, 1, 1, 0, 7, 30),
                              2023, 6, 15, 7, 31, false},
                      DueCase{"DailyAt730NotAt830",
                              StoredEntry(ScheduleDaily | Message | Timed, 2000, 1, 1, 0, 7, 30),
                              2023, 6, 15, 8, 30, false}),
    [](const ::testing::TestParamInfo<DueCase>& testCase) {
        return std::string(testCase.param.name);
    });

TEST_F(ScheduleCheckTest, DisabledEntryNeverFires) {
    ScheduleEntry entry = StoredEntry(ScheduleDaily | Message, 2000, 1, 1, 0, 0, 0);
    entry.Attribute &= ~ScheduleEnabled;
    Append(table, entry);
    Tick(2023, 6, 15, 7, 30);
    EXPECT_EQ(host.opened, 0);
    EXPECT_EQ(table.entries[0].fireState, FireState::Idle);
}

TEST_F(ScheduleCheckTest, DailyAtStartUpFiresOnceOnly) {
    Append(table, StoredEntry(ScheduleDaily | Message, 2000, 1, 1, 0, 0, 0));
    Tick(2023, 6, 15, 7, 30);
    Tick(2023, 6, 15, 7, 30);
    Tick(2023, 6, 16, 0, 0);
    EXPECT_EQ(host.opened, 1);
}

TEST_F(ScheduleCheckTest, DailyAtTimeDoesNotFireAgainNextDay) {
    Append(table, StoredEntry(ScheduleDaily | Message | Timed, 2000, 1, 1, 0, 7, 30));
    Tick(2023, 6, 15, 7, 30);
    Tick(2023, 6, 16, 7, 30);
    EXPECT_EQ(host.opened, 1);
    EXPECT_EQ(table.entries[0].fireState, FireState::Notified);
}

TEST_F(ScheduleCheckTest, TwoEntriesInOneMinuteShareOneWindow) {
    Append(table, StoredEntry(ScheduleDaily | Message | Timed, 2000, 1, 1, 0, 7, 30));
    Append(table, StoredEntry(ScheduleDaily | Message | Timed, 2000, 1, 1, 0, 7, 30));
    table.entries[0].Message = QStringLiteral("first");
    table.entries[1].Message = QStringLiteral("second");
    // The next tick runs while the first alarm window is shown.
    host.whileOpen = [this] { Tick(2023, 6, 15, 7, 30); };
    Tick(2023, 6, 15, 7, 30);
    ASSERT_EQ(host.windows.size(), 1u);
    EXPECT_EQ(host.windows[0], QStringList({QStringLiteral("2023/6/15 7:30 first "),
                                            QStringLiteral("2023/6/15 7:30 second ")}));
    EXPECT_EQ(host.joined, 1);
}

TEST_F(ScheduleCheckTest, EntryDueUnderAnotherWindowOpensItsOwn) {
    Append(table, StoredEntry(ScheduleDaily | Message | Timed, 2000, 1, 1, 0, 7, 30));
    Append(table, StoredEntry(ScheduleDaily | Message | Timed, 2000, 1, 1, 0, 7, 31));
    host.mask = ScheduleSettingsWindow;
    // While the first alarm stands over the schedule dialog, the second falls due.
    host.whileOpen = [this] { Tick(2023, 6, 15, 7, 31); };
    Tick(2023, 6, 15, 7, 30);
    EXPECT_EQ(host.opened, 2);
    EXPECT_EQ(host.joined, 0);
    EXPECT_EQ(host.windows.size(), 2u);
}

TEST_F(ScheduleCheckTest, JoinsOnlyWhenTheAlarmWindowIsTheOnlyWindow) {
    struct MaskCase {
        std::uint32_t mask;
        bool joins;
    };
    for (const MaskCase& maskCase :
         {MaskCase{0, false}, MaskCase{AlarmWindow, true}, MaskCase{ScheduleSettingsWindow, false},
          MaskCase{AlarmWindow | MailNotificationWindow, false}, MaskCase{AboutWindow, false}}) {
        table = ScheduleTable{};
        host.opened = host.joined = 0;
        host.mask = maskCase.mask;
        Append(table, StoredEntry(ScheduleDaily | Message, 2000, 1, 1, 0, 0, 0));
        Tick(2023, 6, 15, 7, 30);
        EXPECT_EQ(host.joined, maskCase.joins ? 1 : 0) << maskCase.mask;
        EXPECT_EQ(host.opened, maskCase.joins ? 0 : 1) << maskCase.mask;
    }
}

TEST_F(ScheduleCheckTest, BusyTableIsLeftAlone) {
    Append(table, StoredEntry(ScheduleDaily | Message, 2000, 1, 1, 0, 0, 0));
    table.scheduleTableBusy = true;
    Tick(2023, 6, 15, 7, 30);
    EXPECT_EQ(host.opened, 0);
    EXPECT_EQ(table.entries[0].fireState, FireState::Idle);
}

TEST_F(ScheduleCheckTest, EntryStaysDueWhenTheWindowCannotBeCreated) {
    Append(table, StoredEntry(ScheduleDaily | Message | Timed, 2000, 1, 1, 0, 7, 30));
    Append(table, StoredEntry(ScheduleDaily | Message | Timed, 2000, 1, 1, 0, 7, 45));
    host.failsToCreate = true;
    Tick(2023, 6, 15, 7, 30);
    EXPECT_EQ(table.entries[0].fireState, FireState::Due);
    host.failsToCreate = false;
    Tick(2023, 6, 15, 7, 45);
    ASSERT_EQ(host.windows.size(), 1u);
    EXPECT_EQ(host.windows[0].size(), 2);
    EXPECT_EQ(table.entries[0].fireState, FireState::Notified);
}

TEST_F(ScheduleCheckTest, EntriesBeyondTheCountAreNotChecked) {
    Append(table, StoredEntry(ScheduleDaily | Message, 2000, 1, 1, 0, 0, 0));
    table.entries[1] = StoredEntry(ScheduleDaily | Message, 2000, 1, 1, 0, 0, 0);
    Tick(2023, 6, 15, 7, 30);
    EXPECT_EQ(table.entries[1].fireState, FireState::Idle);
}

struct TodayCase {
    const char* name;
    ScheduleEntry entry;
    bool today; // for Thursday 2023-06-15
};

class ScheduleTodayTest : public ::testing::TestWithParam<TodayCase> {};

TEST_P(ScheduleTodayTest, ReportsEntriesFallingOnToday) {
    ScheduleTable table;
    Append(table, GetParam().entry);
    const ClockTime unusedTick;
    RecordingAlarmHost host(table, unusedTick);
    const ScheduleChecker checker(table, host);
    const ClockTime today = ClockTime::FromDateTime(QDateTime(QDate(2023, 6, 15), QTime(23, 0)));
    EXPECT_EQ(checker.HasScheduleToday(today), GetParam().today);
}

ScheduleEntry WithState(ScheduleEntry entry, FireState state) {
    entry.fireState = state;
    return entry;
}

ScheduleEntry Disabled(ScheduleEntry entry) {
    entry.Attribute &= ~ScheduleEnabled;
    return entry;
}

INSTANTIATE_TEST_SUITE_P(
    ScheduleToday, ScheduleTodayTest,
    ::testing::Values(
        TodayCase{"OneOffToday",
                  StoredEntry(ScheduleOneOff | Message | Timed, 2023, 6, 15, 0, 7, 0), true},
        TodayCase{"OneOffLastYear", StoredEntry(ScheduleOneOff | Message, 2022, 6, 15, 0, 0, 0),
                  false},
        TodayCase{"DailyTimeOfDayIrrelevant",
                  StoredEntry(ScheduleDaily | Message | Timed, 2000, 1, 1, 0, 1, 0), true},
        TodayCase{"WeeklyThursday", StoredEntry(ScheduleWeekly | Message, 2000, 1, 1, 5, 0, 0),
                  true},
        TodayCase{"WeeklyFriday", StoredEntry(ScheduleWeekly | Message, 2000, 1, 1, 6, 0, 0),
                  false},
        TodayCase{"MonthlyFifteenth", StoredEntry(ScheduleMonthly | Message, 2000, 1, 15, 0, 0, 0),
                  true},
        TodayCase{"MonthlySixteenth", StoredEntry(ScheduleMonthly | Message, 2000, 1, 16, 0, 0, 0),
                  false},
        TodayCase{"YearlyJune15", StoredEntry(ScheduleYearly | Message, 1990, 6, 15, 0, 0, 0),
                  true},
        TodayCase{"YearlyJuly15", StoredEntry(ScheduleYearly | Message, 1990, 7, 15, 0, 0, 0),
                  false},
        TodayCase{"DisabledDaily",
                  Disabled(StoredEntry(ScheduleDaily | Message, 2000, 1, 1, 0, 0, 0)), false},
        TodayCase{"FiredDaily",
                  WithState(StoredEntry(ScheduleDaily | Message, 2000, 1, 1, 0, 0, 0),
                            FireState::Notified),
                  false},
        TodayCase{
            "DueDaily",
            WithState(StoredEntry(ScheduleDaily | Message, 2000, 1, 1, 0, 0, 0), FireState::Due),
            false}),
    [](const ::testing::TestParamInfo<TodayCase>& testCase) {
        return std::string(testCase.param.name);
    });

TEST(ScheduleCheckPattern, FollowsTheStoreRule) {
    struct PatternCase {
        int attribute;
        int mask;
    };
    for (const PatternCase& pattern :
         {PatternCase{ScheduleOneOff, 0x07}, PatternCase{ScheduleYearly, 0x06},
          PatternCase{ScheduleMonthly, 0x04}, PatternCase{ScheduleWeekly, 0x08},
          PatternCase{ScheduleDaily, 0x00}, PatternCase{ScheduleOneOff | Timed, 0x37},
          PatternCase{ScheduleDaily | Timed, 0x30}, PatternCase{ScheduleWeekly | Timed, 0x38}}) {
        EXPECT_EQ(CheckPatternFor(pattern.attribute), pattern.mask) << pattern.attribute;
    }
}

} // namespace
