// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/tick_timer.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

// The timer with Qt's real timers, on a system clock that the test may set: the clock reads
// the steady clock plus an offset, so the test knows where its seconds begin.
namespace {

struct Tick {
    std::int64_t wallClock; // when the tick ran
    int quarters;
};

class TickTimerFixture : public ::testing::Test {
protected:
    std::int64_t WallClock() const { return steady_.elapsed() + offset_; }
    // Sets the system clock so that it reads `millisecondsIntoSecond` into a second now.
    void SetClockInto(std::int64_t millisecondsIntoSecond) {
        offset_ += millisecondsIntoSecond - WallClock() % 1000 + 1000;
    }
    bool WaitForTicks(std::size_t count, int timeOut = 5000) {
        return QTest::qWaitFor([&] { return ticks_.size() >= count; }, timeOut);
    }
    // Milliseconds until the next tick after `call`.
    qint64 NextTickAfter(const std::function<void()>& call) {
        const std::size_t before = ticks_.size();
        QElapsedTimer waited;
        waited.start();
        call();
        return WaitForTicks(before + 1) ? waited.elapsed() : -1;
    }

    QElapsedTimer steady_ = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    std::int64_t offset_ = 0;
    std::vector<Tick> ticks_;
    std::function<void(int)> onTick_;
    TickTimer timer_{[this] { return WallClock(); },
                     [this](int quarters) {
                         ticks_.push_back({WallClock(), quarters});
                         if (onTick_) {
                             onTick_(quarters);
                         }
                     }};
};

} // namespace

TEST_F(TickTimerFixture, OnceASecondEachTickFollowsASecondAndCountsItsQuarters) {
    SetClockInto(600);
    timer_.SetRate(TickCadence::Rate::EverySecond);
    QElapsedTimer running;
    running.start();
    timer_.Start();
    ASSERT_TRUE(WaitForTicks(3));
    const qint64 elapsed = running.elapsed();
    timer_.Stop();
    int counted = 0;
    for (const Tick& tick : ticks_) {
        EXPECT_LT(tick.wallClock % 1000, 500) << "early in a second of the system clock";
        counted += tick.quarters;
    }
    EXPECT_NEAR(counted, elapsed / 250.0, 1.0) << "the quarters are the time that passed";
}

TEST_F(TickTimerFixture, AQuickerRateOrAClockJumpBringsTheNextTickAtOnce) {
    timer_.SetRate(TickCadence::Rate::EverySecond);
    timer_.Start();
    ASSERT_TRUE(WaitForTicks(1));
    // Just after a second: the next second is 990 ms away, the next quarter 240 ms.
    SetClockInto(10);
    EXPECT_LT(NextTickAfter([&] { timer_.SetRate(TickCadence::Rate::EveryQuarterSecond); }), 150);

    timer_.SetRate(TickCadence::Rate::EverySecond);
    ASSERT_TRUE(WaitForTicks(ticks_.size() + 1)); // back on the seconds
    SetClockInto(10);
    EXPECT_LT(NextTickAfter([&] { timer_.Realign(); }), 150);
    ASSERT_TRUE(WaitForTicks(ticks_.size() + 1));
    EXPECT_LT(ticks_.back().wallClock % 1000, 500) << "then on the new clock's seconds";
}

TEST_F(TickTimerFixture, TicksGoOnInsideAWaitThatATickOpens) {
    int nested = 0;
    bool waited = false;
    onTick_ = [&](int) {
        if (waited) {
            ++nested;
            return;
        }
        waited = true;
        QEventLoop wait;
        QTimer::singleShot(1200, &wait, &QEventLoop::quit);
        wait.exec();
    };
    timer_.Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return waited; }, 3000));
    EXPECT_GE(nested, 3) << "quarter-second ticks ran inside the first tick's wait";
    timer_.Stop();
}
