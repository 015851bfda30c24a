// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/face_preview.h"
#include "face_defaults.h"

#include <gtest/gtest.h>

namespace {

QRgb Rgb(int red, int green, int blue) {
    return qRgb(red, green, blue) & 0xFFFFFF;
}

TEST(DisplayPreviewArea, FollowsTheClocksAspectRatioInsideTheSquare) {
    struct Case {
        QSize client;
        QRect area;
    };
    const Case cases[] = {
        {{320, 200}, {0, 49, 260, 162}}, // landscape: trunc(260 * 200 / 320) = 162
        {{200, 320}, {49, 0, 162, 260}}, // portrait
        {{100, 100}, {0, 0, 260, 260}},  // square counts as portrait
        {{640, 480}, {0, 33, 260, 195}}, {{260, 1}, {0, 130, 260, 1}},
        {{0, 0}, {0, 0, 260, 260}}, // nothing to keep the ratio of
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FacePreview::PreviewArea(c.client, 260), c.area)
            << c.client.width() << "x" << c.client.height();
    }
}

QRgb PixelAt(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

TEST(DisplayFacePreview, ComposesAtTheStoredClientSizeWithoutTheRim) {
    ClockSettings copy = DefaultFaceSettings();
    copy.Attrib = NoImage; // background only
    copy.BG_Color = RgbColour(200, 10, 20);
    copy.Form_Window_Type = 1; // the window would draw its elliptic rim
    FacePreview preview;
    const QImage& face = preview.Compose(copy, ClockTime{}, IconBarSources{});
    EXPECT_EQ(face.size(), QSize(320, 200));
    // Right on the ellipse's rim the background shows; the icon bar sits at its own place.
    EXPECT_EQ(PixelAt(face, 160, 1), Rgb(200, 10, 20));
    EXPECT_EQ(PixelAt(face, 1, 100), Rgb(200, 10, 20));
    EXPECT_EQ(copy.Form_Window_Type, 1);
}

TEST(DisplayFacePreview, AMissingPictureShowsTheColourAndLeavesTheCopyAlone) {
    ClockSettings copy = DefaultFaceSettings();
    copy.Attrib = 0;
    copy.BG_Color = RgbColour(0, 0, 255);
    copy.Image_File = QStringLiteral("/nonexistent/picture.jpg");
    FacePreview preview;
    const QImage& face = preview.Compose(copy, ClockTime{}, IconBarSources{});
    EXPECT_EQ(PixelAt(face, 300, 190), Rgb(0, 0, 255));
    EXPECT_FALSE(copy.Has(NoImage));
}

TEST(DisplayFacePreview, DrawsTheAnalogClockFromTheCopyAtOnce) {
    ClockSettings copy = DefaultFaceSettings();
    copy.Attrib = NoImage | AnalogDisp | HandFill;
    copy.BG_Color = 0;
    copy.SL_In_Color = RgbColour(0, 0, 255);
    copy.SL_Color = RgbColour(0, 0, 255);
    ClockTime time;
    time.hour = 3; // minute hand straight up, hour hand to the right
    FacePreview preview;
    const QImage& face = preview.Compose(copy, time, IconBarSources{});
    // Half-way up the minute hand, on the first composition.
    EXPECT_EQ(PixelAt(face, copy.HandCenterX, copy.HandCenterY - copy.LongLength / 2),
              Rgb(0, 0, 255));
}

} // namespace
