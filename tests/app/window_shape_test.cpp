// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/window_shape.h"

#include <gtest/gtest.h>

TEST(WindowShape, RectangleCoversTheLargestWindowFrameIncluded) {
    const auto region = WindowShapeRegion(WindowShape::Rectangle, QSize(330, 210), 5, 5);
    ASSERT_TRUE(region.has_value());
    EXPECT_TRUE(region->contains(QPoint(0, 0)));
    EXPECT_TRUE(region->contains(QPoint(639, 479)));
}

TEST(WindowShape, EllipseCutsOffTheFrameAndTheCorners) {
    const auto region = WindowShapeRegion(WindowShape::Ellipse, QSize(330, 210), 5, 5);
    ASSERT_TRUE(region.has_value());
    EXPECT_TRUE(region->contains(QPoint(165, 105)));
    EXPECT_TRUE(region->contains(QPoint(165, 6)));
    EXPECT_FALSE(region->contains(QPoint(165, 2))) << "frame";
    EXPECT_FALSE(region->contains(QPoint(10, 10))) << "corner";
}

TEST(WindowShape, RoundedRectangleKeepsTheEdgesAndRoundsTheCorners) {
    const auto region = WindowShapeRegion(WindowShape::RoundedRectangle, QSize(320, 200), 0, 5);
    ASSERT_TRUE(region.has_value());
    EXPECT_TRUE(region->contains(QPoint(160, 1)));
    EXPECT_TRUE(region->contains(QPoint(1, 100)));
    EXPECT_FALSE(region->contains(QPoint(1, 1)));
}

TEST(WindowShape, UnknownTypeLeavesTheWindowAlone) {
    EXPECT_FALSE(WindowShapeRegion(StoredWindowShape(3), QSize(320, 200), 0, 5).has_value());
    EXPECT_FALSE(WindowShapeRegion(StoredWindowShape(-1), QSize(320, 200), 0, 5).has_value());
}
