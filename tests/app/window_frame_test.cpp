// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/window_frame.h"

#include <gtest/gtest.h>

TEST(WindowFrame, EdgesAndCornersOfTheFrame) {
    const QSize outer(328, 208);
    struct Case {
        QPoint at;
        Qt::Edges edges;
    };
    const Case cases[] = {
        {{160, 100}, {}}, // client area
        {{4, 4}, {}},     // first client pixel
        {{0, 100}, Qt::LeftEdge},
        {{327, 100}, Qt::RightEdge},
        {{160, 0}, Qt::TopEdge},
        {{160, 207}, Qt::BottomEdge},
        {{0, 0}, Qt::LeftEdge | Qt::TopEdge},
        {{10, 1}, Qt::LeftEdge | Qt::TopEdge}, // along the top, near the corner
        {{327, 207}, Qt::RightEdge | Qt::BottomEdge},
        {{326, 3}, Qt::RightEdge | Qt::TopEdge},
        {{1, 200}, Qt::LeftEdge | Qt::BottomEdge},
        {{-1, 100}, {}}, // outside the window
    };
    for (const Case& item : cases) {
        EXPECT_EQ(FrameEdgesAt(item.at, outer), item.edges) << item.at.x() << "," << item.at.y();
    }
}

TEST(WindowFrame, ResizingKeepsTheOppositeEdgesAndTheLimits) {
    const QRect start(100, 100, 328, 208);
    const QSize minimum(10, 10);
    const QSize maximum(640, 480);
    EXPECT_EQ(ResizedFrameGeometry(start, Qt::RightEdge, {20, 50}, minimum, maximum),
              QRect(100, 100, 348, 208));
    EXPECT_EQ(ResizedFrameGeometry(start, Qt::LeftEdge | Qt::TopEdge, {-10, -20}, minimum, maximum),
              QRect(90, 80, 338, 228));
    EXPECT_EQ(ResizedFrameGeometry(start, Qt::BottomEdge, {0, 1000}, minimum, maximum).height(),
              480);
    const QRect shrunk = ResizedFrameGeometry(start, Qt::LeftEdge, {1000, 0}, minimum, maximum);
    EXPECT_EQ(shrunk.width(), 10);
    EXPECT_EQ(shrunk.right(), start.right()) << "the right edge stays put";
}
