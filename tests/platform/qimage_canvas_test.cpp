// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/device_scale.h"
#include "platform/qimage_canvas.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>

namespace {

QImage Black(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

// The columns of one row that are not black.
std::vector<int> LitColumns(const QImage& image, int y) {
    std::vector<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) != qRgb(0, 0, 0)) {
            columns.push_back(x);
        }
    }
    return columns;
}

} // namespace

TEST(FaceCanvas, BoxesExcludeTheirRightAndBottomEdge) {
    QImage image = Black(20, 20);
    {
        QImageCanvas canvas(image);
        canvas.SetPen(0xFFFFFF, 1, PenStyle::Solid);
        canvas.SetBrush(0, BrushStyle::Clear);
        canvas.Rectangle(2, 2, 8, 8);
        canvas.Ellipse(10, 0, 20, 10);
    }
    EXPECT_EQ(LitColumns(image, 4), (std::vector<int>{2, 7, 10, 19}));
    EXPECT_EQ(image.pixel(4, 7), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(4, 8), qRgb(0, 0, 0));
}

TEST(FaceCanvas, LinesStopBeforeTheirEndPoint) {
    QImage image = Black(10, 3);
    {
        QImageCanvas canvas(image);
        canvas.SetPen(0xFFFFFF, 1, PenStyle::Solid);
        canvas.Line({1, 1}, {6, 1});
    }
    EXPECT_EQ(LitColumns(image, 1), (std::vector<int>{1, 2, 3, 4, 5}));
}

TEST(FaceCanvas, MergeOrsShapesButNeverText) {
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(qRgb(255, 0, 0));
    {
        QImageCanvas canvas(image);
        canvas.SetMixMode(MixMode::Merge);
        canvas.SetPen(0xFF0000, 1, PenStyle::Solid);
        canvas.SetBrush(0xFF0000, BrushStyle::Solid);
        canvas.Rectangle(0, 0, 10, 10);
        canvas.FillRectangle(QRect(20, 0, 10, 10), 0x00FF00);
        canvas.SetFont(CanvasFont{QStringLiteral("IPAPGothic"), 20, 0x00FF00, 0});
        canvas.TextOut({0, 12}, QStringLiteral("■"), TextBackground::Opaque, 0xFF0000);
    }
    EXPECT_EQ(image.pixel(5, 5), qRgb(255, 0, 255)) << "blue over red reads magenta";
    EXPECT_EQ(image.pixel(25, 5), qRgb(0, 255, 0)) << "fills are plain copies";
    bool sawGreen = false;
    bool sawBlue = false;
    for (int y = 12; y < 40; ++y) {
        for (int x = 0; x < 30; ++x) {
            sawGreen |= image.pixel(x, y) == qRgb(0, 255, 0);
            sawBlue |= image.pixel(x, y) == qRgb(0, 0, 255);
            EXPECT_NE(image.pixel(x, y), qRgb(255, 255, 0)) << "text is not ORed in";
        }
    }
    EXPECT_TRUE(sawGreen);
    EXPECT_TRUE(sawBlue) << "opaque text background";
}

TEST(FaceCanvas, StretchKeysOutTheTransparentColour) {
    QImage icon(2, 2, QImage::Format_RGB32);
    icon.fill(qRgb(10, 20, 30));
    icon.setPixel(1, 0, qRgb(200, 0, 0));
    QImage image = Black(8, 8);
    {
        QImageCanvas canvas(image);
        canvas.SetMixMode(MixMode::Merge); // stretches ignore the mix mode
        canvas.StretchImage(icon, QRect(0, 0, 8, 8), RgbColour(10, 20, 30));
    }
    EXPECT_EQ(image.pixel(1, 6), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(6, 1), qRgb(200, 0, 0));
}

TEST(FaceCanvas, DottedDashedPensAndHatchedBrush) {
    QImage image = Black(60, 30);
    {
        QImageCanvas canvas(image);
        canvas.SetPen(0xFFFFFF, 1, PenStyle::Dot);
        canvas.Line({0, 2}, {60, 2});
        canvas.SetPen(0xFFFFFF, 1, PenStyle::Dash);
        canvas.Line({0, 5}, {60, 5});
        canvas.SetPen(0x0000FF, 1, PenStyle::Solid);
        canvas.SetBrush(0x00FF00, BrushStyle::DiagonalCross);
        canvas.Rectangle(0, 10, 60, 30);
    }
    const size_t dotted = LitColumns(image, 2).size();
    const size_t dashed = LitColumns(image, 5).size();
    EXPECT_GT(dotted, 15u);
    EXPECT_LT(dotted, 45u);
    EXPECT_GT(dashed, dotted) << "dashes are longer than dots";
    EXPECT_LT(dashed, 60u);
    int green = 0, black = 0;
    for (int x = 1; x < 59; ++x) {
        (image.pixel(x, 20) == qRgb(0, 255, 0) ? green : black)++;
    }
    EXPECT_GT(green, 3) << "hatch lines";
    EXPECT_GT(black, 20) << "the hatch lets the background through";
}

