// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/drawable_settings.h"
#include "face/face_renderer.h"
#include "face_defaults.h"
#include "picture_bytes.h"
#include "temp_dir.h"

#include <QBuffer>
#include <climits>
#include <gtest/gtest.h>

namespace {

QByteArray Encoded(const char* format) {
    QImage image(24, 16, QImage::Format_RGB32);
    image.fill(qRgb(200, 30, 90));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 90);
    return bytes;
}

// Every marker after the start of image replaced by one that does not exist.
QByteArray WithCorruptMarkers(QByteArray jpeg) {
    for (qsizetype i = 2; i + 1 < jpeg.size(); ++i) {
        if (quint8(jpeg[i]) == 0xFF && quint8(jpeg[i + 1]) >= 0xC0 && quint8(jpeg[i + 1]) != 0xD9) {
            jpeg[i + 1] = char(0x01);
        }
    }
    return jpeg;
}

ClockSettings PictureOnly(const QString& file) {
    ClockSettings settings = DefaultFaceSettings();
    settings.Attrib = 0; // no clock parts, no NoImage: the picture alone would fill the face
    settings.Image_File = file;
    settings.BG_Color = 0x00563412;
    settings.IconBarX = 10000; // the icon bar off the face
    return settings;
}

ClockTime Noon() {
    ClockTime time;
    time.year = 2024;
    time.month = 5;
    time.day = 17;
    time.hour = 12;
    return time;
}

TEST(RobustnessFacePicture, BadFilesFallBackToTheBackgroundColour) {
    TestFolder folder;
    const QByteArray jpeg = Encoded("JPG");
    const QByteArray bitmap = Encoded("BMP");
    struct Case {
        const char* name;
        QString file;
    };
    const Case cases[] = {
        {"missing", folder.FilePath("missing.jpg")},
        {"zero-byte jpeg", folder.Write("empty.jpg", {})},
        {"zero-byte bitmap", folder.Write("empty.bmp", {})},
        {"truncated jpeg", folder.Write("short.jpg", jpeg.left(jpeg.size() / 2))},
        {"truncated bitmap", folder.Write("short.bmp", bitmap.left(bitmap.size() - 40))},
        {"jpeg named .bmp", folder.Write("jpeg.bmp", jpeg)},
        {"bitmap named .jpg", folder.Write("bitmap.jpg", bitmap)},
        {"bitmap named .png", folder.Write("bitmap.png", bitmap)},
        {"huge jpeg", folder.Write("huge.jpg", WithJpegSize(jpeg, 65000, 65000))},
        {"huge bitmap", folder.Write("huge.bmp", WithBitmapSize(bitmap, 1 << 30, 1 << 30))},
        {"negative bitmap", folder.Write("negative.bmp", WithBitmapSize(bitmap, -5, INT_MIN))},
        {"corrupt markers", folder.Write("markers.jpg", WithCorruptMarkers(jpeg))},
        {"a folder", folder.Path()},
    };
    for (const Case& sample : cases) {
        ClockSettings settings = PictureOnly(sample.file);
        FaceRenderer renderer;
        renderer.Compose(settings, Noon(), {QSize(40, 30)});
        const QImage& face = renderer.Compose(settings, Noon(), {QSize(40, 30)});
        EXPECT_TRUE(renderer.Layout().pictureMissing) << sample.name;
        EXPECT_EQ(face.pixel(20, 15), ToQColor(settings.BG_Color).rgb()) << sample.name;
        EXPECT_TRUE(renderer.PictureSize().isEmpty()) << sample.name;
    }
}

TEST(RobustnessFacePicture, AGoodPictureStillShows) {
    TestFolder folder;
    ClockSettings settings = PictureOnly(folder.Write("good.jpg", Encoded("JPG")));
    FaceRenderer renderer;
    renderer.Compose(settings, Noon(), {QSize(40, 30)});
    const QImage& face = renderer.Compose(settings, Noon(), {QSize(40, 30)});
    EXPECT_FALSE(renderer.Layout().pictureMissing);
    EXPECT_NE(face.pixel(20, 15), ToQColor(settings.BG_Color).rgb());
}

