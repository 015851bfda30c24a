// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/wheel_notches.h"

#include <gtest/gtest.h>
#include <vector>

TEST(CoreWheelNotches, SmallDeltasMakeANotchOnlyTogether) {
    struct Case {
        const char* what;
        std::vector<int> deltas;
        std::vector<int> notches; // what each delta completes
    };
    const Case cases[] = {
        {"a mouse notch", {120, -120}, {1, -1}},
        {"two notches in one event", {240}, {2}},
        {"eight 15-unit steps up", {15, 15, 15, 15, 15, 15, 15, 15}, {0, 0, 0, 0, 0, 0, 0, 1}},
        {"sixteen 15-unit steps down",
         {-15, -15, -15, -15, -15, -15, -15, -15, -15, -15, -15, -15, -15, -15, -15, -15},
         {0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0, 0, 0, 0, 0, -1}},
        {"what is left over carries on", {100, 100, 100}, {0, 1, 1}},
        {"turning back drops what gathered", {90, -15, 90, 30}, {0, 0, 0, 1}},
        {"no overflow", {119, 2147483647}, {0, 17895698}},
    };
    for (const Case& c : cases) {
        WheelNotches wheel;
        std::vector<int> notches;
        for (const int delta : c.deltas) {
            notches.push_back(wheel.Add(delta));
        }
        EXPECT_EQ(notches, c.notches) << c.what;
    }
}
