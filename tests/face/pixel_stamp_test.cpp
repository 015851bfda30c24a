// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/stamp_recorder.h"
#include "platform/qimage_canvas.h"

#include <QRandomGenerator>
#include <functional>
#include <gtest/gtest.h>

// A stamp stands in for drawing: replayed over any picture it must leave exactly what the
// drawing itself leaves, and it must know every pixel the drawing can change.
namespace {

QImage Noise(QSize size, quint32 seed) {
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < size.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            row[x] = 0xFF000000u | (random.generate() & 0xFFFFFFu);
        }
    }
    return image;
}

using Drawing = std::function<void(Canvas&)>;

constexpr QSize PictureSize(120, 90);

// Draws directly on a noisy picture and replays the stamp on the same picture.
void ExpectReplayMatches(StampRecorder& recorder, const Drawing& draw, const char* name) {
    const QSize size = PictureSize;
    const std::optional<PixelStamp> stamp = recorder.Record(draw);
    ASSERT_TRUE(stamp.has_value()) << name;
    for (quint32 seed : {1u, 2u}) {
        const QImage picture = Noise(size, seed);
        QImage drawn = picture;
        {
            QImageCanvas canvas(drawn);
            draw(canvas);
        }
        QImage replayed = picture;
        stamp->ApplyTo(replayed, replayed.rect());
        EXPECT_TRUE(drawn == replayed) << name;
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                if (drawn.pixel(x, y) != picture.pixel(x, y)) {
                    ASSERT_TRUE(stamp->Area().contains(x, y))
                        << name << ": changed outside the stamp at " << x << ", " << y;
                }
            }
        }
    }
}

void ExpectReplayMatches(const Drawing& draw, const char* name) {
    StampRecorder recorder;
    recorder.Resize(PictureSize);
    ExpectReplayMatches(recorder, draw, name);
}

const QPoint Kite[] = {{60, 80}, {70, 45}, {62, 5}, {50, 45}, {60, 80}};

} // namespace

TEST(PixelStamp, ReplaysCopiedAndMergedShapesExactly) {
    for (const MixMode mode : {MixMode::Copy, MixMode::Merge}) {
        for (const int width : {1, 2, 5, 10}) {
            ExpectReplayMatches(
                [&](Canvas& canvas) {
                    canvas.SetMixMode(mode);
                    canvas.SetPen(0x3080C0, width, PenStyle::Solid);
                    canvas.SetBrush(0x00FF00, BrushStyle::Solid);
                    canvas.Polygon(Kite);
                    canvas.SetBrush(0, BrushStyle::Solid);
                    canvas.Ellipse(57, 42, 62, 47);
                    canvas.Polyline(std::span(Kite).first(3));
                    canvas.Line(QPoint(5, 85), QPoint(115, 2));
                },
                mode == MixMode::Copy ? "copied kite" : "merged kite");
        }
    }
}

TEST(PixelStamp, ReplaysARunThatMergesAndThenCopies) {
    // As the dial draws: merged marks, then copied ones over them.
    ExpectReplayMatches(
        [](Canvas& canvas) {
            canvas.SetMixMode(MixMode::Merge);
            canvas.SetPen(0x00FFFF, 2, PenStyle::Solid);
            canvas.SetBrush(0x800080, BrushStyle::Solid);
            canvas.Polygon(Kite);
            canvas.SetMixMode(MixMode::Copy);
            canvas.SetPen(0x000000, 3, PenStyle::Solid);
            canvas.Line(QPoint(40, 10), QPoint(80, 70));
        },
        "merged, then copied");
}

TEST(PixelStamp, ReplaysDashesHatchingOutlinesAndCutOutPictures) {
    ExpectReplayMatches(
        [](Canvas& canvas) {
            canvas.SetPen(0xFFFFFF, 1, PenStyle::Dash);
            canvas.SetBrush(0, BrushStyle::Clear);
            canvas.Rectangle(3, 3, 100, 60);
            canvas.SetPen(0x0000FF, 1, PenStyle::Dot);
            canvas.SetBrush(0x00FF00, BrushStyle::DiagonalCross);
            canvas.Polygon(Kite);
            canvas.SetPen(0x808080, 4, PenStyle::Solid);
            canvas.SetBrush(0, BrushStyle::Clear);
            canvas.RoundRectangle(-3, -3, 118, 88, 50, 50);
        },
        "dashes, hatching and a rim");
    QImage icon(32, 32, QImage::Format_RGB32);
    icon.fill(0xFF112233u);
    for (int i = 4; i < 28; ++i) {
        icon.setPixel(i, i, 0xFFFF0000u);
        icon.setPixel(31 - i, i, 0xFF00FF00u);
    }
    ExpectReplayMatches(
        [&](Canvas& canvas) {
            canvas.FillRectangle(QRect(10, 10, 36, 36), 0x0000FF);
            canvas.StretchImage(icon, QRect(10, 10, 36, 36), 0x332211);
            canvas.StretchImage(icon, QRect(60, 10, 20, 20));
        },
        "an icon with its see-through colour");
}

TEST(PixelStamp, RefusesDrawingThatBlends) {
    StampRecorder recorder;
    recorder.Resize(PictureSize);
    EXPECT_FALSE(recorder.Record([](Canvas& canvas) {
        canvas.SetFont(CanvasFont{QStringLiteral("IPAPGothic"), 12, 0xFFFFFF, 0});
        canvas.TextOut(QPoint(2, 2), QStringLiteral("12"), TextBackground::Transparent);
    })) << "smoothed text";
    QImage translucent(8, 8, QImage::Format_ARGB32);
    translucent.fill(qRgba(255, 0, 0, 128));
    EXPECT_FALSE(recorder.Record([&](Canvas& canvas) {
        canvas.DrawImage(QPoint(1, 1), translucent);
    })) << "a picture with transparency";
    // A refused run leaves nothing behind for the next one.
    ExpectReplayMatches(
        recorder,
        [](Canvas& canvas) {
            canvas.SetPen(0xFF0000, 3, PenStyle::Solid);
            canvas.Line(QPoint(0, 0), QPoint(50, 30));
        },
        "a line after refusals");
}

TEST(PixelStamp, ClipsItsReplayToTheGivenRectangle) {
    StampRecorder recorder;
    recorder.Resize(QSize(40, 40));
    const std::optional<PixelStamp> stamp = recorder.Record(
        [](Canvas& canvas) { canvas.FillRectangle(QRect(0, 0, 40, 40), 0xFFFFFF); });
    ASSERT_TRUE(stamp.has_value());
    EXPECT_EQ(stamp->Area(), QRect(0, 0, 40, 40));
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::black);
    stamp->ApplyTo(image, QRect(10, 20, 5, 5));
    EXPECT_EQ(image.pixel(12, 22), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(9, 22), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(12, 25), qRgb(0, 0, 0));
}
