// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/analog_clock.h"
#include "face/clock_size_rules.h"
#include "face/hand_geometry.h"
#include "face_defaults.h"
#include "recording_canvas.h"

#include <gtest/gtest.h>
#include <numbers>

namespace {

ClockTime At(int hour, int minute, int second) {
    ClockTime time;
    time.hour = hour;
    time.minute = minute;
    time.second = second;
    return time;
}

double Degrees(float radians) {
    return radians * 180.0 / std::numbers::pi;
}

using Kind = RecordingCanvas::Kind;

} // namespace

TEST(FaceHandAngles, FollowMinutesAndSeconds) {
    struct Case {
        ClockTime time;
        double hour, minute, second;
    };
    const Case cases[] = {
        {At(3, 30, 0), 105, 180, 0},    {At(15, 0, 0), 90, 0, 0},
        {At(0, 0, 59), 0, 5.9, 354},    {At(23, 59, 30), 359.5, 357, 180},
        {At(12, 10, 45), 5, 64.5, 270},
    };
    for (const Case& c : cases) {
        const HandAngles angles = HandAnglesAt(c.time);
        EXPECT_NEAR(Degrees(angles.hour), c.hour, 1e-4) << c.time.hour << ":" << c.time.minute;
        EXPECT_NEAR(Degrees(angles.minute), c.minute, 1e-4) << c.time.minute;
        EXPECT_NEAR(Degrees(angles.second), c.second, 1e-4) << c.time.second;
    }
}

TEST(FaceHandGeometry, KitePointsWithWholePixelOffsets) {
    struct Case {
        HandKind kind;
        int length;
        QPoint centre;
        double degrees;
        std::array<QPoint, 5> expected;
    };
    const Case cases[] = {
        // Pointing up: tail 0.1 L below, right half-width rounded up, left rounded down.
        {HandKind::Minute,
         100,
         {160, 100},
         0,
         {{{160, 110}, {165, 100}, {160, 10}, {155, 100}, {160, 110}}}},
        {HandKind::Second,
         128,
         {160, 100},
         0,
         {{{160, 112}, {163, 100}, {160, -15}, {158, 100}, {160, 112}}}},
        {HandKind::Hour,
         80,
         {160, 100},
         0,
         {{{160, 108}, {164, 100}, {160, 28}, {156, 100}, {160, 108}}}},
        // The single-precision quarter turn is a hair past 90 degrees and its sine a hair
        // below 1; truncation shows both.
        {HandKind::Minute,
         100,
         {160, 100},
         90,
         {{{150, 99}, {159, 105}, {249, 100}, {160, 95}, {150, 99}}}},
        // Negative coordinates truncate toward zero, not downwards.
        {HandKind::Minute, 100, {2, 2}, 45, {{{-5, 9}, {5, 5}, {65, -61}, {-1, -1}, {-5, 9}}}},
    };
    for (const Case& c : cases) {
        const auto kite = HandGeometry(c.kind, c.length, c.centre, DegreesToRadians(c.degrees));
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(kite[i], c.expected[i]) << "point " << i << " at " << c.degrees;
        }
    }
}

TEST(FaceHandGeometry, RotatedPointTruncatesTowardZero) {
    // 30 degrees from (100, 0) about (100, 100): (100 + 100 sin 30, 100 - 100 cos 30).
    EXPECT_EQ(RotatePoint({100, 0}, {100, 100}, DegreesToRadians(30)), QPoint(150, 13));
    EXPECT_EQ(PointOnRadius({0, 0}, 10, DegreesToRadians(210)), QPoint(-4, 8));
}

TEST(FaceClockSizeRules, FollowWindowWhenAsked) {
    ClockSettings settings = DefaultFaceSettings();
    ApplyClockSizeRules(settings, 320, 200);
    EXPECT_EQ(settings.LongLength, 95);
    EXPECT_EQ(settings.ShortLength, 80);
    EXPECT_EQ(settings.SecondLength, 95);
    EXPECT_EQ(settings.HandCenterX, 160) << "AnalogCenter is clear by default";

    settings.HandCenterX = 10;
    settings.Set(AnalogCenter, true);
    settings.Set(AnalogFixWin, false);
    settings.LongLength = 50;
    ApplyClockSizeRules(settings, 301, 155);
    EXPECT_EQ(settings.HandCenterX, 150);
    EXPECT_EQ(settings.HandCenterY, 77);
    EXPECT_EQ(settings.LongLength, 50) << "lengths stay without AnalogFixWin";
}

TEST(FaceDial, MarksFollowIntervalAndDesign) {
    struct Case {
        int interval;
        int design;
        size_t largeLines, smallLines, polygons, ellipses;
    };
    const Case cases[] = {
        {1, 0, 12, 48, 0, 0}, {5, 0, 12, 0, 0, 0}, {15, 0, 4, 0, 0, 0}, {1, 1, 0, 48, 12, 0},
        {5, 2, 0, 0, 12, 0},  {15, 3, 0, 0, 0, 4}, {1, 7, 0, 48, 0, 0}, {3, 0, 12, 0, 0, 0},
    };
    for (const Case& c : cases) {
        ClockSettings settings = DefaultFaceSettings();
        settings.Mem_Interval = c.interval;
        settings.MemPoint_Design = c.design;
        RecordingCanvas canvas;
        DrawDial(canvas, AnalogSettingsFrom(settings, PlacementNone));
        size_t large = 0, small = 0;
        for (const auto& line : canvas.Of(Kind::Line)) {
            (line.penWidth == 2 ? large : small)++;
            EXPECT_EQ(line.penColour,
                      line.penWidth == 2 ? settings.SM_Point_Color : settings.SM_Color);
        }
        EXPECT_EQ(large, c.largeLines) << c.interval << "/" << c.design;
        EXPECT_EQ(small, c.smallLines) << c.interval << "/" << c.design;
        EXPECT_EQ(canvas.Of(Kind::Polygon).size(), c.polygons) << c.interval << "/" << c.design;
        EXPECT_EQ(canvas.Of(Kind::Ellipse).size(), c.ellipses) << c.interval << "/" << c.design;
    }
}

