// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/digital_display.h"
#include "face/segment_digit.h"
#include "face_defaults.h"
#include "platform/qimage_canvas.h"
#include "recording_canvas.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace {

using Kind = RecordingCanvas::Kind;

ClockTime At(int hour, int minute, int second) {
    ClockTime time;
    time.hour = hour;
    time.minute = minute;
    time.second = second;
    return time;
}

ClockTime OnDate(int year, int month, int day) {
    ClockTime time;
    time.year = year;
    time.month = month;
    time.day = day;
    time.dayOfWeek = DayOfWeek(year, month, day);
    return time;
}

// Which digit a cell shows, from the segments drawn in it.
int DigitOfPaths(const std::vector<RecordingCanvas::Call>& paths, QPoint cell,
                 const SegmentMetrics& metrics) {
    std::uint8_t mask = 0;
    for (const auto& path : paths) {
        for (int segment = 0; segment < SegmentDigit::SegmentCount; ++segment) {
            const auto expected = SegmentDigit::SegmentPath(segment, cell, metrics);
            if (std::equal(expected.begin(), expected.end(), path.points.begin())) {
                mask |= std::uint8_t(1u << segment);
            }
        }
    }
    for (int digit = 0; digit <= 9; ++digit) {
        if (SegmentDigit::Mask(digit) == mask) {
            return digit;
        }
    }
    return mask == 0 ? -1 : -2;
}

} // namespace

TEST(FaceSegmentMetrics, UnitsAdvanceAndHeightFromTheSizeStep) {
    struct Case {
        int step, base, advance, height;
    };
    const Case cases[] = {
        {5, 31, 37, 54}, {-10, 16, 19, 28}, {-20, 6, 7, 10}, {100, 126, 151, 220}};
    for (const Case& c : cases) {
        const SegmentMetrics metrics = SegmentMetrics::ForStep(c.step);
        EXPECT_EQ(metrics.base, c.base) << c.step;
        EXPECT_EQ(metrics.advance, c.advance) << c.step;
        EXPECT_EQ(metrics.height, c.height) << c.step;
    }
}

TEST(FaceSegmentDigit, VerticesTruncateTheUnitOffsets) {
    // k = 5: u = 1.9375. The upper right segment of the cell at (10, 20).
    EXPECT_EQ(SegmentDigit::SegmentPath(2, {10, 20}, SegmentMetrics::ForStep(5)),
              (SegmentDigit::Path{{{39, 21}, {41, 23}, {41, 45}, {39, 47}, {33, 43}, {33, 27}}}));
    // k = -10: u = 1. The bottom segment.
    EXPECT_EQ(SegmentDigit::SegmentPath(6, {0, 0}, SegmentMetrics::ForStep(-10)),
              (SegmentDigit::Path{{{0, 26}, {4, 24}, {12, 24}, {15, 27}, {12, 28}, {4, 28}}}));
    // k = -20: u = 0.375, used by the seconds of the smallest time.
    EXPECT_EQ(SegmentDigit::SegmentPath(3, {0, 0}, SegmentMetrics::ForStep(-20)),
              (SegmentDigit::Path{{{0, 5}, {1, 4}, {4, 4}, {5, 5}, {4, 6}, {1, 6}}}));
}

TEST(FaceSegmentDigit, MasksLightTheRightSegments) {
    const std::map<int, std::uint8_t> masks = {{0, 0x77}, {1, 0x24}, {2, 0x5E}, {3, 0x6E},
                                               {4, 0x2D}, {5, 0x6B}, {6, 0x7B}, {7, 0x26},
                                               {8, 0x7F}, {9, 0x6F}, {-1, 0},   {10, 0}};
    for (const auto& [digit, mask] : masks) {
        EXPECT_EQ(SegmentDigit::Mask(digit), mask) << digit;
        RecordingCanvas canvas;
        SegmentDigit::DrawDigit(canvas, digit, {0, 0}, SegmentMetrics::ForStep(5), SegmentStyle{});
        EXPECT_EQ(canvas.calls.size(), size_t(std::popcount(mask))) << digit;
        for (const auto& call : canvas.calls) {
            EXPECT_EQ(call.points.size(), 7u);
            EXPECT_EQ(call.points.front(), call.points.back());
        }
    }
}

