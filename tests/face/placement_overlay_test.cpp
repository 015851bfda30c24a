// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/placement_overlay.h"
#include "face_defaults.h"
#include "recording_canvas.h"

#include <gtest/gtest.h>

using Kind = RecordingCanvas::Kind;

TEST(FacePlacementOverlay, AnalogLeaderTurnsAwayFromTheEdges) {
    struct Case {
        int cx, cy;
        QPoint text;
        std::vector<QPoint> leader;
    };
    const Case cases[] = {
        {160, 100, {185, 64}, {{160, 100}, {180, 80}, {260, 80}}},
        {250, 100, {155, 64}, {{250, 100}, {230, 80}, {150, 80}}},
        {160, 30, {185, 36}, {{160, 30}, {180, 50}, {260, 50}}},
        {5, 7, {30, 13}, {{5, 7}, {25, 27}, {105, 27}}},
    };
    for (const Case& c : cases) {
        ClockSettings settings = DefaultFaceSettings();
        settings.HandCenterX = c.cx;
        settings.HandCenterY = c.cy;
        RecordingCanvas canvas;
        DrawPlacementOverlay(canvas, PlacementAnalog, settings, QSize(320, 200), {});
        const auto texts = canvas.Of(Kind::Text);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].text, QString::asprintf("X=%03d Y=%03d", c.cx, c.cy));
        EXPECT_EQ(texts[0].points[0], c.text) << c.cx << "," << c.cy;
        const auto lines = canvas.Of(Kind::Polyline);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].points, c.leader) << c.cx << "," << c.cy;
        EXPECT_EQ(lines[0].penColour, 0x00FF00u);
    }
}

TEST(FacePlacementOverlay, DashedFramesAroundTheBlocks) {
    ClockSettings settings = DefaultFaceSettings();
    settings.Digi_Width = 2;
    settings.Date_x = -7;
    settings.Date_y = 10;
    settings.IconBarX = 4;
    settings.IconBarY = 30;
    const FaceLayout layout{QSize(100, 54), QSize(149, 54), IconBarLayout{36, 38, 38, 1}};
    struct Case {
        PlacementMode mode;
        const char* text;
        QPoint textAt;
        std::vector<QPoint> frame;
    };
    const Case cases[] = {
        {PlacementTime, "X=080 Y=137 Size=5", {80, 121}, {{78, 135}, {80 + 100, 137 + 54}}},
        {PlacementDate, "X=-07 Y=010 Size=5", {-7, -6}, {{-8, 9}, {-7 + 149, 10 + 54}}},
        {PlacementIconBar, "X=004 Y=030", {4, 14}, {{2, 28}, {44, 70}}},
    };
    for (const Case& c : cases) {
        RecordingCanvas canvas;
        DrawPlacementOverlay(canvas, c.mode, settings, QSize(320, 200), layout);
        const auto texts = canvas.Of(Kind::Text);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].text, c.text);
        EXPECT_EQ(texts[0].points[0], c.textAt) << c.text;
        const auto frames = canvas.Of(Kind::Rectangle);
        ASSERT_EQ(frames.size(), 1u);
        EXPECT_EQ(frames[0].points, c.frame) << c.text;
        EXPECT_EQ(frames[0].penStyle, PenStyle::Dash);
        EXPECT_EQ(frames[0].brushStyle, BrushStyle::Clear);
        EXPECT_EQ(frames[0].penColour, 0xFFFFFFu);
    }
    RecordingCanvas none;
    DrawPlacementOverlay(none, PlacementNone, settings, QSize(320, 200), layout);
    EXPECT_TRUE(none.calls.empty());
}
