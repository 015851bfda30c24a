// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "correction_fakes.h"
#include "fake_prompt.h"
#include "timesync/clock_adjustment.h"

#include <gtest/gtest.h>

namespace {

// The server's time `offset` milliseconds from the fake computer clock's, just received.
ServerTime ServerAt(const FakeSystemClock& clock, qint64 offset) {
    ServerTime server;
    server.failure = CorrectionFailure::None;
    server.utc = clock.LocalTime().toUTC().addMSecs(offset);
    server.sinceReply.start();
    return server;
}

} // namespace

// Up to 1000 s either way an automatic run sets the clock; beyond, it sets nothing and names
// the difference, rounded up so that it never reads as the bound itself.
TEST(TimesyncStep, AnAutomaticRunStepsAtMost1000Seconds) {
    struct Case {
        qint64 offset;
        ClockAdjustment::Outcome outcome;
        const char16_t* message;
    };
    const Case cases[] = {
        {999500, ClockAdjustment::Outcome::Set, u""},
        {-999500, ClockAdjustment::Outcome::Set, u""},
        {1000500, ClockAdjustment::Outcome::Failed,
         u"サーバーとの時刻の差が大きすぎるため補正しませんでした（1001秒）"},
        {-1000500, ClockAdjustment::Outcome::Failed,
         u"サーバーとの時刻の差が大きすぎるため補正しませんでした（1001秒）"},
    };
    for (const Case& sample : cases) {
        FakeSystemClock clock;
        FakePrompt prompt;
        const ClockAdjustment adjustment = SetComputerClock(clock, ServerAt(clock, sample.offset),
                                                            CorrectionStarter::Automatic, prompt);
        EXPECT_EQ(adjustment.outcome, sample.outcome) << sample.offset;
        EXPECT_EQ(adjustment.FailureMessage(), QString::fromUtf16(sample.message)) << sample.offset;
        EXPECT_EQ(clock.attempts, sample.outcome == ClockAdjustment::Outcome::Set ? 1 : 0)
            << sample.offset;
        EXPECT_TRUE(prompt.questions.empty()) << "an automatic run asks no one";
    }
}