TEST(FaceSegmentTime, NineOhFiveOhSevenWithSmallerSeconds) {
    ClockSettings settings = DefaultFaceSettings();
    RecordingCanvas canvas;
    const QSize size = DrawTime(canvas, TimeBlockFrom(settings, PlacementNone), At(9, 5, 7));
    const auto paths = canvas.Of(Kind::Polygon);
    const SegmentMetrics big = SegmentMetrics::ForStep(5);
    const SegmentMetrics small = SegmentMetrics::ForStep(-5);
    const int x = settings.Digi_x;
    const int y = settings.Digi_y;
    EXPECT_EQ(DigitOfPaths(paths, {x, y}, big), -1) << "first cell empty";
    EXPECT_EQ(DigitOfPaths(paths, {x + 37, y}, big), 9);
    EXPECT_EQ(DigitOfPaths(paths, {x + 3 * 37, y}, big), 0);
    EXPECT_EQ(DigitOfPaths(paths, {x + 4 * 37, y}, big), 5);
    EXPECT_EQ(DigitOfPaths(paths, {x + 5 * 37, y}, small), 0);
    EXPECT_EQ(DigitOfPaths(paths, {x + 5 * 37 + 25, y}, small), 7);
    // 9 (6) + colon (2) + 0 (6) + 5 (5) + 0 (6) + 7 (3)
    EXPECT_EQ(paths.size(), 28u);
    EXPECT_EQ(size, QSize(5 * 37 + 2 * 25 + 1, 54));
}

TEST(FaceSegmentTime, MidnightAndWithoutSeconds) {
    ClockSettings settings = DefaultFaceSettings();
    settings.Set(DigiTimeSecDisp, false);
    settings.Digi_Width = 3;
    RecordingCanvas canvas;
    const QSize size = DrawTime(canvas, TimeBlockFrom(settings, PlacementNone), At(0, 0, 0));
    const auto paths = canvas.Of(Kind::Polygon);
    const SegmentMetrics big = SegmentMetrics::ForStep(5);
    const int x = settings.Digi_x;
    EXPECT_EQ(DigitOfPaths(paths, {x, settings.Digi_y}, big), -1);
    EXPECT_EQ(DigitOfPaths(paths, {x + 37, settings.Digi_y}, big), 0);
    EXPECT_EQ(paths.size(), 6u + 2u + 6u + 6u);
    EXPECT_EQ(size, QSize(5 * 37 + 3, 54));
    EXPECT_EQ(paths.front().penWidth, 3);
}

TEST(FaceSegmentTime, TwoDigitHourFillsTheFirstCell) {
    ClockSettings settings = DefaultFaceSettings();
    RecordingCanvas canvas;
    DrawTime(canvas, TimeBlockFrom(settings, PlacementNone), At(23, 59, 0));
    const auto paths = canvas.Of(Kind::Polygon);
    const int x = settings.Digi_x;
    EXPECT_EQ(DigitOfPaths(paths, {x, settings.Digi_y}, SegmentMetrics::ForStep(5)), 2);
    EXPECT_EQ(DigitOfPaths(paths, {x + 37, settings.Digi_y}, SegmentMetrics::ForStep(5)), 3);
}

TEST(FaceSegmentTime, TheWidestTimeFitsTheFirstStartWindow) {
    // 20:08:08 lights the outermost segments of every cell; every time ends at the same edge.
    // Drawn on an image larger than the window, so that whatever the window would cut off
    // is seen too.
    const ClockSettings settings = DefaultFaceSettings();
    QImage face(settings.Width + 64, settings.Height + 64, QImage::Format_RGB32);
    face.fill(Qt::black);
    {
        QImageCanvas canvas(face);
        DrawTime(canvas, TimeBlockFrom(settings, PlacementNone), At(20, 8, 8));
    }
    QRect lit;
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            if (face.pixel(x, y) != qRgb(0, 0, 0)) {
                lit |= QRect(x, y, 1, 1);
            }
        }
    }
    EXPECT_EQ(lit.left(), settings.Digi_x);
    EXPECT_EQ(settings.Width - 1 - lit.right(), 8) << "a small margin on the right";
    EXPECT_EQ(settings.Height - 1 - lit.bottom(), 8) << "a small margin at the foot";
}

