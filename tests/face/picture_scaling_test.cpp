// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/picture_scaling.h"

#include <gtest/gtest.h>

namespace {

QImage Halves(QSize size, QColor left, QColor right) {
    QImage picture(size, QImage::Format_RGB888);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            picture.setPixelColor(x, y, x < size.width() / 2 ? left : right);
        }
    }
    return picture;
}

} // namespace

TEST(FacePictureScaling, ShrinkingAveragesTheCoveredPixels) {
    const QImage shrunk = StretchPicture(Halves(QSize(400, 300), Qt::red, Qt::blue), QSize(40, 30));
    ASSERT_EQ(shrunk.size(), QSize(40, 30));
    EXPECT_EQ(shrunk.format(), QImage::Format_RGB32);
    EXPECT_EQ(shrunk.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(shrunk.pixel(19, 29), qRgb(255, 0, 0));
    EXPECT_EQ(shrunk.pixel(20, 0), qRgb(0, 0, 255));
    EXPECT_EQ(shrunk.pixel(39, 29), qRgb(0, 0, 255));

    QImage checkered(4, 4, QImage::Format_RGB888);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            checkered.setPixelColor(x, y, (x + y) % 2 == 0 ? Qt::white : Qt::black);
        }
    }
    EXPECT_EQ(StretchPicture(checkered, QSize(2, 2)).pixel(1, 1), qRgb(127, 127, 127));
}

TEST(FacePictureScaling, OddRatiosCoverEverySourcePixelOnce) {
    // 7 columns into 3: blocks of 2, 2 and 3 source pixels; nothing is read twice or lost.
    QImage ramp(7, 1, QImage::Format_RGB888);
    for (int x = 0; x < 7; ++x) {
        ramp.setPixelColor(x, 0, QColor(x * 30, 0, 0));
    }
    const QImage shrunk = StretchPicture(ramp, QSize(3, 1));
    EXPECT_EQ(qRed(shrunk.pixel(0, 0)), (0 + 30) / 2);
    EXPECT_EQ(qRed(shrunk.pixel(1, 0)), (60 + 90) / 2);
    EXPECT_EQ(qRed(shrunk.pixel(2, 0)), (120 + 150 + 180) / 3);
}

TEST(FacePictureScaling, EnlargingAndTheSameSizeKeepThePicture) {
    const QImage picture = Halves(QSize(20, 10), Qt::green, Qt::yellow);
    const QImage same = StretchPicture(picture, QSize(20, 10));
    EXPECT_EQ(same.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(same.pixel(19, 9), qRgb(255, 255, 0));
    const QImage larger = StretchPicture(picture, QSize(200, 100));
    EXPECT_EQ(larger.size(), QSize(200, 100));
    EXPECT_EQ(larger.pixel(5, 50), qRgb(0, 255, 0));
    EXPECT_EQ(larger.pixel(195, 50), qRgb(255, 255, 0));
    // Wider but lower: not a shrink in both directions, so Qt scales it.
    EXPECT_EQ(StretchPicture(picture, QSize(40, 5)).size(), QSize(40, 5));
    EXPECT_TRUE(StretchPicture(QImage(), QSize(10, 10)).isNull());
    EXPECT_TRUE(StretchPicture(picture, QSize(0, 10)).isNull());
}
