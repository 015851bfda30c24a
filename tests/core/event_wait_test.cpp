// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/event_wait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <chrono>
#include <gtest/gtest.h>

// The waits of every network step and of the exit run on EventWait with real timers: they
// must sleep until woken, notice a silent condition by the re-test alone, and give up once
// the program is exiting instead of spinning in loops that can no longer sleep.
using namespace std::chrono_literals;

TEST(EventWait, AWakeOrTheRetestEndsTheSleepOnceTheConditionHolds) {
    EventWait wait;
    bool done = false;
    int wakes = 0;
    QTimer waker;
    QObject::connect(&waker, &QTimer::timeout, [&] {
        done = ++wakes == 3; // the first two wakes find the condition still false
        wait.Wake();
    });
    waker.start(10);
    EXPECT_EQ(wait.Until([&] { return done; }), EventWait::Outcome::ConditionMet);
    EXPECT_EQ(wakes, 3);
    waker.stop();

    // Nobody wakes this one: only the re-test sees the deadline pass.
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(wait.Until([&] { return clock.elapsed() >= 60; }, 20ms),
              EventWait::Outcome::ConditionMet);
    EXPECT_LT(clock.elapsed(), 2000);
}

TEST(EventWait, AWaitInsideAWaitIsWokenToo) {
    EventWait wait;
    bool inner = false;
    bool outer = false;
    QTimer::singleShot(10, [&] {
        // Runs inside the outer wait's loop and waits itself, as a tick inside a tick does.
        EXPECT_EQ(wait.Until([&] { return inner; }), EventWait::Outcome::ConditionMet);
        outer = true;
        wait.Wake();
    });
    QTimer::singleShot(30, [&] {
        inner = true;
        wait.Wake();
    });
    EXPECT_EQ(wait.Until([&] { return outer; }), EventWait::Outcome::ConditionMet);
}

TEST(EventWait, TheProgramsExitEndsTheWaitAtOnce) {
    EventWait wait;
    QTimer::singleShot(20, [] { QCoreApplication::exit(0); });
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(wait.Until([] { return false; }, 10ms), EventWait::Outcome::ApplicationExiting);
    EXPECT_LT(clock.elapsed(), 2000);
}