TEST(FaceDial, MarkShapesAroundTheOuterPoint) {
    ClockSettings settings = DefaultFaceSettings(); // L 128: outer 115, inner 112, half 3
    settings.MemPoint_Design = 2;
    RecordingCanvas canvas;
    DrawDial(canvas, AnalogSettingsFrom(settings, PlacementNone));
    const auto diamonds = canvas.Of(Kind::Polygon);
    ASSERT_EQ(diamonds.size(), 12u);
    EXPECT_EQ(diamonds[0].points,
              (std::vector<QPoint>{{160, -18}, {163, -15}, {160, -12}, {157, -15}}));
    const auto smallMarks = canvas.Of(Kind::Line);
    ASSERT_FALSE(smallMarks.empty());
    EXPECT_EQ(smallMarks[0].mixMode, MixMode::Copy);
}

TEST(FaceDial, NumeralsCentredOnTheRingWithTwelveAtTheTop) {
    ClockSettings settings = DefaultFaceSettings();
    settings.Set(StringDisp, true);
    settings.Set(MemoryDisp, false);
    RecordingCanvas canvas;
    DrawDial(canvas, AnalogSettingsFrom(settings, PlacementNone));
    const auto texts = canvas.Of(Kind::Text);
    ASSERT_EQ(texts.size(), 12u);
    EXPECT_EQ(texts[0].text, "12");
    EXPECT_EQ(texts[0].points[0], QPoint(150, -25)); // (160, -15) less half of 20 × 20
    EXPECT_EQ(texts[3].text, "3");
    EXPECT_EQ(texts[3].points[0], QPoint(269, 90)); // (274, 100) less half of 10 × 20
    for (const auto& text : texts) {
        EXPECT_NE(text.text, "0");
    }
    EXPECT_TRUE(canvas.Of(Kind::Line).empty());
}

TEST(FaceHands, OrderColoursAndCentreDots) {
    ClockSettings settings = DefaultFaceSettings();
    settings.SE_In_Color = 0x111111;
    settings.SL_In_Color = 0x222222;
    settings.SS_Color = 0x333333;
    RecordingCanvas canvas;
    DrawHands(canvas, AnalogSettingsFrom(settings, PlacementNone), At(3, 30, 0));
    const auto kites = canvas.Of(Kind::Polygon);
    ASSERT_EQ(kites.size(), 3u);
    EXPECT_EQ(kites[0].brushColour, 0x111111u);
    EXPECT_EQ(kites[1].brushColour, 0x222222u);
    EXPECT_EQ(kites[2].brushColour, 0x333333u);
    EXPECT_EQ(kites[2].penColour, 0x333333u);
    EXPECT_EQ(kites[0].mixMode, MixMode::Merge) << "the default face is see-through";
    const auto minute = HandGeometry(HandKind::Minute, 128, {160, 100}, DegreesToRadians(180));
    EXPECT_EQ(kites[1].points, std::vector<QPoint>(minute.begin(), minute.end()));
    const auto dots = canvas.Of(Kind::Ellipse);
    ASSERT_EQ(dots.size(), 3u);
    for (const auto& dot : dots) {
        EXPECT_EQ(dot.points, (std::vector<QPoint>{{158, 98}, {162, 102}}));
        EXPECT_EQ(dot.brushColour, 0u);
        EXPECT_EQ(dot.penWidth, 1);
    }
    // Each dot follows its own hand.
    EXPECT_EQ(canvas.calls[1].kind, Kind::Ellipse);
    EXPECT_EQ(canvas.calls[3].kind, Kind::Ellipse);
}

TEST(FaceHands, OutlinesMergeAndPlacementStyles) {
    ClockSettings settings = DefaultFaceSettings();
    settings.Set(HandFill, false);
    settings.Set(SecondHandDisp, false);
    settings.Set(AnalogClear, true);
    RecordingCanvas canvas;
    DrawHands(canvas, AnalogSettingsFrom(settings, PlacementAnalog), At(10, 20, 30));
    EXPECT_TRUE(canvas.Of(Kind::Polygon).empty());
    const auto outlines = canvas.Of(Kind::Polyline);
    ASSERT_EQ(outlines.size(), 2u) << "no second hand";
    EXPECT_EQ(outlines[0].points.front(), outlines[0].points.back()) << "closed back to the tail";
    EXPECT_EQ(outlines[1].mixMode, MixMode::Merge);
    EXPECT_EQ(outlines[1].penStyle, PenStyle::Dot);
    EXPECT_EQ(outlines[1].brushStyle, BrushStyle::DiagonalCross);
    // Without the second hand the minute hand still moves with the seconds: 123 degrees.
    const auto minute = HandGeometry(HandKind::Minute, 128, {160, 100}, DegreesToRadians(123));
    EXPECT_EQ(outlines[1].points[2], minute[2]);
    EXPECT_EQ(canvas.Of(Kind::Ellipse).size(), 2u) << "dots are drawn for outline hands too";
}
