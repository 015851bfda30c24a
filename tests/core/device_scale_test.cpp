// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/device_scale.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

// Areas that touch in logical pixels touch in device pixels, with no gap and no overlap, and
// the logical cover of a device area holds every device pixel of it.
TEST(DeviceScale, NeighboursMeetAndCoversHoldTheirDevicePixels) {
    for (const qreal ratio : {1.0, 1.25, 1.5, 1.75, 2.0, 3.0}) {
        SCOPED_TRACE(ratio);
        const DeviceScale scale(ratio);
        for (int left = 0; left < 9; ++left) {
            const QRect first(left, 3, 5, 2);
            const QRect second(left + 5, 3, 4, 2);
            EXPECT_EQ(scale.Rect(first).right() + 1, scale.Rect(second).left());
            EXPECT_EQ(scale.Rect(first | second), scale.Rect(first) | scale.Rect(second));

            const QRect device(left * 3 + 1, 2, left + 1, 5);
            EXPECT_TRUE(scale.Rect(scale.LogicalCover(device)).contains(device));
        }
    }
    EXPECT_EQ(DeviceScale(2).Size(QSize(320, 200)), QSize(640, 400));
    EXPECT_EQ(DeviceScale(1.5).Size(QSize(321, 201)), QSize(482, 302));
}

TEST(DeviceScale, ARatioThatIsNoPositiveNumberCountsAsOne) {
    for (const qreal ratio : {0.0, -2.0, std::numeric_limits<qreal>::quiet_NaN(),
                              std::numeric_limits<qreal>::infinity()}) {
        EXPECT_TRUE(DeviceScale(ratio).IsIdentity()) << ratio;
    }
}
