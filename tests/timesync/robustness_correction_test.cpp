// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "correction_fakes.h"
#include "fake_prompt.h"
#include "nist_time_server.h"
#include "timesync/clock_correction.h"
#include "timesync/correction_scheduler.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

// The correction's schedule with every stored number at an extreme: patterns outside 0..4,
// intervals of 0, below 0 and huge, day, weekday and time fields out of range. Each tick
// returns, and no tick starts more than one run.
TEST(RobustnessCorrectionSchedule, StoredNumbersAtTheirExtremes) {
    const int extremes[] = {INT_MIN, -1, 0, 32, INT_MAX};
    const int patterns[] = {INT_MIN, -1, 0, 1, 2, 3, 4, 5, INT_MAX};
    constexpr int ticks = 8;
    for (int pattern : patterns) {
        for (int value : extremes) {
            NistTimeServer server;
            TimeServerSettings settings;
            settings.Pattern = pattern;
            settings.Attribute = AutoCorrection | CorrectAtStartup | CorrectAtTime;
            settings.Day = settings.Week = settings.Hour = settings.Min = value;
            settings.Interval_Hour = settings.Interval_Min = value;
            settings.asHostName = QStringLiteral("127.0.0.1");
            settings.iPort = server.Port();
            settings.iiTimeOut = 2000;
            ClockTime lastTick =
                ClockTime::FromDateTime(QDateTime(QDate(2002, 12, 6), QTime(12, 0)));
            FakeCorrectionHost host;
            FakeDialUp dialUp;
            FakeSystemClock clock;
            FakePrompt prompt;
            ClockCorrection correction{settings, host, prompt, dialUp, clock};
            CorrectionScheduler scheduler{settings, lastTick, host, dialUp, correction};
            for (int tick = 0; tick < ticks; ++tick) {
                scheduler.AdvanceTickCounter(1);
                scheduler.CheckCorrectionDue();
            }
            EXPECT_LE(server.Connections(), ticks) << pattern << " " << value;
            EXPECT_TRUE(prompt.messages.empty()) << pattern << " " << value;
        }
    }
}

} // namespace
