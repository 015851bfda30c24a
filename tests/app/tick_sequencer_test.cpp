// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/tick_sequencer.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class RecordingSteps : public TickSteps {
public:
    std::vector<std::string> calls;
    bool exiting = false;

    void FollowWindowGeometry() override { calls.push_back("geometry"); }
    void PaintButtonFace() override { calls.push_back("blank"); }
    void RequestRepaint() override { calls.push_back("repaint"); }
    void AdvanceTickCounters(int quarters) override {
        calls.push_back("counters+" + std::to_string(quarters));
    }
    void MailCheckTick() override { calls.push_back("mail"); }
    void CheckCorrectionDue() override { calls.push_back("correction"); }
    bool IsExiting() const override { return exiting; }
    void HideUnderMouseStep(int quarters) override {
        calls.push_back("hide+" + std::to_string(quarters));
    }
    void ReadClockTime() override { calls.push_back("time"); }
    void FollowClockGeometry() override { calls.push_back("clock-geometry"); }
    void DrawFace() override { calls.push_back("face"); }
    void CheckSchedules() override { calls.push_back("schedules"); }
};

using Calls = std::vector<std::string>;

} // namespace

TEST(TickSequencer, FirstTwoTicksOnlyPrepareTheWindow) {
    RecordingSteps steps;
    TickSequencer tick(steps);
    EXPECT_EQ(tick.StartupPhase(), TickSequencer::Phase::BeforeFirstTick);

    tick.DrawTimerTimer(1);
    EXPECT_EQ(steps.calls, (Calls{"geometry", "repaint"}));
    EXPECT_EQ(tick.StartupPhase(), TickSequencer::Phase::AfterFirstTick);

    steps.calls.clear();
    tick.DrawTimerTimer(1);
    EXPECT_EQ(steps.calls, (Calls{"blank", "time", "repaint"}))
        << "the first running tick's correction step needs today's date";
    EXPECT_TRUE(tick.IsRunning());
}

TEST(TickSequencer, RunningTickCallsEveryStepInOrder) {
    RecordingSteps steps;
    TickSequencer tick(steps);
    tick.DrawTimerTimer(1);
    tick.DrawTimerTimer(1);
    steps.calls.clear();

    tick.DrawTimerTimer(4);
    EXPECT_EQ(steps.calls, (Calls{"counters+4", "mail", "correction", "hide+4", "time",
                                  "clock-geometry", "face", "schedules"}))
        << "a tick a second later counts four quarters";
}

TEST(TickSequencer, ExitingStopsAfterTheBackgroundJobs) {
    RecordingSteps steps;
    TickSequencer tick(steps);
    tick.DrawTimerTimer(1);
    tick.DrawTimerTimer(1);
    steps.calls.clear();
    steps.exiting = true;

    tick.DrawTimerTimer(1);
    EXPECT_EQ(steps.calls, (Calls{"counters+1", "mail", "correction"}));
}
