// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/elapsed_quarter_seconds.h"
#include "app/tick_cadence.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using Facts = TickCadence::Facts;
using Reason = TickCadence::Reason;
using Reasons = TickCadence::Reasons;

Facts Idle() {
    Facts facts;
    facts.hidingUnderMouse = true;
    return facts;
}

} // namespace

TEST(TickCadence, EachCaseThatNeedsTheQuickTicksNamesItsReason) {
    struct Case {
        const char* what;
        void (*change)(Facts&);
        Reasons reasons;
    };
    const Case cases[] = {
        {"nothing: once a second", [](Facts&) {}, {}},
        {"starting up", [](Facts& f) { f.startingUp = true; }, Reason::StartingUp},
        {"pointer over the window", [](Facts& f) { f.pointerOverWindow = true; },
         Reason::PointerOverWindow},
        {"shaped while hiding under the mouse",
         [](Facts& f) { f.pointerEventsCoverWindow = false; }, Reason::PointerUnseenByEvents},
        {"dropped under the mouse", [](Facts& f) { f.raised = false; }, Reason::DroppedUnderMouse},
        {"dropped, the pointer gone: the hide delay runs",
         [](Facts& f) {
             f.raised = false;
             f.hideDelayRunning = true;
         },
         Reason::HideDelayRunning},
        {"placing a part", [](Facts& f) { f.placingPart = true; }, Reason::PlacingPart},
        {"mail check", [](Facts& f) { f.mailCheck = true; }, Reason::MailCheck},
        {"correction", [](Facts& f) { f.correction = true; }, Reason::Correction},
        {"window open", [](Facts& f) { f.windowOpen = true; }, Reason::WindowOpen},
        {"shaped, dropped, delay running, in another mode",
         [](Facts& f) {
             f.hidingUnderMouse = false;
             f.pointerEventsCoverWindow = false;
             f.raised = false;
             f.hideDelayRunning = true;
         },
         {}},
    };
    for (const Case& sample : cases) {
        Facts facts = Idle();
        sample.change(facts);
        const Reasons reasons = TickCadence::ReasonsFor(facts);
        EXPECT_EQ(reasons, sample.reasons) << sample.what;
        EXPECT_EQ(TickCadence::RateFor(reasons), sample.reasons
                                                     ? TickCadence::Rate::EveryQuarterSecond
                                                     : TickCadence::Rate::EverySecond)
            << sample.what;
    }
}

TEST(TickCadence, TheNextTickComesJustAfterTheNextBoundary) {
    using Rate = TickCadence::Rate;
    constexpr int Margin = TickCadence::MarginMilliseconds;
    struct Case {
        Rate rate;
        std::int64_t now;
        int expected;
    };
    const Case cases[] = {
        {Rate::EverySecond, 5000, 1000 + Margin}, // on a boundary: the next one
        {Rate::EverySecond, 5001, 999 + Margin},  // a tick just after its boundary
        {Rate::EverySecond, 5999, 1 + Margin},    // a timer that fired early
        {Rate::EverySecond, -1, 1 + Margin},      // before 1970
        {Rate::EveryQuarterSecond, 5100, 150 + Margin},
        {Rate::EveryQuarterSecond, 5250, 250 + Margin},
    };
    for (const Case& sample : cases) {
        EXPECT_EQ(TickCadence::MillisecondsToNextTick(sample.rate, sample.now), sample.expected)
            << sample.now;
    }
}

TEST(ElapsedQuarterSeconds, RoundsEachReadingAndCarriesTheRest) {
    ElapsedQuarterSeconds elapsed;
    elapsed.Restart(1000);
    struct Reading {
        std::int64_t at;
        int quarters;
    };
    const std::vector<Reading> readings = {
        {1250, 1},  {2250, 4},               // a quarter, a second
        {2370, 0},  {2380, 1},               // 130 ms after 2250 round up ...
        {2500, 0},                           // ... and the quarter they took is not counted again
        {2500, 0},  {12500, 40},             // no time; ten seconds
        {12740, 1}, {12990, 1},  {13240, 1}, // late ticks lose nothing
    };
    for (const Reading& reading : readings) {
        EXPECT_EQ(elapsed.Take(reading.at), reading.quarters) << reading.at;
    }
}
