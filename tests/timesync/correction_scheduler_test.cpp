// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/window_bits.h"
#include "correction_fakes.h"
#include "fake_prompt.h"
#include "nist_time_server.h"
#include "timesync/clock_correction.h"
#include "timesync/correction_scheduler.h"

#include <gtest/gtest.h>

namespace {

constexpr int TicksPerSecond = 4;

ClockTime At(int year, int month, int day, int hour, int minute) {
    return ClockTime::FromDateTime(QDateTime(QDate(year, month, day), QTime(hour, minute)));
}

// The clock window's tick as far as the correction takes part in it, against a server that
// answers every connection; each connection is one run.
struct Tick {
    explicit Tick(int pattern, int attribute) {
        settings.Pattern = pattern;
        settings.Attribute = attribute;
        settings.asHostName = QStringLiteral("127.0.0.1");
        settings.iPort = server.Port();
        settings.iiTimeOut = 2000;
        lastTick = At(2002, 12, 6, 12, 0); // a Friday
    }
    void Once() {
        scheduler.AdvanceTickCounter(1);
        scheduler.CheckCorrectionDue();
    }
    void Repeat(std::int64_t ticks) {
        for (std::int64_t i = 0; i < ticks; ++i) {
            Once();
        }
    }
    int Runs() const { return server.Connections(); }

