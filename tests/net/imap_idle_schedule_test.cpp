// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/imap_idle_schedule.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;
using Due = ImapIdleSchedule::Due;
using std::chrono::milliseconds;

namespace {

// A moment on both clocks, which agree unless a jump is asked for.
WatchInstant At(milliseconds monotonic, milliseconds wallAhead = 0ms) {
    return {monotonic, 1'700'000'000'000ms + monotonic + wallAhead};
}

} // namespace

TEST(NetImapIdleSchedule, ADroppedConnectionIsReopenedAfterADoublingPause) {
    ImapIdleSchedule schedule;
    schedule.Start(At(0ms));
    EXPECT_EQ(schedule.Poll(At(0ms)), Due::Open);
    milliseconds now = 0ms;
    for (const milliseconds pause : {30s, 60s, 120s, 240s, 480s, 900s, 900s}) {
        schedule.Opening(At(now));
        schedule.Dropped(At(now));
        EXPECT_EQ(schedule.NextDue(), now + pause);
        EXPECT_EQ(schedule.Poll(At(now + pause - 1ms)), Due::Nothing) << pause.count();
        now += pause;
        EXPECT_EQ(schedule.Poll(At(now)), Due::Open) << pause.count();
    }
    // Idling through a renewal makes the connection a good one again.
    schedule.Idling(At(now));
    EXPECT_EQ(schedule.Poll(At(now + 24min)), Due::Renew);
    schedule.Dropped(At(now + 25min));
    EXPECT_EQ(schedule.NextDue(), now + 25min + 30s);
}

TEST(NetImapIdleSchedule, IdleIsRenewedWithinTwentyFiveMinutes) {
    ImapIdleSchedule schedule;
    schedule.Start(At(0ms));
    schedule.Opening(At(0ms));
    EXPECT_EQ(schedule.NextDue(), std::nullopt) << "an opening has its own time-outs";
    schedule.Idling(At(2s));
    EXPECT_EQ(schedule.Poll(At(2s + 24min - 1ms)), Due::Nothing);
    EXPECT_EQ(schedule.Poll(At(2s + 24min)), Due::Renew);
    EXPECT_EQ(schedule.Poll(At(2s + 24min + 5s)), Due::Nothing) << "asked once";
    schedule.Idling(At(2s + 24min + 1s));
    EXPECT_EQ(schedule.NextDue(), 2s + 48min + 1s);
    EXPECT_LE(ImapIdleSchedule::RenewalInterval, 25min);
}

TEST(NetImapIdleSchedule, AJumpOfTheWallClockReopensAtOnce) {
    struct Case {
        const char* what;
        bool idling; // else waiting after drops
        milliseconds wallAhead;
        Due due;
    };
    const Case cases[] = {
        {"a resume from suspend while idling", true, 2h, Due::Open},
        {"a clock set back while waiting", false, -1h, Due::Open},
        {"a small correction", true, 20s, Due::Nothing},
    };
    for (const Case& test : cases) {
        ImapIdleSchedule schedule;
        schedule.Start(At(0ms));
        if (test.idling) {
            schedule.Idling(At(0ms));
        } else {
            schedule.Dropped(At(0ms));
            schedule.Dropped(At(0ms));
        }
        EXPECT_EQ(schedule.Poll(At(10s)), Due::Nothing) << test.what;
        EXPECT_EQ(schedule.Poll(At(20s, test.wallAhead)), test.due) << test.what;
        if (test.due == Due::Open) {
            schedule.Dropped(At(21s, test.wallAhead));
            EXPECT_EQ(schedule.NextDue(), 21s + 30s) << test.what << ": the pause starts afresh";
        }
    }
}