TEST(FaceSegmentDate, SecondOfMarchWithAndWithoutYear) {
    ClockSettings settings = DefaultFaceSettings();
    const SegmentMetrics m = SegmentMetrics::ForStep(5);
    const int x = -7;
    const int y = 10;
    {
        settings.Set(DigiDateScene, true);
        RecordingCanvas canvas;
        const QSize size =
            DrawDate(canvas, DateBlockFrom(settings, PlacementNone), OnDate(2002, 3, 2));
        const auto paths = canvas.Of(Kind::Polygon);
        EXPECT_EQ(DigitOfPaths(paths, {x, y}, m), 2);
        EXPECT_EQ(DigitOfPaths(paths, {x + 37, y}, m), 0);
        EXPECT_EQ(DigitOfPaths(paths, {x + 2 * 37, y}, m), 0);
        EXPECT_EQ(DigitOfPaths(paths, {x + 3 * 37, y}, m), 2);
        EXPECT_EQ(DigitOfPaths(paths, {x + 5 * 37, y}, m), 3);
        EXPECT_EQ(DigitOfPaths(paths, {x + 7 * 37, y}, m), 2);
        // The slashes stand in the cells after the year and after the month.
        int slashes = 0;
        for (const auto& path : paths) {
            if (path.points.size() == 5) {
                ++slashes;
            }
        }
        EXPECT_EQ(slashes, 2);
        EXPECT_EQ(paths[0].points.size(), 7u);
        EXPECT_EQ(size, QSize(8 * 37 + 1, 54));
    }
    {
        settings.Set(DigiDateScene, false);
        RecordingCanvas canvas;
        const QSize size =
            DrawDate(canvas, DateBlockFrom(settings, PlacementNone), OnDate(2002, 3, 2));
        const auto paths = canvas.Of(Kind::Polygon);
        EXPECT_EQ(DigitOfPaths(paths, {x, y}, m), -1) << "first cell empty";
        EXPECT_EQ(DigitOfPaths(paths, {x + 37, y}, m), 3);
        EXPECT_EQ(DigitOfPaths(paths, {x + 3 * 37, y}, m), 2);
        EXPECT_EQ(size, QSize(4 * 37 + 1, 54));
    }
}

TEST(FaceSegmentDate, TwoDigitMonthAndDay) {
    ClockSettings settings = DefaultFaceSettings();
    RecordingCanvas canvas;
    const QSize size =
        DrawDate(canvas, DateBlockFrom(settings, PlacementNone), OnDate(2001, 12, 31));
    const auto paths = canvas.Of(Kind::Polygon);
    const SegmentMetrics m = SegmentMetrics::ForStep(5);
    EXPECT_EQ(DigitOfPaths(paths, {-7 + 37, 10}, m), 1);
    EXPECT_EQ(DigitOfPaths(paths, {-7 + 2 * 37, 10}, m), 2);
    EXPECT_EQ(DigitOfPaths(paths, {-7 + 4 * 37, 10}, m), 3);
    EXPECT_EQ(DigitOfPaths(paths, {-7 + 5 * 37, 10}, m), 1);
    EXPECT_EQ(size.width(), 6 * 37 + 1);
}

TEST(FaceSegmentStyle, OutlinesHatchAndMerge) {
    ClockSettings settings = DefaultFaceSettings();
    settings.Set(DigiTimeFill, false);
    settings.Set(AnalogClear, true);
    RecordingCanvas canvas;
    DrawTime(canvas, TimeBlockFrom(settings, PlacementNone), At(8, 8, 8));
    EXPECT_TRUE(canvas.Of(Kind::Polygon).empty());
    const auto outlines = canvas.Of(Kind::Polyline);
    ASSERT_FALSE(outlines.empty());
    EXPECT_EQ(outlines[0].penColour, settings.Digi_Edge_Color);
    EXPECT_EQ(outlines[0].mixMode, MixMode::Merge);

    settings.Set(DigiDateFill, true);
    RecordingCanvas placing;
    DrawDate(placing, DateBlockFrom(settings, PlacementDate), OnDate(2001, 8, 24));
    const auto hatched = placing.Of(Kind::Polygon);
    ASSERT_FALSE(hatched.empty());
    EXPECT_EQ(hatched[0].brushStyle, BrushStyle::DiagonalCross);
    EXPECT_EQ(hatched[0].brushColour, settings.Date_Color);
}

TEST(FaceSegmentPixels, LitAndUnlitSegments) {
    ClockSettings settings = DefaultFaceSettings();
    settings.Digi_x = 0;
    settings.Digi_y = 0;
    settings.Set(DigiTimeSecDisp, false);
    QImage image(200, 60, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QImageCanvas canvas(image);
        DrawTime(canvas, TimeBlockFrom(settings, PlacementNone), At(1, 11, 0));
    }
    const QRgb fill = ToQColor(settings.Digi_Color).rgb();
    const int cell = 37; // the hour's units digit, a 1
    EXPECT_EQ(image.pixel(cell + 27, 13), fill) << "upper right segment lit";
    EXPECT_EQ(image.pixel(cell + 27, 38), fill) << "lower right segment lit";
    EXPECT_EQ(image.pixel(cell + 3, 13), qRgb(0, 0, 0)) << "upper left segment dark";
    EXPECT_EQ(image.pixel(cell + 15, 29), qRgb(0, 0, 0)) << "middle segment dark";
    EXPECT_EQ(image.pixel(10, 13), qRgb(0, 0, 0)) << "empty tens cell";
    EXPECT_EQ(image.pixel(cell + 31, 13), ToQColor(settings.Digi_Edge_Color).rgb())
        << "edge colour on the outline";
}
