// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/timeout_timer.h"

#include <QEventLoop>
#include <gtest/gtest.h>

TEST(NetTimeoutTimer, RunsOnlyWithIntervalEnabledAndHandler) {
    struct Case {
        int interval;
        bool enable;
        bool handler;
        bool running;
    };
    for (const Case& sample : {Case{100, true, true, true}, Case{0, true, true, false},
                               Case{100, false, true, false}, Case{100, true, false, false}}) {
        TTimeoutTimer timer;
        EXPECT_EQ(timer.Interval(), 1000);
        EXPECT_TRUE(timer.IsEnabled());
        timer.Disable();
        timer.SetInterval(sample.interval);
        if (sample.handler) {
            timer.SetOnTimer([] {});
        }
        if (sample.enable) {
            timer.Enable();
        }
        EXPECT_EQ(timer.IsRunning(), sample.running)
            << sample.interval << sample.enable << sample.handler;
    }
}

TEST(NetTimeoutTimer, FiresItsHandlerAndSurvivesAnException) {
    TTimeoutTimer timer;
    QEventLoop loop;
    int fired = 0;
    timer.SetOnTimer([&] {
        ++fired;
        loop.quit();
        throw std::runtime_error("handler failure");
    });
    timer.SetInterval(10);
    loop.exec();
    EXPECT_EQ(fired, 1);
    EXPECT_FALSE(timer.IsRunning());
}