    NistTimeServer server;
    TimeServerSettings settings;
    ClockTime lastTick;
    FakeCorrectionHost host;
    FakeDialUp dialUp;
    FakeSystemClock clock;
    FakePrompt prompt;
    ClockCorrection correction{settings, host, prompt, dialUp, clock};
    CorrectionScheduler scheduler{settings, lastTick, host, dialUp, correction};
};

TEST(TimesyncSchedule, EveryTwoHoursCountsFromTheEndOfEachRun) {
    Tick tick(CorrectEveryHours, AutoCorrection);
    tick.settings.Interval_Hour = 2;
    const std::int64_t twoHours = 2 * 3600 * TicksPerSecond;
    // The clock keeps ticking while a run waits for the server; those ticks do not count.
    tick.clock.onSet = [&] { tick.scheduler.AdvanceTickCounter(1); };

    tick.Repeat(twoHours - 1);
    EXPECT_EQ(tick.Runs(), 0);
    tick.Once();
    EXPECT_EQ(tick.Runs(), 1) << "first run two hours after start";
    EXPECT_EQ(tick.correction.State().correctionTicks, 0u) << "reset at the end of the run";
    EXPECT_EQ(tick.clock.settings.size(), 1u);
    EXPECT_EQ(tick.clock.authorisations, std::vector{ClockAuthorisation::NoQuestions})
        << "an automatic run never asks the user";

    tick.Repeat(twoHours - 1);
    EXPECT_EQ(tick.Runs(), 1);
    tick.Once();
    EXPECT_EQ(tick.Runs(), 2);
    EXPECT_EQ(tick.host.hideDelayResets, 2);
}

TEST(TimesyncSchedule, IntervalZeroCountsAsOne) {
    struct Case {
        int pattern;
        int hours;
        int minutes;
        std::int64_t ticksToRun;
    };
    for (const Case& sample : {Case{CorrectEveryMinutes, 0, 0, 60 * TicksPerSecond},
                               Case{CorrectEveryHours, 0, 0, 3600 * TicksPerSecond},
                               Case{CorrectEveryMinutes, 0, -5, 60 * TicksPerSecond},
                               Case{CorrectEveryMinutes, 0, 3, 180 * TicksPerSecond}}) {
        Tick tick(sample.pattern, AutoCorrection);
        tick.settings.Interval_Hour = sample.hours;
        tick.settings.Interval_Min = sample.minutes;
        tick.Repeat(sample.ticksToRun - 1);
        EXPECT_EQ(tick.Runs(), 0) << sample.pattern << " " << sample.minutes;
        tick.Once();
        EXPECT_EQ(tick.Runs(), 1) << sample.pattern << " " << sample.minutes;
    }
}

// Patterns 0 to 2: a sequence of tick times and whether a run starts at each.
TEST(TimesyncSchedule, CalendarPatternsRunOncePerProgramRun) {
    struct Step {
        ClockTime time;
        int runsAfter;
    };
    struct Case {
        const char* what;
        int pattern;
        int attribute;
        int day;
        int week;
        std::vector<Step> steps;
    };
    const int timed = AutoCorrection | CorrectAtTime;
    const int startup = AutoCorrection | CorrectAtStartup;
    const std::vector<Case> cases = {
        {"daily at 07:30",
         CorrectDaily,
         timed,
         1,
         1,
         {{At(2002, 12, 6, 7, 29), 0},
          {At(2002, 12, 6, 7, 30), 1},
          {At(2002, 12, 6, 7, 30), 1},
          {At(2002, 12, 6, 7, 31), 1},
          {At(2002, 12, 7, 7, 30), 1}}},
        {"daily at start-up",
         CorrectDaily,
         startup,
         1,
         1,
         {{At(2002, 12, 6, 15, 2), 1}, {At(2002, 12, 7, 15, 2), 1}}},
        {"weekly on Sundays",
         CorrectWeekly,
         startup,
         1,
         1,
         {{At(2002, 12, 6, 9, 0), 0},
          {At(2002, 12, 7, 9, 0), 0},
          {At(2002, 12, 8, 9, 0), 1},
          {At(2002, 12, 15, 9, 0), 1}}},
        {"weekly, Sunday at 07:30",
         CorrectWeekly,
         timed,
         1,
         1,
         {{At(2002, 12, 7, 7, 30), 0}, {At(2002, 12, 8, 7, 29), 0}, {At(2002, 12, 8, 7, 30), 1}}},
        {"monthly on the 15th",
         CorrectMonthly,
         startup,
         15,
         1,
         {{At(2002, 12, 14, 9, 0), 0}, {At(2002, 12, 15, 9, 0), 1}, {At(2003, 1, 15, 9, 0), 1}}},
        {"automatic correction off",
         CorrectDaily,
         CorrectAtStartup,
         1,
         1,
         {{At(2002, 12, 6, 9, 0), 0}}},
        {"unknown pattern", 7, startup, 1, 1, {{At(2002, 12, 6, 9, 0), 0}}},
    };
    for (const Case& sample : cases) {
        Tick tick(sample.pattern, sample.attribute);
        tick.settings.Day = sample.day;
        tick.settings.Week = sample.week;
        tick.settings.Hour = 7;
        tick.settings.Min = 30;
        int step = 0;
        for (const Step& at : sample.steps) {
            tick.lastTick = at.time;
            tick.Once();
            EXPECT_EQ(tick.Runs(), at.runsAfter) << sample.what << ", step " << step;
            ++step;
        }
    }
}

TEST(TimesyncSchedule, ReloadedSettingsAllowAnotherCalendarRun) {
    Tick tick(CorrectDaily, AutoCorrection | CorrectAtStartup);
    tick.Once();
    tick.Once();
    EXPECT_EQ(tick.Runs(), 1);
    EXPECT_TRUE(tick.settings.correctionDone);
    tick.settings.correctionDone = false;
    tick.Once();
    EXPECT_EQ(tick.Runs(), 2);
}

TEST(TimesyncSchedule, OpenSettingsDialogsAndRunningRunsHoldBack) {
    struct Case {
        const char* what;
        std::uint32_t mask;
        bool autoRunning;
        bool manualRunning;
        int runs;
    };
    for (const Case& sample :
         {Case{"mail settings", MailSettingsWindow, false, false, 0},
          Case{"correction settings", CorrectionSettingsWindow, false, false, 0},
          Case{"automatic run", 0, true, false, 0}, Case{"menu run", 0, false, true, 0},
          Case{"alarm window only", AlarmWindow, false, false, 1}}) {
        Tick tick(CorrectDaily, AutoCorrection | CorrectAtStartup);
        tick.host.mask = sample.mask;
        tick.correction.State().autoCorrectionRunning = sample.autoRunning;
        tick.correction.State().manualCorrectionRunning = sample.manualRunning;
        tick.Once();
        EXPECT_EQ(tick.Runs(), sample.runs) << sample.what;
    }
}

TEST(TimesyncSchedule, DialUpConditionRestartsTheInterval) {
    Tick tick(CorrectEveryMinutes, AutoCorrection | CorrectOnlyDialUp);
    tick.settings.Interval_Min = 1;
    const std::int64_t minute = 60 * TicksPerSecond;
    tick.Repeat(minute);
    EXPECT_EQ(tick.Runs(), 0);
    EXPECT_EQ(tick.dialUp.checks, 1);
    EXPECT_EQ(tick.correction.State().correctionTicks, 0u) << "the interval starts again";
    tick.dialUp.connected = true;
    tick.Repeat(minute - 1);
    EXPECT_EQ(tick.Runs(), 0);
    tick.Once();
    EXPECT_EQ(tick.Runs(), 1);
}

TEST(TimesyncSchedule, DeferredBehindAMailRunWithoutASecondDialUpTest) {
    Tick tick(CorrectDaily, AutoCorrection | CorrectAtStartup | CorrectOnlyDialUp);
    tick.dialUp.connected = true;
    tick.host.mailRunning = true;
    tick.Once();
    EXPECT_EQ(tick.Runs(), 0);
    EXPECT_TRUE(tick.correction.State().correctionDeferred);
    EXPECT_FALSE(tick.settings.correctionDone);
    tick.Repeat(10);
    EXPECT_EQ(tick.Runs(), 0) << "waits while the mail run lasts";

    tick.host.mailRunning = false;
    tick.dialUp.connected = false; // not asked again
    tick.Once();
    EXPECT_EQ(tick.Runs(), 1);
    EXPECT_EQ(tick.dialUp.checks, 1);
    EXPECT_FALSE(tick.correction.State().correctionDeferred);
    EXPECT_TRUE(tick.settings.correctionDone);
}

TEST(TimesyncSchedule, FailedAutomaticRunIsSilentAndShowsTheErrorUntilTheNextRun) {
    Tick tick(CorrectEveryMinutes, AutoCorrection);
    tick.settings.Interval_Min = 1;
    tick.settings.iPort = NistTimeServer::ClosedPort();
    tick.Repeat(60 * TicksPerSecond);
    const CorrectionState& state = tick.correction.State();
    EXPECT_EQ(state.correctionError, CorrectionError::Failed);
    EXPECT_TRUE(tick.prompt.messages.empty());
    EXPECT_FALSE(state.autoCorrectionRunning);
    EXPECT_TRUE(tick.host.commandsEnabled);
    EXPECT_TRUE(tick.clock.settings.empty());

    // The next run clears the error when it starts and keeps it cleared on success.
    tick.settings.iPort = tick.server.Port();
    tick.Repeat(60 * TicksPerSecond);
    EXPECT_EQ(state.correctionError, CorrectionError::None);
    EXPECT_EQ(tick.Runs(), 1);
}

TEST(TimesyncSchedule, AutomaticRunDisablesTheRunCommandsForItsDuration) {
    Tick tick(CorrectDaily, AutoCorrection | CorrectAtStartup);
    bool enabledDuringRun = true;
    tick.clock.onSet = [&] { enabledDuringRun = tick.host.commandsEnabled; };
    tick.Once();
    EXPECT_FALSE(enabledDuringRun);
    EXPECT_TRUE(tick.host.commandsEnabled);
    EXPECT_FALSE(tick.correction.State().correctionTestMode);
    EXPECT_EQ(tick.host.resultWindows, 0) << "only menu runs show the result";
}

} // namespace