TEST(FaceCanvas, WidePensEndAndJoinRound) {
    // From 10 to 20 a one-pixel line lights 10..19; a wider one goes round both ends.
    struct Case {
        int width;
        int first;
        int last;
    };
    for (const Case& c : {Case{2, 9, 20}, Case{3, 9, 20}}) {
        QImage line = Black(30, 7);
        {
            QImageCanvas canvas(line);
            canvas.SetPen(0xFFFFFF, c.width, PenStyle::Solid);
            canvas.Line({10, 3}, {20, 3});
        }
        const std::vector<int> lit = LitColumns(line, 3);
        ASSERT_FALSE(lit.empty()) << c.width;
        EXPECT_EQ(lit.front(), c.first) << c.width;
        EXPECT_EQ(lit.back(), c.last) << c.width;
    }

    // A kite's sharp tip is rounded off instead of mitred far past the corner.
    QImage kite = Black(40, 40);
    {
        QImageCanvas canvas(kite);
        canvas.SetPen(0xFFFFFF, 3, PenStyle::Solid);
        canvas.SetBrush(0x0000FF, BrushStyle::Solid);
        const QPoint corners[] = {{20, 35}, {23, 20}, {20, 5}, {17, 20}, {20, 35}};
        canvas.Polygon(corners);
    }
    EXPECT_NE(kite.pixel(20, 4), qRgb(0, 0, 0)) << "the pen goes round the tip";
    EXPECT_EQ(kite.pixel(20, 2), qRgb(0, 0, 0)) << "but no further than half its width";

    // An outline closed by repeating its first point has no notch there: it is the same as
    // a closed outline.
    QImage repeated = Black(40, 40);
    QImage closed = Black(40, 40);
    {
        const QPoint square[] = {{10, 10}, {30, 10}, {30, 30}, {10, 30}, {10, 10}};
        QImageCanvas byRepeating(repeated);
        byRepeating.SetPen(0xFFFFFF, 3, PenStyle::Solid);
        byRepeating.Polyline(square);
        QImageCanvas byClosing(closed);
        byClosing.SetPen(0xFFFFFF, 3, PenStyle::Solid);
        byClosing.SetBrush(0, BrushStyle::Clear);
        byClosing.Polygon(std::span(square).first(4));
    }
    EXPECT_TRUE(repeated == closed);
}

namespace {

// A black picture of `logical` pixels at the device pixel ratio, as the face is drawn on a
// dense screen.
QImage BlackAt(QSize logical, qreal ratio) {
    QImage image =
        Black(DeviceScale(ratio).Size(logical).width(), DeviceScale(ratio).Size(logical).height());
    image.setDevicePixelRatio(ratio);
    return image;
}

// The smallest rectangle holding every pixel that is not black.
QRect LitArea(const QImage& image) {
    QRect lit;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(0, 0, 0)) {
                lit |= QRect(x, y, 1, 1);
            }
        }
    }
    return lit;
}

} // namespace

// On a dense picture the coordinates stay logical; fills and pictures take exactly the device
// pixels of their boxes, pens are whole device pixels wide.
TEST(FaceCanvas, DrawsAtThePicturesDensity) {
    for (const qreal ratio : {1.25, 1.5, 2.0, 3.0}) {
        SCOPED_TRACE(ratio);
        const DeviceScale scale(ratio);
        const QRect box(3, 5, 7, 2);

        QImage filled = BlackAt(QSize(20, 12), ratio);
        {
            QImageCanvas canvas(filled);
            EXPECT_EQ(canvas.Size(), QSize(20, 12)) << "in logical pixels";
            canvas.FillRectangle(box, 0xFFFFFF);
        }
        EXPECT_EQ(LitArea(filled), scale.Rect(box));

        // A picture of the box's device size comes onto it pixel for pixel.
        QImage picture(scale.Rect(box).size(), QImage::Format_RGB32);
        for (int x = 0; x < picture.width(); ++x) {
            picture.setPixel(x, 0, qRgb(x + 1, 0, 0));
            picture.setPixel(x, picture.height() - 1, qRgb(0, x + 1, 0));
        }
        QImage stretched = BlackAt(QSize(20, 12), ratio);
        {
            QImageCanvas canvas(stretched);
            canvas.StretchImage(picture, box, std::nullopt);
        }
        EXPECT_TRUE(stretched.copy(scale.Rect(box)) == picture);

        // A vertical line as wide as its pen rounded to device pixels.
        for (const int width : {1, 3}) {
            QImage line = BlackAt(QSize(20, 12), ratio);
            {
                QImageCanvas canvas(line);
                canvas.SetPen(0xFFFFFF, width, PenStyle::Solid);
                canvas.Line({10, 2}, {10, 10});
            }
            const int middle = scale.Edge(6);
            EXPECT_EQ(int(LitColumns(line, middle).size()), int(std::lround(width * ratio)))
                << "pen " << width;
        }
    }
}

// At a whole ratio an outline covers the device pixels of exactly the pixels it covers at
// ratio 1: the dense drawing is where the plain one is, only finer. The tall shapes are drawn
// in bands of rows, which must meet without a seam.
TEST(FaceCanvas, ADenseOutlineLiesOnItsPlainPixels) {
    const auto draw = [](qreal ratio) {
        QImage image = BlackAt(QSize(48, 64), ratio);
        QImageCanvas canvas(image);
        canvas.SetPen(0xFFFFFF, 1, PenStyle::Solid);
        canvas.SetBrush(0, BrushStyle::Clear);
        canvas.Rectangle(2, 2, 9, 8);
        canvas.Line({12, 3}, {21, 3});
        canvas.Rectangle(12, 6, 20, 61);
        canvas.SetBrush(0x3060A0, BrushStyle::Solid);
        const std::array<QPoint, 6> ell{QPoint(34, 4),  QPoint(38, 4),  QPoint(38, 50),
                                        QPoint(45, 50), QPoint(45, 58), QPoint(34, 58)};
        canvas.Polygon(ell);
        return image;
    };
    const QImage plain = draw(1);
    for (const int ratio : {2, 3}) {
        const QImage dense = draw(ratio);
        for (int y = 0; y < dense.height(); ++y) {
            for (int x = 0; x < dense.width(); ++x) {
                ASSERT_EQ(dense.pixel(x, y), plain.pixel(x / ratio, y / ratio))
                    << "ratio " << ratio << " at " << x << ", " << y;
            }
        }
    }
}