constexpr int ClockSettings::*kStoredNumbers[] = {
    &ClockSettings::Width,
    &ClockSettings::Height,
    &ClockSettings::Line_Width,
    &ClockSettings::Mem_Interval,
    &ClockSettings::MemPoint_Design,
    &ClockSettings::LongLength,
    &ClockSettings::ShortLength,
    &ClockSettings::SecondLength,
    &ClockSettings::HandCenterX,
    &ClockSettings::HandCenterY,
    &ClockSettings::FontSize,
    &ClockSettings::FontStyle,
    &ClockSettings::Digi_x,
    &ClockSettings::Digi_y,
    &ClockSettings::Digi_Size,
    &ClockSettings::Digi_Width,
    &ClockSettings::DigiTimeFontSize,
    &ClockSettings::DigiTimeDispType,
    &ClockSettings::Date_Size,
    &ClockSettings::Date_Width,
    &ClockSettings::Date_x,
    &ClockSettings::Date_y,
    &ClockSettings::DigiDateFontSize,
    &ClockSettings::DigiDateDispType,
    &ClockSettings::Form_Window_Type,
    &ClockSettings::Rect_Raund_Size,
    &ClockSettings::WindowEdgeSize,
    &ClockSettings::WindowEdgeShadowSize,
    &ClockSettings::IconBarX,
    &ClockSettings::IconBarY,
};

// Each stored number at its extremes, with segments and with fonts, in every placement
// mode and on a zero, tiny and normal client area: the face is composed without a crash,
// and the stored value is left as it was.
TEST(RobustnessFaceSettings, StoredNumbersAtTheirExtremesStillCompose) {
    const int extremes[] = {INT_MIN, -1000000, -11, -1, 0, 101, 1000000, INT_MAX};
    const QSize sizes[] = {QSize(0, 0), QSize(1, 1), QSize(64, 40)};
    for (std::uint32_t fonts : {0u, std::uint32_t(TimeFont | DateFont)}) {
        for (int ClockSettings::*field : kStoredNumbers) {
            for (int value : extremes) {
                ClockSettings settings = DefaultFaceSettings();
                settings.Attrib |= NoImage | DigiTimeSecDisp | DigiDateScene | fonts;
                settings.*field = value;
                FaceRenderer renderer;
                for (const QSize size : sizes) {
                    for (int mode = PlacementNone; mode <= PlacementIconBar; ++mode) {
                        const QImage& face =
                            renderer.Compose(settings, Noon(), {size, PlacementMode(mode), {}});
                        EXPECT_FALSE(face.isNull());
                    }
                }
                EXPECT_EQ(settings.*field, value);
            }
        }
    }
}

TEST(RobustnessFaceSettings, DrawableSettingsKeepRealLayoutsAndHoldTheRest) {
    ClockSettings stored = DefaultFaceSettings();
    stored.Digi_x = -7;
    stored.LongLength = DrawableLimit;
    stored.Date_x = INT_MIN;
    stored.Line_Width = INT_MAX;
    stored.Rect_Raund_Size = 1 << 28;
    const ClockSettings drawable = DrawableSettings(stored);
    EXPECT_EQ(drawable.Digi_x, -7);
    EXPECT_EQ(drawable.Width, stored.Width);
    EXPECT_EQ(drawable.LongLength, DrawableLimit);
    EXPECT_EQ(drawable.Date_x, -DrawableLimit);
    EXPECT_EQ(drawable.Line_Width, DrawableLimit);
    EXPECT_EQ(drawable.Rect_Raund_Size, DrawableLimit);
    EXPECT_EQ(drawable.Attrib, stored.Attrib);
    EXPECT_EQ(drawable.BG_Color, stored.BG_Color);
}

} // namespace
